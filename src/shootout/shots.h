#pragma once
// The ten penalty shots of the shoot-out board: each shot's mark and the
// three buttons that record it (goal, miss, blank), with their places on
// the operator board and the mark's place on the public board. The design
// tables and the handlers are both built from this one table.
#include <array>

#include "events/team_side.h"

namespace tabrino {

struct ShotButton {
    const char* name;
    float left, top;
};

struct PenaltyShot {
    Side side;
    int number;  // 1 to 5 within the side's series
    const char* mark;
    float left, top;   // mark on `penales`
    float publicLeft;  // mark on `clonpenales`, at kPublicMarkTop
    ShotButton goal, miss, blank;
};

inline constexpr float kMarkWidth = 1095, kMarkHeight = 975;
inline constexpr float kPublicMarkTop = 4800;
inline constexpr float kGoalMissSize = 240, kBlankSize = 360;

// Home shots 1 to 5, then away shots 1 to 5.
inline constexpr std::array<PenaltyShot, 10> kShots = {{
    {Side::Local, 1, "penal1l", 600, 5040, 240, {"Image3", 720, 6120}, {"Image2", 1320, 6120}, {"Image23", 960, 4560}},
    {Side::Local, 2, "penal2l", 2040, 5040, 1560, {"Image5", 2160, 6120}, {"Image4", 2760, 6120}, {"Image24", 2400, 4560}},
    {Side::Local, 3, "penal3l", 3480, 5040, 2880, {"Image7", 3600, 6120}, {"Image6", 4200, 6120}, {"Image25", 3840, 4560}},
    {Side::Local, 4, "penal4l", 4920, 5040, 4320, {"Image9", 5040, 6120}, {"Image8", 5640, 6120}, {"Image26", 5280, 4560}},
    {Side::Local, 5, "penal5l", 6360, 5040, 5760, {"Image11", 6480, 6120}, {"Image10", 7080, 6120}, {"Image27", 6720, 4560}},
    {Side::Visita, 1, "penal1v", 11520, 5160, 12120, {"Image20", 11640, 6240}, {"Image21", 12240, 6240}, {"Image28", 11880, 4680}},
    {Side::Visita, 2, "penal2v", 12960, 5160, 13560, {"Image18", 13080, 6240}, {"Image19", 13680, 6240}, {"Image29", 13320, 4680}},
    {Side::Visita, 3, "penal3v", 14400, 5160, 15000, {"Image16", 14520, 6240}, {"Image17", 15120, 6240}, {"Image30", 14760, 4680}},
    {Side::Visita, 4, "penal4v", 15840, 5160, 16440, {"Image14", 15960, 6240}, {"Image15", 16560, 6240}, {"Image31", 16200, 4680}},
    {Side::Visita, 5, "penal5v", 17280, 5160, 17760, {"Image12", 17400, 6240}, {"Image13", 18000, 6240}, {"Image32", 17640, 4680}},
}};

}  // namespace tabrino
