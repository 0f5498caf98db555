#pragma once
// The elements and variables of one side. Every team operation exists once
// for the home side and once for the away side with the same behaviour, so
// the handlers take the side as data. This is the program's one table of
// what belongs to which side.
#include <array>
#include <cstdint>
#include <string>

#include "app/variables.h"

namespace tabrino {

class Window;

// Which half of the windows a side owns: home on the left, away on the right.
enum class Side { Local, Visita };

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

struct TimeoutFields {
    const char* count;    // time-outs taken
    const char* caption;  // "MINUTO" above the count
    const char* marker;   // alarm clock of a reserved minute
    const char* request;  // value of minutopedido for this side
};

struct ShootoutFields {
    const char* count;  // goals, the same name on both boards
    const char* name;   // team name, the same name on both boards
    std::int16_t Variables::*goals;
};

struct TeamSide {
    Side which;
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
    TimeoutFields timeout;
    ShootoutFields shootout;
};

const TeamSide& homeSide();
const TeamSide& awaySide();
const TeamSide& teamSide(Side s);
const TeamSide& otherSide(const TeamSide& s);
const std::array<const TeamSide*, 2>& teamSides();

// A suspension slot's picture and countdown shown or hidden together.
void setSlotShown(Window& f, const SuspensionSlot& slot, bool shown);
// Every suspension slot of both sides hidden.
void hideSuspensionSlots(Window& f);
// Whether either side has a minute reserved (its alarm clock shown).
bool timeoutReserved(const Window& f);
// Both sides' alarm clocks hidden.
void hideTimeoutMarkers(Window& f);

}  // namespace tabrino
