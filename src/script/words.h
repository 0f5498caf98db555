#pragma once
// Splitting a scenario line into words: blanks separate, double quotes hold
// blanks, and inside quotes \n, \" and \\ are a line break, a quote and a
// backslash.
#include <optional>
#include <string>
#include <vector>

namespace tabrino::script {

// nullopt (with the reason in `error`) for an unterminated quote.
std::optional<std::vector<std::string>> splitWords(const std::string& line, std::string& error);

// CR LF and CR become LF, so line breaks compare equal whatever their form.
std::string normalizeBreaks(const std::string& text);

}  // namespace tabrino::script
