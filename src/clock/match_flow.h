#pragma once
// Handlers of the match sequence on the operator window: the series field,
// the period indicator, the horn, the match reset and the exit.
#include "app/program.h"

namespace tabrino {

void tramos_Click(Program& p);   // a series picked from the list
void tramos_Change(Program& p);  // the series field's text set, typed or by program
void periodo_DblClick(Program& p);
void Image1_Click(Program& p);  // the horn
void Image3_Click(Program& p);  // match reset
void apagar_Click(Program& p);  // exit

// The series field's text, as if typed: a recognised name loads its minutes.
void setSeriesText(Program& p, const std::string& text);

// The suspension clocks run again for the second period of a pair; without
// overtime that period is the second half of the match.
void beginSecondHalf(Program& p);

}  // namespace tabrino
