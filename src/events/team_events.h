#pragma once
// Registration of the team operations: goals and names, fouls, cards.
#include "app/program.h"

namespace tabrino {

void wireGoalsAndNames(Program& p);  // goals_and_names.cpp
void wireFouls(Program& p);          // fouls.cpp
void wireCards(Program& p);          // cards.cpp

}  // namespace tabrino
