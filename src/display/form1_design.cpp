// The operator window as designed: every element, its box in twips on the
// 19200 x 10800 canvas, font, colour, initial text and state.
#include "app/window_catalog.h"
#include "form/design_rows.h"

namespace tabrino {

namespace {
using namespace rows;
constexpr const char* kDigital = "DS-Digital";
constexpr const char* kImpact = "Impact";
constexpr const char* kSans = "MS Sans Serif";
constexpr Align C = Align::Center;
constexpr Align L = Align::Left;

ElementDesign button(std::string name, Box b, float size, Weight weight, std::string text, std::string tooltip = {}) {
    return control(Kind::Button, std::move(name), b, kSans, size, weight, std::move(text), std::move(tooltip));
}

WindowDesign build() {
    WindowDesign w;
    w.name = "Form1";
    w.title = "Tabrino de Hockey";
    const Rgb white = colors::white, pink = colors::pink, green = colors::green, yellow = colors::yellow,
              cyan = colors::cyan;
    w.elements = {
        // Game clock and its adjustment buttons.
        label("a", {3360, -960, 5655, 5055}, kDigital, 309.75f, bold, white, "00", C),
        label("Label6", {8040, -600, 2775, 4455}, kDigital, 230.25f, bold, white, ":", C),
        label("b", {9840, -960, 5655, 5055}, kDigital, 309.75f, bold, white, "00", C),
        button("Command1", {2520, 1200, 495, 480}, 19.5f, bold, "+", "Agregar Minutos"),
        button("Command2", {2520, 2040, 495, 495}, 19.5f, bold, "-", "Quitar Minutos"),
        button("Command3", {15960, 1200, 495, 480}, 19.5f, bold, "+", "Agregar Segundos"),
        button("Command4", {15960, 2040, 495, 495}, 19.5f, bold, "-", "Quitar Segundos"),
        // Period and series.
        label("Label3(2)", {8640, 4560, 1935, 615}, kImpact, 27.75f, regular, green, "PERIODO", L),
        label("periodo", {8760, 4920, 1335, 2055}, kImpact, 99.75f, regular, green, "1", C,
              {.tooltip = "Doble Click "}),
        [] {
            ElementDesign d =
                control(Kind::ComboBox, "tramos", {7920, 4200, 3015, 420}, kSans, 12, regular, "Mini Hockey");
            d.list = {"Mini Hockey",
                      "Sub 9",
                      "Sub 11",
                      "Sub 13",
                      "Sub 15",
                      "Sub 17",
                      "Sub 19",
                      "Sub 20",
                      "Sub 23",
                      "Adulta",
                      "Adulta Honor",
                      "Entretiempo",
                      "Descanso para alargue",
                      "Cambio de lado",
                      "Alargue"};
            return d;
        }(),
        // Teams and goals.
        label("equipolocal", {120, 4440, 6435, 1365}, kImpact, 65.25f, regular, yellow, "L O C A L", C,
              {.tooltip = "Doble Click para actualizar Nombre"}),
        label("equipovisita", {12720, 4440, 6195, 1245}, kImpact, 60, regular, yellow, "V I S I T A", C,
              {.tooltip = "Doble Click para actualizar Nombre"}),
        label("gollocal", {1200, 5160, 5175, 5415}, kImpact, 260.25f, regular, white, "0", C),
        label("golvisita", {12840, 5160, 5295, 5415}, kImpact, 260.25f, regular, white, "0", C),
        button("Command5", {360, 6480, 375, 480}, 19.5f, bold, "+", "Agregar Gol"),
        button("Command6", {360, 7440, 375, 525}, 19.5f, bold, "-", "Quitar Gol"),
        button("Command7", {18360, 6480, 375, 540}, 19.5f, bold, "+", "Agregar Gol"),
        button("Command8", {18360, 7440, 375, 540}, 19.5f, bold, "-", "Quitar Gol"),
        // Team fouls and the free-hit indicator.
        label("titulofalta", {6960, 6840, 1215, 735}, kImpact, 20.25f, regular, cyan, "FALTAS", L,
              {.tooltip = "Doble Click para restar"}),
        label("faltalocal", {6600, 6960, 1815, 3735}, kImpact, 180, regular, cyan, "0", C,
              {.tooltip = "Click para Agregar Falta"}),
        label("titulofalta2", {11280, 6840, 1215, 495}, kImpact, 20.25f, regular, cyan, "FALTAS", L,
              {.tooltip = "Doble Click para restar"}),
        label("faltavisita", {10920, 6960, 1695, 3735}, kImpact, 180, regular, cyan, "0", C,
              {.tooltip = "Click para Agregar Falta"}),
        label("Label2", {240, 3240, 2175, 495}, kImpact, 18, regular, white, "Libre x Faltas", L, {.visible = false}),
        label("librelocal", {2400, 2520, 855, 1455}, kImpact, 65.25f, regular, cyan, "0", L, {.visible = false}),
        label("Label5", {16800, 3240, 2175, 495}, kImpact, 18, regular, white, "Libre x Faltas", L, {.visible = false}),
        label("librevisita", {15840, 2520, 855, 1335}, kImpact, 65.25f, regular, cyan, "0", L, {.visible = false}),
        // Cards.
        picture("Image6", {6600, 6960, 255, 375}, "red_card", {.enabled = false}),
        label("numrojaslocal", {6600, 6480, 255, 495}, kImpact, 21.75f, regular, white, "0", C,
              {.visible = false, .tooltip = "Doble click en el numero para rebajar"}),
        picture("Image5", {8160, 6960, 255, 375}, "blue_card", {.enabled = false}),
        label("numazuleslocal", {8160, 6480, 255, 495}, kImpact, 21.75f, regular, white, "0", C,
              {.visible = false, .tooltip = "Doble click en el numero para rebajar"}),
        picture("Image4", {10920, 6960, 255, 375}, "blue_card", {.enabled = false}),
        label("numazulesvisita", {10920, 6480, 255, 495}, kImpact, 21.75f, regular, white, "0", C,
              {.visible = false, .tooltip = "Doble click en el numero para rebajar"}),
        picture("Image7", {12480, 6960, 255, 375}, "red_card", {.enabled = false}),
        label("numrojasvisita", {12480, 6480, 255, 495}, kImpact, 21.75f, regular, white, "0", C,
              {.visible = false, .tooltip = "Doble click en el numero para rebajar"}),
        // Suspended players.
        picture("amonlocal", {360, 120, 1695, 2295}, "home_player",
                {.visible = false, .tooltip = "Doble Click para finalizar ya!"}),
        label("c", {480, 2520, 615, 495}, kDigital, 30, bold, pink, "00", C, {.visible = false}),
        label("Label1", {1080, 2520, 135, 855}, kDigital, 30, bold, pink, ":", L, {.visible = false}),
        label("d", {1200, 2520, 615, 495}, kDigital, 30, bold, pink, "00", C, {.visible = false}),
        picture("amonvisita", {16920, 120, 1695, 2295}, "away_player", {.visible = false}),
        label("e", {17160, 2520, 615, 495}, kDigital, 30, bold, pink, "00", C, {.visible = false}),
        label("Label8", {17760, 2520, 255, 615}, kDigital, 30, bold, pink, ":", L, {.visible = false}),
        label("f", {17880, 2520, 615, 495}, kDigital, 30, bold, pink, "00", C, {.visible = false}),
        picture("amonlocal2", {120, 8160, 855, 1095}, "home_player",
                {.visible = false, .tooltip = "Doble Click para finalizar ya!"}),
        label("c2", {0, 9360, 615, 495}, kDigital, 21.75f, bold, pink, "00", C, {.visible = false}),
        label("Label1b", {600, 9360, 135, 855}, kDigital, 21.75f, bold, pink, ":", L, {.visible = false}),
        label("d2", {720, 9360, 495, 495}, kDigital, 21.75f, bold, pink, "00", C, {.visible = false}),
        picture("amonvisita2", {18120, 8160, 855, 1095}, "away_player", {.visible = false}),
        label("e2", {18000, 9240, 615, 495}, kDigital, 21.75f, bold, pink, "00", C, {.visible = false}),
        label("Label8b", {18539, 9240, 135, 615}, kDigital, 21.75f, bold, pink, ":", L, {.visible = false}),
        label("f2", {18652, 9240, 495, 495}, kDigital, 21.75f, bold, pink, "00", C, {.visible = false}),
        // Time-outs.
        label("Label3a", {6720, 4560, 1335, 495}, kImpact, 20.25f, regular, yellow, "MINUTO", L,
              {.tooltip = "Doble Click para restituir minuto pedido"}),
        label("tiempolocal", {6840, 4800, 1095, 1455}, kImpact, 69.75f, regular, yellow, "0", C,
              {.tooltip = "Doble Click para iniciar Minuto o para reservarlo"}),
        picture("Image8", {8040, 4560, 495, 495}, "alarm_clock",
                {.visible = false, .tooltip = "Doble Click para cancelar solicitud de minuto"}),
        label("Label3b", {11280, 4560, 1335, 495}, kImpact, 20.25f, regular, yellow, "MINUTO", L,
              {.tooltip = "Doble Click para restituir minuto pedido"}),
        label("tiempovisita", {11520, 4800, 855, 1575}, kImpact, 69.75f, regular, yellow, "0", C,
              {.tooltip = "Doble Click Para iniciar Minuto o para reservarlo"}),
        picture("Image9", {10800, 4560, 495, 495}, "alarm_clock",
                {.visible = false, .tooltip = "Doble Click para cancelar solicitud de minuto"}),
        // Possession count and the shoot-out caption.
        label("posesion", {8520, 7560, 2055, 1695}, kImpact, 80.25f, bold, yellow, "45", C, {.visible = false}),
        label("Label9", {8760, 9240, 1695, 375}, kSans, 13.5f, bold, yellow, "POSESION", L, {.visible = false}),
        button("Command9", {480, 6720, 240, 240}, 8.25f, regular, "poses&xion"),
        label("leyendapenal", {8760, 6960, 2055, 735}, kImpact, 24.75f, regular, green, "PENALES", L,
              {.visible = false}),
        // Command icons.
        picture("config", {120, 120, 480, 480}, "gear", {.tooltip = "Configuraciones"}),
        picture("Image2", {18480, 120, 480, 360}, "cross", {.tooltip = "Resetear Tiempo"}),
        picture("Image1", {9000, 9600, 1275, 855}, "horn", {.tooltip = "Bocina"}),
        picture("Image3", {18240, 9720, 855, 855}, "reset", {.visible = false, .tooltip = "Restablecer Valores"}),
        picture("apagar", {240, 9840, 735, 735}, "power", {.tooltip = "Salir del Programa"}),
        label("Label4", {9120, 10440, 735, 255}, kSans, 8.25f, regular, white, "Tabrino", L),
        // The match report, in the gap between the home fouls and the horn; shown
        // only while the clock is stopped (report/icon.cpp).
        picture("informe", {8430, 9720, 540, 540}, "report", {.tooltip = "Informe del partido"}),
    };
    w.frontToBack = {"Image9",
                     "Image8",
                     "Image1",
                     "Label8",
                     "e",
                     "f",
                     "leyendapenal",
                     "Image2",
                     "config",
                     "apagar",
                     "Label4",
                     "Image6",
                     "Image7",
                     "d",
                     "c",
                     "Label1",
                     "Image5",
                     "Image4",
                     "amonvisita",
                     "amonlocal",
                     "a",
                     "librevisita",
                     "Label5",
                     "Label3b",
                     "titulofalta2",
                     "periodo",
                     "Label3(2)",
                     "Label3a",
                     "titulofalta",
                     "equipolocal",
                     "b",
                     "Label2",
                     "equipovisita",
                     "Image3",
                     "Label6",
                     "gollocal",
                     "golvisita",
                     "amonlocal2",
                     "Label1b",
                     "c2",
                     "d2",
                     "Label8b",
                     "e2",
                     "f2",
                     "numrojaslocal",
                     "numazuleslocal",
                     "numazulesvisita",
                     "numrojasvisita",
                     "faltavisita",
                     "faltalocal",
                     "librelocal",
                     "tiempovisita",
                     "tiempolocal",
                     "Label9",
                     "posesion",
                     "amonvisita2"};
    w.controlsFrontToBack = {"Command8", "Command7", "Command5", "Command6", "Command4",
                             "Command3", "Command2", "Command1", "Command9", "tramos"};
    return w;
}
}  // namespace

const WindowDesign& form1Design() {
    static const WindowDesign d = build();
    return d;
}

}  // namespace tabrino
