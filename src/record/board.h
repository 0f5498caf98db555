#pragma once
// The state of a running program as record keys (see journal.h), and the
// way back from those keys to a program on the screen.
#include <string>
#include <vector>

#include "app/program.h"
#include "record/journal.h"

namespace tabrino::record {

// The recorded properties of one element, in a fixed order.
constexpr int kElementPropertyCount = 7;
struct ElementValues {
    std::string values[kElementPropertyCount];
};
// text, color, visible, enabled, checked, picture, list (items one a line)
extern const char* const kElementProperties[kElementPropertyCount];
ElementValues elementValues(const Element& e);

// Every key of the program's state as it stands.
State capture(const Program& p);
// The names of the program-wide variables that are recorded.
const std::vector<std::string>& variableNames();
std::string variableKey(const std::string& name);

// "DEPORTIVO 2 - 2 LICEO, periodo 2, 19:54"
std::string summary(const State& s);

// Puts a recorded match back on a started program: variables, windows and
// their elements, the time-out minute counting on, everything else that
// counted stopped (the game clock keeps its started flag).
void restore(Program& p, const State& s);

}  // namespace tabrino::record
