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

// Registration of each area's handlers.
void wireClock(Program& p);
void wireEvents(Program& p);
void wireDisplay(Program& p);
void wireSettings(Program& p);
void wireShootout(Program& p);

}  // namespace tabrino
