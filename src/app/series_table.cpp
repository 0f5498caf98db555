#include "app/series_table.h"

namespace tabrino {

const std::array<SeriesRow, 16> kSeriesTable = {{
    {"Mini Hockey", "12"},
    {"Sub 9", "15"},
    {"Sub 11", "15"},
    {"Sub 13", "15"},
    {"Sub 15", "15"},
    {"Sub 17", "18"},
    {"Sub 19", "20"},
    {"Sub 20", "20"},
    {"Sub 23", "20"},
    {"Adulta", "25"},
    {"Entretiempo", "05"},
    {"Descanso para alargue", "03"},
    {"Cambio de lado", "02"},
    {"Alargue", "05"},
    {"Aviso", "15"},
    {"Adulta Honor", "25"},
}};

int durationSlotFor(const std::string& n) {
    // "Aviso" is the time-out warning second, not a series to load.
    for (std::size_t i = 0; i < kSeriesTable.size(); ++i)
        if (i != series::kAviso && n == kSeriesTable[i].name) return static_cast<int>(series::duration(i));
    return -1;
}

}  // namespace tabrino
