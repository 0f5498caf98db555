#pragma once
#include <array>
#include <cstddef>
#include <string>

namespace tabrino {

// Names of the series and phases, slots 0..15; their durations follow in
// slots 16..31.
struct SeriesRow {
    const char* name;
    const char* duration;
};
extern const std::array<SeriesRow, 16> kSeriesTable;

// Slots of the phases the match itself moves through, and of the time-out
// warning second; slots 0..9 are the series an operator picks.
namespace series {
inline constexpr std::size_t kAdulta = 9;
inline constexpr std::size_t kEntretiempo = 10;
inline constexpr std::size_t kDescansoAlargue = 11;
inline constexpr std::size_t kCambioDeLado = 12;
inline constexpr std::size_t kAlargue = 13;
inline constexpr std::size_t kAviso = 14;
inline constexpr std::size_t kAdultaHonor = 15;
// A name's duration lies this many slots further on.
inline constexpr std::size_t kDurationOffset = 16;
constexpr std::size_t duration(std::size_t nameSlot) { return nameSlot + kDurationOffset; }
}  // namespace series

// The series-table slot whose duration a name of the series field loads,
// or -1 when the text names none (matching is exact).
int durationSlotFor(const std::string& seriesName);

}  // namespace tabrino
