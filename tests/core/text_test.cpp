#include <gtest/gtest.h>

#include "app/text.h"

namespace tabrino {
namespace {

TEST(Text, NumericValueReadsTheLeadingNumber) {
    struct Case {
        const char* text;
        double value;
    } cases[] = {{"05", 5},
                 {"5", 5},
                 {"", 0},
                 {"abc", 0},
                 {"0-1", 0},
                 {"  12", 12},
                 {"12a", 12},
                 {"-5", -5},
                 {"1.5", 1.5},
                 {"+7", 7},
                 {"-", 0},
                 {".", 0},
                 {"99999999999999999999", 1e20}};
    for (const Case& c : cases) EXPECT_EQ(numericValue(c.text), c.value) << '"' << c.text << '"';
}

TEST(Text, NumbersAndTwoDigitForms) {
    EXPECT_EQ(numberText(9), "9");
    EXPECT_EQ(numberText(10), "10");
    EXPECT_EQ(numberText(-1), "-1");
    EXPECT_EQ(numberText(-0.0), "0");
    EXPECT_EQ(numberText(1.5), "1.5");
    EXPECT_EQ(twoDigits(9), "09");
    EXPECT_EQ(twoDigits(0), "00");
    EXPECT_EQ(twoDigits(59), "59");
    EXPECT_EQ(twoDigits(-1), "-1");
}

TEST(Text, ColourValuesKeepRedInTheLowByte) {
    EXPECT_EQ(colorFromValueText("65280"), 0x00FF00u);
    EXPECT_EQ(colorFromValueText("&H80C0FF"), 0xFFC080u);
    EXPECT_EQ(colorFromValueText("&HFFC0C0"), 0xC0C0FFu);
    EXPECT_EQ(colorFromValueText("255"), 0xFF0000u);
    EXPECT_EQ(colorValue(0xFFC080), 0x80C0FF);
}

TEST(Text, UpperCaseCoversSpanishLetters) {
    EXPECT_EQ(upperCase("ñandú fc"), "ÑANDÚ FC");
    EXPECT_EQ(upperCase("áéíóúü ç"), "ÁÉÍÓÚÜ Ç");
    EXPECT_EQ(upperCase("Año 2026 ⚽"), "AÑO 2026 ⚽");
    // Beyond Latin-1, and text that is no valid UTF-8 passes unharmed.
    EXPECT_EQ(upperCase("bœuf ÿ"), "BŒUF Ÿ");
    EXPECT_EQ(upperCase("łódź ğ σ"), "ŁÓDŹ Ğ Σ");
    EXPECT_EQ(upperCase(std::string("a\xFF"
                                    "b\xC3")),
              std::string("A\xFF"
                          "B\xC3"));
}

}  // namespace
}  // namespace tabrino
