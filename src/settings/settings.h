#pragma once
// The settings window `configuracion`: what its fields mean and the steps
// shared between its handlers.
#include <string>
#include <vector>

#include "app/program.h"

namespace tabrino {

// A duration box, the label beside it and the series-table entry it edits.
struct DurationField {
    std::string box;      // Text1 .. Text15
    std::string label;    // its caption's element
    std::string caption;  // as the window shows it
    int entry;            // index into tablaseries
    std::string defaultText;
    bool seconds;  // Text15: the time-out warning second, not minutes
};
// In the order they are checked and stored.
const std::vector<DurationField>& durationFields();

// A running-clock colour choice: its option, swatch and stored text.
struct ClockColour {
    std::string option;
    std::string swatch;
    std::string stored;  // as kept in `colorreloj`
    Rgb rgb;
};
const std::vector<ClockColour>& clockColours();

// Opens the window from the operator window: one instance, filled afresh.
void openSettings(Program& p);
// Centred on the primary screen, as a dialog is.
void centreSettings(Program& p, Window& w);
// The opening fill; every control set here runs its own effect.
void fillSettings(Program& p, Window& w);
// Validates the duration boxes and stores them in the series table, in
// order; false (after its message) when one was refused.
bool storeDurations(Program& p, Window& w);
// The time-out warning second is at most 30 (checked on leaving the box).
void Text15_LostFocus(Program& p, Window& w);
// Runs when the window closes, however it is closed.
void closeSettings(Program& p, Window& w);

// Effects of the controls (also run by the opening fill).
void possessionOn(Program& p, Window& w);         // Option12
void possessionOff(Program& p, Window& w);        // Option13
void mirrorBox(Program& p, Window& w);            // Check3
void possessionWindowBox(Program& p, Window& w);  // Check2
void feedBox(Program& p, Window& w);              // Check6

void wireSettingsControls(Program& p);

}  // namespace tabrino
