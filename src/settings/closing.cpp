// Closing the settings window, by its button or by its own close control.
#include "app/procedures.h"
#include "app/series_table.h"
#include "settings/settings.h"

namespace tabrino {

namespace {

void remindOfTheKeys(Program& p) {
    p.ask(
        "Recuerde que si no tiene la botonera\r\n"
        "Puede usar la combinacion ALT + X\r\n"
        "para llevar el contador de posesion",
        "Recordatorio", Buttons::Ok, Icon::Information);
}

// The operator picks the series again, so the new minutes are loaded.
void rebuildSeriesList(Program& p) {
    Element& tramos = p.form1()["tramos"];
    tramos.clearList();
    tramos.addItem("Serie que jugara?");
    // The series, then the match phases; the time-out warning is no entry.
    using namespace series;
    const std::size_t order[] = {
        0, 1, 2, 3, 4, 5, 6, 7, 8, kAdulta, kAdultaHonor, kEntretiempo, kDescansoAlargue, kCambioDeLado, kAlargue};
    for (std::size_t i : order) tramos.addItem(p.tablaseries[i]);
    tramos.setText("Serie que jugara?");
}

}  // namespace

void closeSettings(Program& p, Window& w) {
    if (!storeDurations(p, w)) return;
    if (p.estadoinicio != flag::iniciado && w["Option12"].checked()) remindOfTheKeys(p);
    rebuildSeriesList(p);
}

}  // namespace tabrino
