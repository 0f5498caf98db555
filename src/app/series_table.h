#pragma once
#include <array>
#include <string>

namespace tabrino {

// Names of the series and phases, slots 0..15; their durations follow in
// slots 16..31.
struct SeriesRow {
    const char* name;
    const char* duration;
};
extern const std::array<SeriesRow, 16> kSeriesTable;

// The series-table slot whose duration a name of the series field loads,
// or -1 when the text names none (matching is exact).
int durationSlotFor(const std::string& seriesName);

}  // namespace tabrino
