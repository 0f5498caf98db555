// Clock accuracy in real time. Four one-second clocks run side by side in
// one real event loop: the game clock (Timer1, woken by the shell's timer
// driver from its anchored schedule), a repeating QTimer of the precise
// kind, a repeating QTimer of the default coarse kind, and a single-shot
// QTimer re-armed for another second at each timeout. A handler blocks the
// loop, each block starting 10 ms before a game-clock tick falls due (the
// worst moment for the game clock), in two scenarios: 50 ms every 3 s (a
// slow repaint now and then) and 1.5 s every 10 s (a stalled machine). The
// last two seconds run unblocked. For each clock: the ticks it counted of
// those due, its worst and earliest tick against its schedule (start + n s),
// and its final error: how far the moment it last changed lies from the
// moment a clock showing that count should have (positive: behind).
//
//   tabrino-clock-bench [--seconds N]   (default 60 per scenario)
#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "app/procedures.h"
#include "app/text.h"
#include "match_moves.h"
#include "platform/fake/fakes.h"
#include "qt/qt_process.h"
#include "qt/shell.h"

using namespace tabrino;

namespace {

constexpr int kBlockLeadMs = 10;

struct Scenario {
    const char* name;
    int blockMs;
    int everyMs;
};

// When each tick of one timer ran, against the schedule from its start.
struct TickLog {
    std::int64_t startMs = 0;
    std::vector<std::int64_t> ranAt;

    std::int64_t lateness(std::size_t i) const {
        return ranAt[i] - (startMs + static_cast<std::int64_t>(i + 1) * 1000);
    }
    std::int64_t worstLateness() const {
        std::int64_t worst = 0;
        for (std::size_t i = 0; i < ranAt.size(); ++i) worst = std::max(worst, lateness(i));
        return worst;
    }
    std::int64_t earliest() const {
        std::int64_t early = 0;
        for (std::size_t i = 0; i < ranAt.size(); ++i) early = std::min(early, lateness(i));
        return early;
    }
};

// The error of a clock that shows `played` seconds: how far the moment it
// last changed lies from the moment it should have (positive: behind).
std::int64_t finalError(const TickLog& log, std::int64_t played) {
    if (log.ranAt.empty()) return 0;
    return log.ranAt.back() - (log.startMs + played * 1000);
}

void report(const char* name, const TickLog& log, std::int64_t kept, int seconds) {
    std::printf("  %-36s %4lld of %d ticks kept  worst %5lld ms  earliest %5lld ms  final error %+6lld ms\n", name,
                static_cast<long long>(kept), seconds, static_cast<long long>(log.worstLateness()),
                static_cast<long long>(log.earliest()), static_cast<long long>(finalError(log, kept)));
}

int secondsOption(int argc, char** argv) {
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--seconds") == 0) return std::max(3, std::atoi(argv[i + 1]));
    return 60;
}

}  // namespace

// A QTimer of one kind, logging each timeout; `rearmed`: single-shot,
// started again for a second at each timeout.
struct QtClockUnderTest {
    TickLog log;
    QTimer timer;

    QtClockUnderTest(qt::QtClock& clock, Qt::TimerType type, bool rearmed) {
        timer.setTimerType(type);
        timer.setSingleShot(rearmed);
        QObject::connect(&timer, &QTimer::timeout, [this, &clock, rearmed] {
            log.ranAt.push_back(clock.nowMs());
            if (rearmed) timer.start(1000);
        });
    }
    void start(std::int64_t now) {
        log.startMs = now;
        timer.start(1000);
    }
};

bool runScenario(const Scenario& sc, int seconds) {
    FakeServices fake;
    qt::QtClock clock;
    Program p{Services{fake.dialogs, fake.sounds, fake.monitors, fake.process, clock}};
    qt::Shell shell(p, QCoreApplication::applicationDirPath());
    p.start();
    QApplication::processEvents();

    TickLog game;
    p.onTimer("Timer1", [&] {
        game.ranAt.push_back(clock.nowMs());
        Timer1_Timer(p);
    });
    const int minutes = seconds / 60 + 2;
    const std::string minutesText = numberText(minutes);
    QtClockUnderTest precise(clock, Qt::PreciseTimer, false), coarse(clock, Qt::CoarseTimer, false),
        rearmed(clock, Qt::CoarseTimer, true);
    bench::startClock(p, minutesText.c_str());
    if (!p.timer1.enabled()) {
        std::fprintf(stderr, "the game clock did not start\n");
        return false;
    }
    game.startMs = *p.timer1.nextDueMs() - 1000;
    for (QtClockUnderTest* c : {&precise, &coarse, &rearmed}) c->start(clock.nowMs());

    QTimer blocker;
    blocker.setTimerType(Qt::PreciseTimer);
    // The last two seconds run unblocked, so the final error is what each
    // clock has gathered over the run, not the delay of one block.
    const std::int64_t lastBlockBefore = game.startMs + (seconds - 2) * 1000;
    const auto block = [&] {
        if (clock.nowMs() + sc.blockMs >= lastBlockBefore) return blocker.stop();
        std::this_thread::sleep_for(std::chrono::milliseconds(sc.blockMs));
    };
    QObject::connect(&blocker, &QTimer::timeout, block);
    QTimer::singleShot(std::max<std::int64_t>(0, game.startMs + sc.everyMs - kBlockLeadMs - clock.nowMs()),
                       Qt::PreciseTimer, [&] {
                           blocker.start(sc.everyMs);
                           block();
                       });

    // End half-way through a second, so every clock has had its last tick.
    QEventLoop loop;
    QTimer::singleShot(std::max<std::int64_t>(0, game.startMs + seconds * 1000 + 500 - clock.nowMs()), Qt::PreciseTimer,
                       &loop, &QEventLoop::quit);
    loop.exec();
    p.timer1.setEnabled(false);
    for (QtClockUnderTest* c : {&precise, &coarse, &rearmed}) c->timer.stop();

    Window& f = p.form1();
    const std::int64_t shown =
        static_cast<std::int64_t>(numericValue(f["a"].text()) * 60 + numericValue(f["b"].text()));
    std::printf(
        "%s: %d s of real time, the loop blocked %d ms every %d s (from %d ms before a game tick), "
        "the last 2 s unblocked\n",
        sc.name, seconds, sc.blockMs, sc.everyMs / 1000, kBlockLeadMs);
    report("game clock (Timer1, timer driver)", game, minutes * 60 - shown, seconds);
    report("repeating QTimer, Qt::PreciseTimer", precise.log, std::ssize(precise.log.ranAt), seconds);
    report("repeating QTimer, Qt::CoarseTimer", coarse.log, std::ssize(coarse.log.ranAt), seconds);
    report("QTimer re-armed at each timeout", rearmed.log, std::ssize(rearmed.log.ranAt), seconds);
    return true;
}

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + TABRINO_GUI_SCREENS);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const int seconds = secondsOption(argc, argv);
    for (const Scenario& sc : {Scenario{"short blocks", 50, 3000}, Scenario{"long blocks", 1500, 10000}})
        if (!runScenario(sc, seconds)) return 1;
    return 0;
}
