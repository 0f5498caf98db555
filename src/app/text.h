#pragma once
// The text conventions every field follows: the numeric value of a text, a
// number written back as text, and the two-digit form of clock fields.
#include <string>

#include "form/types.h"

namespace tabrino {

// Leading number of a text: leading blanks skipped, then an optional sign,
// digits and a decimal point; reading stops at the first other character.
// Empty or non-numeric text is 0 ("05" is 5, "0-1" is 0, "12a" is 12).
double numericValue(const std::string& text);

// True when the text begins (after blanks) with a number.
bool readsAsNumber(const std::string& text);

// Shortest decimal text, no leading blank, no point for whole numbers.
std::string numberText(double value);

// A one-character result gets a leading "0" ("9" -> "09"); others unchanged.
std::string twoDigits(const std::string& text);
std::string twoDigits(double value);

// A colour kept as text ("65280", "&H80C0FF"): red in the low byte.
Rgb colorFromValueText(const std::string& text);
// The other way: the colour value (0x00BBGGRR) of an #RRGGBB colour.
long colorValue(Rgb rgb);

// Upper case for every letter that has one (UTF-8 text); bytes that are no
// valid UTF-8 are kept as they are.
std::string upperCase(const std::string& text);

}  // namespace tabrino
