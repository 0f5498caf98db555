#pragma once
// The program-wide variables, one typed member each, under the names the
// match rules use. Texts are flags and saved readings; counters are 16-bit.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/flags.h"

namespace tabrino {

struct Variables {
    // Match and clock state.
    std::array<std::string, 32> tablaseries;  // names 0..15, durations 16..31
    std::string estadoinicio;                 // "iniciado" / "noiniciado"
    std::string relojperiodo;                 // reading left by the last tick, "mm:ss"
    bool cambioperiodo = false;               // holds the suspension countdowns
    std::string mitadjuego;                   // "1" / "2"
    std::int16_t contadorfin = 0;
    std::string cambiolado;  // "SI" / empty
    std::string minutosinicio, segundosinicio;
    std::string seriejugada;
    std::string enultimos10;             // "si" / "no"
    std::string sonarbip;                // "SI" / "NO"
    std::string avisocinco, avisocero;   // "si" / "no"
    std::string conalargue, conpenales;  // "SI" / "NO"
    std::int16_t contadortimer2 = 0;

    // Suspended players.
    std::int16_t castigadoslocal = 0, castigadosvisita = 0;
    std::string castigolocal1, castigolocal2, castigovisita1, castigovisita2;  // "activo"/"noactivo"
    std::string relojlocal1, relojlocal2, relojvisita1, relojvisita2;          // "si"/"no"/empty

    // Time-outs.
    std::string minutopedido;  // "local" / "visita" / empty

    // Possession.
    std::string conposesion;       // "SI" / "NO"
    std::string ceroavisado;       // "si" / "no"
    std::string tenenciaauxiliar;  // "si" / "no" / empty

    // Public screens.
    std::string clonactivo, pantallaauxiliar;  // "SI" / "NO"
    std::int16_t cantidadmonitores = 0, reintentosmonitor = 0;
    std::int16_t anchopantalla = 0, altopantalla = 0;
    std::string resolucion;
    double izquierdapantalla2 = 0, izquierdapantalla3 = 0;
    // The monitors found at start-up, in the order found (pixels, right and
    // bottom exclusive); a window is maximised on the one it lies on.
    struct MonitorRecord {
        std::int32_t left = 0, top = 0, right = 0, bottom = 0;
        bool primary = false;
    };
    std::vector<MonitorRecord> monitoresencontrados;

    // Settings.
    std::string colorreloj;  // colour value as text, red in the low byte

    // Shoot-out counts of the operator board.
    std::int16_t golespenallocal = 0, golespenalvisita = 0;

    // A variable by name, written as a check would read it: texts as
    // stored, numbers in shortest decimal, booleans true/false.
    // "tablaseries(N)" reads one entry. nullopt for an unknown name.
    std::optional<std::string> variableText(const std::string& name) const;

    // Sets a variable (tablaseries apart) from the text variableText gives;
    // false for a name that is no variable.
    bool setVariableText(const std::string& name, const std::string& value);
    // The names variableText reads (tablaseries apart), in declaration order.
    static const std::vector<std::string>& variableNames();
};

}  // namespace tabrino
