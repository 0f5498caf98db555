// What the match report costs on a whole match: an Adulta match (2 x 25
// minutes, every second of it ticked into the record) with goals, fouls, a
// free hit, cards and time-outs. The baseline is what every start-up already
// does with the same record: read it and replay it to the last state. Then
// the report's own work: the story, the CSV, and the PDF page.
//
//   tabrino-report-bench [REPEATS]
//
// It leaves out the file system (the record is in memory) and the report
// window's widgets.
#include <QBuffer>
#include <QGuiApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "qt/report_pdf.h"
#include "record/journal.h"
#include "report/csv.h"
#include "report/story.h"
#include "script/scenario.h"

namespace {

std::vector<std::string> wholeMatch() {
    std::vector<std::string> s = {"start", "pick Form1.tramos \"Adulta\"", "click Form1.a"};
    for (int half = 0; half < 2; ++half) {
        for (int minute = 0; minute < 24; ++minute) {
            s.push_back("wait 60");
            if (minute % 6 == 2) s.push_back(minute % 12 == 2 ? "click Form1.gollocal" : "click Form1.golvisita");
            if (minute % 2 == 1) s.push_back(minute % 4 == 1 ? "click Form1.faltalocal" : "click Form1.faltavisita");
            if (minute == 10) {
                s.insert(s.end(), {"click Form1.a", "click Form1.Image5", "dblclick Form1.tiempovisita",
                                   "click minuto.finmiuto", "click Form1.a"});
            }
        }
        s.push_back("wait 60");
        if (half == 0) s.insert(s.end(), {"click Form1.a", "wait 299", "answer yes", "wait 1", "click Form1.a"});
    }
    return s;
}

template <class F>
double microseconds(int repeats, F f) {
    const auto t0 = std::chrono::steady_clock::now();
    for (int i = 0; i < repeats; ++i) f();
    const auto t1 = std::chrono::steady_clock::now();
    return std::chrono::duration<double, std::micro>(t1 - t0).count() / repeats;
}

}  // namespace

int main(int argc, char** argv) {
    const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    tabrino::script::Scenario match;
    const tabrino::script::Outcome o = match.run(wholeMatch());
    if (!o.passed) {
        std::fprintf(stderr, "the match did not play: line %d: %s\n", o.line, o.message.c_str());
        return 1;
    }
    const std::string bytes = match.storage().bytes;
    const tabrino::record::Journal j = tabrino::record::read(bytes);
    const std::vector<tabrino::report::Match> story = tabrino::report::readStory(j.entries);
    const tabrino::report::Match& m = story.back();
    std::printf("record: %zu bytes, %zu entries; story: %zu events, %s\n", bytes.size(), j.entries.size(),
                m.events.size(), tabrino::report::resultLine(m).c_str());

    std::size_t sink = 0;
    const double replay =
        microseconds(repeats, [&] { sink += tabrino::record::replay(tabrino::record::read(bytes).entries).size(); });
    const double storyCsv = microseconds(repeats, [&] {
        const auto all = tabrino::report::readStory(tabrino::record::read(bytes).entries);
        sink += tabrino::report::toCsv(all.back()).size();
    });
    const double pdf = microseconds(repeats, [&] {
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        sink += static_cast<std::size_t>(tabrino::qt::writeReportPdf(m, out)) + static_cast<std::size_t>(out.size());
    });
    std::printf("read + replay to the last state (baseline): %8.0f us\n", replay);
    std::printf("read + story + CSV:                          %8.0f us\n", storyCsv);
    std::printf("PDF of the story:                            %8.0f us\n", pdf);
    return sink == 0;
}
