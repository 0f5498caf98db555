// Clock accuracy in real time. The game clock (Timer1, woken by the shell's
// timer driver) and a plain QTimer re-armed at each timeout run side by side
// in one real event loop, which a handler blocks for 50 ms every 3 s. Each
// block starts 10 ms before a game-clock tick falls due, the worst moment
// for the game clock; the last two seconds run unblocked. Prints, for
// both, the worst lateness of a tick against its schedule (start + n s) and
// the clock's error at the end.
//
//   tabrino-clock-bench [--seconds N]   (default 120)
#include <QApplication>
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

constexpr int kBlockMs = 50;
constexpr int kBlockEveryMs = 3000;
constexpr int kBlockLeadMs = 10;

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

void report(const char* name, const TickLog& log, std::int64_t played, int seconds) {
    std::printf("%-34s %4zu ticks (%d due)  worst lateness %4lld ms  earliest %4lld ms  "
                "shows %lld s played  final error %+5lld ms\n",
                name, log.ranAt.size(), seconds, static_cast<long long>(log.worstLateness()),
                static_cast<long long>(log.earliest()), static_cast<long long>(played),
                static_cast<long long>(finalError(log, played)));
}

int secondsOption(int argc, char** argv) {
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--seconds") == 0) return std::max(3, std::atoi(argv[i + 1]));
    return 120;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + TABRINO_GUI_SCREENS);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const int seconds = secondsOption(argc, argv);

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
    bench::startClock(p, minutesText.c_str());
    if (!p.timer1.enabled()) {
        std::fprintf(stderr, "the game clock did not start\n");
        return 1;
    }
    game.startMs = *p.timer1.nextDueMs() - 1000;

    TickLog plain;
    QTimer plainTimer;
    plainTimer.setSingleShot(true);
    QObject::connect(&plainTimer, &QTimer::timeout, [&] {
        plain.ranAt.push_back(clock.nowMs());
        plainTimer.start(1000);
    });
    plain.startMs = clock.nowMs();
    plainTimer.start(1000);

    QTimer blocker;
    blocker.setTimerType(Qt::PreciseTimer);
    // The last two seconds run unblocked, so the final error is what the
    // clock has gathered over the run, not the delay of one block.
    const std::int64_t lastBlockBefore = game.startMs + (seconds - 2) * 1000;
    QObject::connect(&blocker, &QTimer::timeout, [&] {
        if (clock.nowMs() >= lastBlockBefore) return blocker.stop();
        std::this_thread::sleep_for(std::chrono::milliseconds(kBlockMs));
    });
    QTimer::singleShot(std::max<std::int64_t>(0, game.startMs + kBlockEveryMs - kBlockLeadMs - clock.nowMs()),
                       Qt::PreciseTimer, [&] {
                           blocker.start(kBlockEveryMs);
                           std::this_thread::sleep_for(std::chrono::milliseconds(kBlockMs));
                       });

    // End half-way through a second, so every clock has had its last tick.
    QTimer::singleShot(std::max<std::int64_t>(0, game.startMs + seconds * 1000 + 500 - clock.nowMs()),
                       Qt::PreciseTimer, [&] { QApplication::quit(); });
    QApplication::exec();
    p.timer1.setEnabled(false);

    Window& f = p.form1();
    const std::int64_t shown =
        static_cast<std::int64_t>(numericValue(f["a"].text()) * 60 + numericValue(f["b"].text()));
    const std::int64_t gamePlayed = minutes * 60 - shown;
    std::printf("%d s of real time, the loop blocked %d ms every %d s (from %d ms before a game tick), "
                "the last 2 s unblocked\n",
                seconds, kBlockMs, kBlockEveryMs / 1000, kBlockLeadMs);
    report("game clock (Timer1, timer driver):", game, gamePlayed, seconds);
    report("plain QTimer re-armed at timeout:", plain, static_cast<std::int64_t>(plain.ranAt.size()), seconds);
    std::printf("game clock shows %s:%s (started at %d:00)\n", f["a"].text().c_str(), f["b"].text().c_str(),
                minutes);
    return 0;
}
