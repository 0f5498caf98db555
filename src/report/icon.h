#pragma once
// The report icon of the operator window: shown only while the game clock
// is stopped, so the report never opens over a running match. What a click
// opens is the shell's (the headless program has no report window).
#include "app/program.h"

namespace tabrino {

// The element names of the icon on `Form1` and of the button on `finpartido`.
inline constexpr const char* kReportIcon = "informe";
inline constexpr const char* kReportButton = "informe";

void wireReportIcon(Program& p);

}  // namespace tabrino
