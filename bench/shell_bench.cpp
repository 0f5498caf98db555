// Figures of the Qt shell on the offscreen platform (two 1280 x 720 screens),
// in one session as an operator would have it: start-up to the first painted
// operator window, the cost of a full repaint and of a clock tick's repaint,
// a click on the home goals to the end of the repaint of the operator and
// the mirror window, and the peak memory through a whole match with the
// mirror on. The clock is moved by hand, so the figures are the program's
// own work, not waits.
//
//   tabrino-shell-bench [CLICKS]   (default 200 clicks)
#include <QApplication>
#include <QElapsedTimer>
#include <QScreen>
#include <QTest>
#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <numeric>
#include <vector>

#include "match_moves.h"
#include "platform/fake/fakes.h"
#include "qt/shell.h"
#include "qt/window_view.h"

using namespace tabrino;

namespace {

// A scorer who answers Yes (or OK) to everything and names no one.
class YesDialogs : public Dialogs {
public:
    Answer message(const std::string&, const std::string&, Buttons b, Icon) override {
        return b == Buttons::Ok ? Answer::Ok : Answer::Yes;
    }
    std::string input(const std::string&, const std::string&, const std::string&) override { return {}; }
};

long peakMemoryKb() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

// Runs the event loop, without waiting, until `done` holds (or a second passes).
template <class Done>
bool spinUntil(Done done) {
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > 1000) return false;
        QApplication::processEvents();
    }
    return true;
}

void settle() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

struct Spread {
    double mean = 0, median = 0, worst = 0;
};
Spread spreadOf(std::vector<double> v) {
    Spread s;
    if (v.empty()) return s;
    std::sort(v.begin(), v.end());
    s.mean = std::accumulate(v.begin(), v.end(), 0.0) / double(v.size());
    s.median = v[v.size() / 2];
    s.worst = v.back();
    return s;
}

struct Session {
    FakeServices fake;
    YesDialogs dialogs;
    Program p{Services{dialogs, fake.sounds, fake.monitors, fake.process, fake.clock}};
    std::unique_ptr<qt::Shell> shell;

    Session() {
        // The core sees the same screens as the shell.
        fake.monitors.monitors.clear();
        for (QScreen* s : QGuiApplication::screens()) {
            const QRect g = s->geometry();
            fake.monitors.monitors.push_back({{g.left(), g.top(), g.left() + g.width(), g.top() + g.height()},
                                              s == QGuiApplication::primaryScreen()});
        }
    }
    ~Session() { shell.reset(); }
    qt::WindowView& view(const char* w) { return *shell->view(w); }
    void tick() {
        fake.clock.now += 1000;
        p.runDueTimers();
    }
};

void startUp(Session& s, const QElapsedTimer& sinceMain) {
    QElapsedTimer t;
    t.start();
    s.shell = std::make_unique<qt::Shell>(s.p, QCoreApplication::applicationDirPath());
    s.p.start();
    qt::WindowView* form1 = s.shell->view("Form1");
    const bool painted = form1 && spinUntil([&] { return form1->repaints() > 0; });
    std::printf("start-up to the first painted operator window: %.1f ms from program start, %.1f ms from main()%s\n",
                t.nsecsElapsed() / 1e6, sinceMain.nsecsElapsed() / 1e6, painted ? "" : " (NOT PAINTED)");
    std::printf("peak memory after start-up:                    %ld KiB\n", peakMemoryKb());
}

void repaintCosts(Session& s) {
    qt::WindowView& view = s.view("Form1");
    constexpr int kFull = 50;
    QElapsedTimer t;
    t.start();
    long painted = 0;
    for (int i = 0; i < kFull; ++i) {
        const long before = view.repaints();
        view.repaint();
        painted += view.repaints() - before;
    }
    std::printf("full repaint of the operator window:           %ld elements, %.2f ms\n", painted / kFull,
                t.nsecsElapsed() / 1e6 / kFull);
}

// What one game-clock tick costs on screen: the elements repainted on the
// operator window (and on the mirror, when it is on) and the time to paint.
void tickRepaints(Session& s, const char* what) {
    constexpr int kTicks = 120;
    qt::WindowView& form1 = s.view("Form1");
    qt::WindowView* mirror = s.shell->view("clontabrino");
    long onForm1 = 0, onMirror = 0;
    qint64 ns = 0;
    QElapsedTimer t;
    for (int i = 0; i < kTicks; ++i) {
        const long f0 = form1.repaints(), m0 = mirror ? mirror->repaints() : 0;
        t.restart();
        s.tick();
        settle();
        ns += t.nsecsElapsed();
        onForm1 += form1.repaints() - f0;
        if (mirror) onMirror += mirror->repaints() - m0;
    }
    std::printf("one clock tick, %-30s %.1f elements on the operator window, %.1f on the mirror, %.2f ms\n", what,
                double(onForm1) / kTicks, double(onMirror) / kTicks, ns / 1e6 / kTicks);
}

void clickToRepaint(Session& s, int clicks) {
    qt::WindowView& form1 = s.view("Form1");
    qt::WindowView& mirror = s.view("clontabrino");
    const QPoint at = form1.boxOf("gollocal").center();
    std::vector<double> ms;
    int lost = 0;
    for (int i = 0; i < clicks; ++i) {
        settle();
        const std::string goalsBefore = s.p.form1()["gollocal"].text();
        const long f0 = form1.repaints(), m0 = mirror.repaints();
        QElapsedTimer t;
        t.start();
        QTest::mouseClick(&form1, Qt::LeftButton, {}, at);
        const bool done = spinUntil([&] {
            return form1.repaints() > f0 && mirror.repaints() > m0 &&
                   s.p.form1()["gollocal"].text() != goalsBefore;
        });
        if (!done) ++lost;
        ms.push_back(t.nsecsElapsed() / 1e6);
        // A goal every few clicks is enough; set the count back now and then
        // so it stays a two-digit board.
        if (i % 20 == 19) s.p.form1()["gollocal"].setText("0");
    }
    const Spread sp = spreadOf(ms);
    std::printf("click on gollocal to both windows repainted:   mean %.2f ms, median %.2f ms, worst %.2f ms "
                "over %d clicks (one frame at 60 Hz: 16.7 ms)%s\n",
                sp.mean, sp.median, sp.worst, clicks, lost ? " SOME CLICKS NEVER SHOWED" : "");
}

// A whole match as the operator plays it: the clock started for every
// period and break, goals, fouls and cards through it, every tick painted
// as on the real screens, until the end-of-match window shows.
void wholeMatch(Session& s) {
    Window& f = s.p.form1();
    int ticks = 0;
    bool ended = false;
    for (int second = 0; second < 4 * 3600 && !ended; ++second) {
        if (!s.p.timer1.enabled()) {
            if (f["a"].text() == "00" && f["b"].text() == "00") f["a"].setText("25");
            bench::clickOn(s.p, f, "a");
        }
        if (second % 97 == 5) bench::clickOn(s.p, f, second % 2 ? "gollocal" : "golvisita");
        if (second % 61 == 7) bench::clickOn(s.p, f, second % 2 ? "faltalocal" : "faltavisita");
        if (second % 301 == 11 && s.p.timer1.enabled()) {
            bench::clickOn(s.p, f, "a");  // cards are given with the clock stopped
            bench::clickOn(s.p, f, second % 2 ? "Image5" : "Image4");
            bench::clickOn(s.p, f, "a");
        }
        s.tick();
        settle();
        ++ticks;
        const Window* fin = s.p.existing("finpartido");
        ended = fin && fin->shown();
    }
    std::printf("a whole match with the mirror on:              %d s played and painted, %s, period %s, "
                "goals %s-%s; peak memory %ld KiB\n",
                ticks, ended ? "ended" : "NOT ENDED", f["periodo"].text().c_str(), f["gollocal"].text().c_str(),
                f["golvisita"].text().c_str(), peakMemoryKb());
}

}  // namespace

int main(int argc, char** argv) {
    QElapsedTimer sinceMain;
    sinceMain.start();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + TABRINO_GUI_SCREENS);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const int clicks = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;

    Session s;
    startUp(s, sinceMain);
    repaintCosts(s);
    bench::startClock(s.p, "25");
    settle();
    tickRepaints(s, "mirror off:");
    bench::mirrorOn(s.p);
    settle();
    if (!s.shell->view("clontabrino")) {
        std::fprintf(stderr, "the mirror did not come on\n");
        return 1;
    }
    bench::fourSuspensions(s.p, nullptr);
    settle();
    tickRepaints(s, "mirror on, four suspensions:");
    clickToRepaint(s, clicks);
    s.p.timer1.setEnabled(false);
    wholeMatch(s);
    return 0;
}
