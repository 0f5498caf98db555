#pragma once
// The ten penalty shots of the shoot-out board: each shot's mark and the
// three buttons that record it (goal, miss, blank), with their places on
// the operator board and the mark's place on the public board. The design
// tables and the handlers are both built from this one table.
#include <array>
#include <string_view>

#include "events/team_side.h"

namespace tabrino {

struct ShotButton {
    const char* name;
    const char* handler;  // its Click handler's name, so a search finds where it is wired
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
    {Side::Local,
     1,
     "penal1l",
     600,
     5040,
     240,
     {"Image3", "Image3_Click", 720, 6120},
     {"Image2", "Image2_Click", 1320, 6120},
     {"Image23", "Image23_Click", 960, 4560}},
    {Side::Local,
     2,
     "penal2l",
     2040,
     5040,
     1560,
     {"Image5", "Image5_Click", 2160, 6120},
     {"Image4", "Image4_Click", 2760, 6120},
     {"Image24", "Image24_Click", 2400, 4560}},
    {Side::Local,
     3,
     "penal3l",
     3480,
     5040,
     2880,
     {"Image7", "Image7_Click", 3600, 6120},
     {"Image6", "Image6_Click", 4200, 6120},
     {"Image25", "Image25_Click", 3840, 4560}},
    {Side::Local,
     4,
     "penal4l",
     4920,
     5040,
     4320,
     {"Image9", "Image9_Click", 5040, 6120},
     {"Image8", "Image8_Click", 5640, 6120},
     {"Image26", "Image26_Click", 5280, 4560}},
    {Side::Local,
     5,
     "penal5l",
     6360,
     5040,
     5760,
     {"Image11", "Image11_Click", 6480, 6120},
     {"Image10", "Image10_Click", 7080, 6120},
     {"Image27", "Image27_Click", 6720, 4560}},
    {Side::Visita,
     1,
     "penal1v",
     11520,
     5160,
     12120,
     {"Image20", "Image20_Click", 11640, 6240},
     {"Image21", "Image21_Click", 12240, 6240},
     {"Image28", "Image28_Click", 11880, 4680}},
    {Side::Visita,
     2,
     "penal2v",
     12960,
     5160,
     13560,
     {"Image18", "Image18_Click", 13080, 6240},
     {"Image19", "Image19_Click", 13680, 6240},
     {"Image29", "Image29_Click", 13320, 4680}},
    {Side::Visita,
     3,
     "penal3v",
     14400,
     5160,
     15000,
     {"Image16", "Image16_Click", 14520, 6240},
     {"Image17", "Image17_Click", 15120, 6240},
     {"Image30", "Image30_Click", 14760, 4680}},
    {Side::Visita,
     4,
     "penal4v",
     15840,
     5160,
     16440,
     {"Image14", "Image14_Click", 15960, 6240},
     {"Image15", "Image15_Click", 16560, 6240},
     {"Image31", "Image31_Click", 16200, 4680}},
    {Side::Visita,
     5,
     "penal5v",
     17280,
     5160,
     17760,
     {"Image12", "Image12_Click", 17400, 6240},
     {"Image13", "Image13_Click", 18000, 6240},
     {"Image32", "Image32_Click", 17640, 4680}},
}};

// Each row's handler is its button's Click, checked when the program is built.
constexpr bool namesItsButton(const ShotButton& b) {
    std::string_view h = b.handler, n = b.name;
    return h.size() == n.size() + 6 && h.substr(0, n.size()) == n && h.substr(n.size()) == "_Click";
}
static_assert([] {
    for (const PenaltyShot& s : kShots)
        for (const ShotButton* b : {&s.goal, &s.miss, &s.blank})
            if (!namesItsButton(*b)) return false;
    return true;
}());

}  // namespace tabrino
