#include "events/team_side.h"

#include "form/window.h"

namespace tabrino {

const TeamSide& homeSide() {
    static const TeamSide side{
        Side::Local,
        "gollocal",
        "Command5",
        "Command6",
        "equipolocal",
        "Configurar Equipo Local",
        "faltalocal",
        "titulofalta",
        "librelocal",
        "Label2",
        &Variables::castigadoslocal,
        {{{&Variables::castigolocal1, &Variables::relojlocal1, "amonlocal", "c", "Label1", "d"},
          {&Variables::castigolocal2, &Variables::relojlocal2, "amonlocal2", "c2", "Label1b", "d2"}}},
        {"Image5", "numazuleslocal", "02", true},
        {"Image6", "numrojaslocal", "04", false},
        {"tiempolocal", "Label3a", "Image8", flag::local},
        {"tabrinogollocal", "equipopenall", &Variables::golespenallocal},
    };
    return side;
}

const TeamSide& awaySide() {
    static const TeamSide side{
        Side::Visita,
        "golvisita",
        "Command7",
        "Command8",
        "equipovisita",
        "Configurar Equipo Visitante",
        "faltavisita",
        "titulofalta2",
        "librevisita",
        "Label5",
        &Variables::castigadosvisita,
        {{{&Variables::castigovisita1, &Variables::relojvisita1, "amonvisita", "e", "Label8", "f"},
          {&Variables::castigovisita2, &Variables::relojvisita2, "amonvisita2", "e2", "Label8b", "f2"}}},
        {"Image4", "numazulesvisita", "02", true},
        {"Image7", "numrojasvisita", "04", false},
        {"tiempovisita", "Label3b", "Image9", flag::visita},
        {"tabrinogolvisita", "equipopenalv", &Variables::golespenalvisita},
    };
    return side;
}

const TeamSide& teamSide(Side s) { return s == Side::Local ? homeSide() : awaySide(); }

const TeamSide& otherSide(const TeamSide& s) { return s.which == Side::Local ? awaySide() : homeSide(); }

const std::array<const TeamSide*, 2>& teamSides() {
    static const std::array<const TeamSide*, 2> sides{&homeSide(), &awaySide()};
    return sides;
}

void setSlotShown(Window& f, const SuspensionSlot& slot, bool shown) {
    for (const char* n : {slot.picture, slot.minutes, slot.seconds, slot.colon}) f[n].setVisible(shown);
}

void hideSuspensionSlots(Window& f) {
    for (const TeamSide* side : teamSides())
        for (const SuspensionSlot& slot : side->slots) setSlotShown(f, slot, false);
}

bool timeoutReserved(const Window& f) {
    for (const TeamSide* side : teamSides())
        if (f[side->timeout.marker].visible()) return true;
    return false;
}

void hideTimeoutMarkers(Window& f) {
    for (const TeamSide* side : teamSides()) f[side->timeout.marker].setVisible(false);
}

}  // namespace tabrino
