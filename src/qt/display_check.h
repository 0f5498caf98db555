#pragma once
// Whether the windowing system can be reached, asked before Qt tries (Qt
// aborts when it cannot open its display).
#include <string>

namespace tabrino::qt {

// Empty when a display is there; otherwise a message for the operator in
// Spanish and English.
std::string missingDisplay();

}  // namespace tabrino::qt
