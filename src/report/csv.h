#pragma once
// The match report as CSV: one row per event, UTF-8, comma-separated,
// fields quoted when they hold a comma, a quote or a line break (RFC 4180),
// lines ending in LF. The columns are listed in the README.
#include <string>

#include "report/story.h"

namespace tabrino::report {

std::string csvHeader();
std::string toCsv(const Match& m);

}  // namespace tabrino::report
