#pragma once
// Procedures shared between areas. Each is defined in the folder named.
#include <string>

#include "app/program.h"

namespace tabrino {

// app/
void Form_Load(Program& p);
void Form_Unload(Program& p);

// clock/
void iniciapara(Program& p);
void ultimos10(Program& p);
void finultimos10(Program& p);
void Timer1_Timer(Program& p);
void finDePeriodo(Program& p);  // what happens when the game clock reaches 00:00

// events/
void escondecastigados(Program& p);
void activafalta(Program& p, bool enabled);
void enviaraminuto(Program& p, const std::string& side);
void Command9_Click(Program& p);  // restart of the possession count

// display/
void refrescaclon(Program& p);
void actualizaclon(Program& p);
void ubicaventanas(Program& p);
bool tienealtura(Element& e);
// Maximises a window on the screen its left edge lies on.
void maximizeWindow(Program& p, Window& w);
// The desktop's screens changed (one plugged in, pulled out or resized):
// the monitors are read again and the public windows follow them.
void cambiapantallas(Program& p);

// settings/
// The settings window's extra-screen boxes and monitor count, from the
// monitors as last read.
void muestrapantallas(Program& p, Window& configuracion);

// shootout/
void llenaFinPartido(Program& p);  // result fill at the end of the match

// Registration of each area's handlers, at the foot of the file that holds
// them; app/wiring.cpp calls them all.
void wireTick(Program& p);              // clock/tick.cpp
void wireClockControl(Program& p);      // clock/clock_control.cpp
void wireSeriesField(Program& p);       // clock/series_field.cpp
void wireHorn(Program& p);              // clock/horn.cpp
void wireMatchReset(Program& p);        // clock/match_reset.cpp
void wireGoalsAndNames(Program& p);     // events/goals_and_names.cpp
void wireFouls(Program& p);             // events/fouls.cpp
void wireCards(Program& p);             // events/cards.cpp
void wireTimeouts(Program& p);          // events/timeouts.cpp
void wirePossession(Program& p);        // events/possession.cpp
void wireMirror(Program& p);            // display/mirror.cpp
void wireScaling(Program& p);           // display/scaling.cpp
void wirePlacement(Program& p);         // display/placement.cpp
void wireSettings(Program& p);          // settings/wiring.cpp
void wireSettingsControls(Program& p);  // settings/controls.cpp
void wirePenales(Program& p);           // shootout/shootout_board.cpp
void wireFinPartido(Program& p);        // shootout/match_end.cpp
void wireAbout(Program& p);             // app/about.cpp

}  // namespace tabrino
