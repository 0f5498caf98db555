#pragma once
// The elements and variables of one side. Every team operation exists once
// for the home side and once for the away side with the same behaviour, so
// the handlers take the side as data.
#include <array>
#include <cstdint>
#include <string>

#include "app/variables.h"

namespace tabrino {

struct SuspensionSlot {
    std::string Variables::*state;      // "activo" / "noactivo"
    std::string Variables::*clockFlag;  // "si" / "no" / empty
    const char* picture;
    const char* minutes;
    const char* colon;
    const char* seconds;
};

struct CardIcon {
    const char* icon;
    const char* counter;
    const char* minutes;  // length of the suspension
    bool blue;            // blue cards count down in the highlight colour
};

struct TeamSide {
    const char* score;
    const char* plusButton;
    const char* minusButton;
    const char* name;
    const char* namePrompt;
    const char* fouls;
    const char* foulTitle;
    const char* freeHits;
    const char* freeHitTitle;
    std::int16_t Variables::*suspended;
    std::array<SuspensionSlot, 2> slots;
    CardIcon blueCard;
    CardIcon redCard;
};

const TeamSide& homeSide();
const TeamSide& awaySide();
const std::array<const TeamSide*, 2>& teamSides();

}  // namespace tabrino
