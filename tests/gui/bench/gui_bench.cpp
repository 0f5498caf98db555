// Figures of the Qt shell: elements repainted per clock tick, the time of a
// full and of a per-tick repaint of the operator window, and how late the
// real event loop delivers the one-second ticks.
//
//   gui_bench [SECONDS]   (default 10 seconds of real ticks)
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <numeric>
#include <vector>

#include "app/procedures.h"
#include "platform/fake/fakes.h"
#include "qt/qt_process.h"
#include "qt/shell.h"
#include "qt/window_view.h"

using namespace tabrino;

namespace {

void settle() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

void startClock(Program& p, const char* minutes) {
    Window& f = p.form1();
    f["a"].setText(minutes);
    p.clickAt(f, 6000, 1000);
}

void repaintFigures() {
    FakeServices fake;
    Program p{fake.services()};
    qt::Shell shell(p, QCoreApplication::applicationDirPath());
    p.start();
    settle();
    qt::WindowView& view = *shell.view("Form1");

    constexpr int kFull = 50;
    QElapsedTimer t;
    t.start();
    long painted = 0;
    for (int i = 0; i < kFull; ++i) {
        const long before = view.repaints();
        view.repaint();
        painted += view.repaints() - before;
    }
    const double fullMs = t.nsecsElapsed() / 1e6 / kFull;

    startClock(p, "20");
    settle();
    constexpr int kTicks = 120;
    long perTick = 0;
    t.restart();
    for (int i = 0; i < kTicks; ++i) {
        const long before = view.repaints();
        fake.clock.now += 1000;
        p.runDueTimers();
        view.repaint(view.rect());  // what the tick dirtied, painted now
        settle();
        perTick += view.repaints() - before;
    }
    (void)perTick;
    // Measure the tick's own repaint (only its dirty rectangles) separately.
    long tickPainted = 0;
    QElapsedTimer tickTime;
    qint64 tickNs = 0;
    for (int i = 0; i < kTicks; ++i) {
        fake.clock.now += 1000;
        p.runDueTimers();
        const long before = view.repaints();
        tickTime.restart();
        settle();
        tickNs += tickTime.nsecsElapsed();
        tickPainted += view.repaints() - before;
    }
    std::printf("full repaint of Form1:     %ld elements, %.2f ms\n", painted / kFull, fullMs);
    std::printf("repaint after a clock tick: %.1f elements, %.2f ms (mean of %d ticks)\n",
                double(tickPainted) / kTicks, tickNs / 1e6 / kTicks, kTicks);
}

void latenessFigures(int seconds) {
    FakeServices fake;
    qt::QtClock clock;
    Program p{Services{fake.dialogs, fake.sounds, fake.monitors, fake.process, clock}};
    qt::Shell shell(p, QCoreApplication::applicationDirPath());
    std::vector<std::int64_t> late;
    std::int64_t started = 0;
    p.onTimer("Timer1", [&] {
        late.push_back(clock.nowMs() - (started + std::int64_t(late.size() + 1) * 1000));
        Timer1_Timer(p);
    });
    p.start();
    settle();
    startClock(p, "20");
    started = clock.nowMs();
    QTest::qWait(seconds * 1000 + 300);
    if (late.empty()) {
        std::printf("no tick arrived\n");
        return;
    }
    std::sort(late.begin(), late.end());
    const double mean = std::accumulate(late.begin(), late.end(), 0.0) / double(late.size());
    std::printf("tick lateness over %zu real ticks: mean %.2f ms, median %lld ms, max %lld ms; clock shows %s:%s\n",
                late.size(), mean, static_cast<long long>(late[late.size() / 2]), static_cast<long long>(late.back()),
                p.form1()["a"].text().c_str(), p.form1()["b"].text().c_str());
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + TABRINO_GUI_SCREENS);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    repaintFigures();
    latenessFigures(seconds);
    return 0;
}
