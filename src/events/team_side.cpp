#include "events/team_side.h"

namespace tabrino {

const TeamSide& homeSide() {
    static const TeamSide side{
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
    };
    return side;
}

const TeamSide& awaySide() {
    static const TeamSide side{
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
    };
    return side;
}

const std::array<const TeamSide*, 2>& teamSides() {
    static const std::array<const TeamSide*, 2> sides{&homeSide(), &awaySide()};
    return sides;
}

}  // namespace tabrino
