// What the match record costs a game-clock tick, with the mirror on and
// four suspensions running (the busiest second of a match), on this
// machine's disk.
//
//   tabrino-record-bench [TICKS] [FOLDER]   (default 2000 ticks, a folder under the current one)
//
// Three ways of running the same ticks:
//   no record        the tick alone: the floor any record adds to
//   record           the tick as the program runs it: the entry is built
//                    on the user-interface thread and written, flushed to
//                    the disk, by the record's own thread
//   record, waiting  the tick and then its entry on the disk (fdatasync):
//                    what a tick would cost if it wrote the entry itself
// It does not measure painting (see tabrino-shell-bench) nor a disk busy
// with other programs' writes, which only lengthens the third figure.
#include <unistd.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "match_moves.h"
#include "record/file_storage.h"
#include "record/recorder.h"

using namespace tabrino;
using Clock = std::chrono::steady_clock;

namespace {

struct Figures {
    double median, p99, worst;
};

Figures figures(std::vector<double> us) {
    std::sort(us.begin(), us.end());
    auto at = [&](double q) { return us[std::min(us.size() - 1, static_cast<std::size_t>(q * us.size()))]; };
    return {at(0.5), at(0.99), us.back()};
}

enum class Mode { NoRecord, Record, RecordWaiting };

Figures run(Mode mode, int ticks, const std::string& folder, std::size_t* entryBytes) {
    std::filesystem::remove_all(folder);
    FakeServices fake;
    fake.monitors.monitors.push_back({{1280, 0, 2560, 720}, false});
    auto p = std::make_unique<Program>(fake.services());
    p->setStrict(true);
    p->start();
    record::FileStorage storage(folder);
    std::unique_ptr<record::Recorder> recorder;
    if (mode != Mode::NoRecord) {
        recorder = std::make_unique<record::Recorder>(*p, storage);
        recorder->begin();
    }
    bench::startClock(*p, "20");
    fake.clock.now += 5000;
    p->runDueTimers();
    bench::mirrorOn(*p);
    bench::fourSuspensions(*p, &fake.dialogs);
    if (p->castigadoslocal != 2 || p->castigadosvisita != 2 || p->clonactivo != "SI") {
        std::fprintf(stderr, "the board did not reach its measured state\n");
        std::exit(1);
    }
    storage.flush();
    std::vector<double> us;
    std::string before;
    if (entryBytes) storage.read(before);
    for (int i = 0; i < ticks; ++i) {
        if (i % 60 == 59) {
            // Keep the board in the measured state: no clock reaches zero.
            p->form1()["a"].setText("20");
            bench::holdSuspensions(*p, "05");
            if (mode == Mode::Record) storage.flush();
        }
        fake.clock.now += 1000;
        auto t0 = Clock::now();
        p->runDueTimers();
        if (mode == Mode::RecordWaiting) storage.flush();
        us.push_back(std::chrono::duration<double, std::micro>(Clock::now() - t0).count());
    }
    if (entryBytes) {
        storage.flush();
        std::string after;
        storage.read(after);
        *entryBytes = (after.size() - before.size()) / static_cast<std::size_t>(ticks);
    }
    recorder.reset();
    p.reset();
    return figures(us);
}

}  // namespace

int main(int argc, char** argv) {
    const int ticks = argc > 1 ? std::max(100, std::atoi(argv[1])) : 2000;
    const std::string folder =
        argc > 2 ? argv[2]
                 : (std::filesystem::current_path() / ("record-bench-" + std::to_string(::getpid()))).string();
    std::size_t bytes = 0;
    const Figures none = run(Mode::NoRecord, ticks, folder, nullptr);
    const Figures rec = run(Mode::Record, ticks, folder, &bytes);
    const Figures wait = run(Mode::RecordWaiting, ticks, folder, nullptr);
    std::filesystem::remove_all(folder);
    std::printf("%d ticks, mirror on, four suspensions; record in %s\n", ticks, folder.c_str());
    std::printf("%-18s %10s %10s %10s\n", "", "median", "p99", "worst");
    auto line = [](const char* name, const Figures& f) {
        std::printf("%-18s %8.1f us %8.1f us %8.1f us\n", name, f.median, f.p99, f.worst);
    };
    line("no record", none);
    line("record", rec);
    line("record, waiting", wait);
    std::printf("one tick's entry: %zu bytes\n", bytes);
    return 0;
}
