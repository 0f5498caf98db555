#pragma once
// The match report on A4 paper: names, result, periods and breaks with their
// times, goals by side with their minute, cards and suspensions, time-outs,
// free hits, the shoot-out and the operator's corrections. One page when it
// fits; more pages, each with its heading, when it does not.
#include <QString>

#include "report/story.h"

class QIODevice;

namespace tabrino::qt {

// When a period or break was played: "18:00–18:27", "desde 18:30" while
// it goes on, "—" before it has begun.
QString phaseHours(const report::Phase& ph);
// The game clock over a period: "25:00 → 00:00", "25:00 → …" while it goes
// on, empty before its clock first ran.
QString phaseClock(const report::Phase& ph);

// Writes the PDF to `device` (open for writing). Returns the number of
// pages, 0 when painting could not start.
int writeReportPdf(const report::Match& m, QIODevice& device);

// Writes the PDF to a file, whole or not at all; false with the reason in
// Spanish when it could not.
bool saveReportPdf(const report::Match& m, const QString& path, QString* why);
// The CSV, the same way.
bool saveReportCsv(const report::Match& m, const QString& path, QString* why);

}  // namespace tabrino::qt
