// Figures of the Qt shell on the offscreen platform, one column per screen
// size, each size in a process of its own (two screens of that size: the
// operator's and the public one), so peak memory is that size's alone.
// For each: start-up to the first painted operator window, a full repaint
// of the operator window and of both windows (beside the time to write
// every pixel of both once, the floor of any full repaint), a clock tick's repaint with
// the elements painted beside the elements whose look changed, a click on
// the home goals to both windows repainted, and the peak memory through a
// whole match with the mirror on. The clock is moved by hand, so the
// figures are the program's own work, not waits.
//
// Then the real program's start-up: `tabrino` started as a process, with
// its real sound players on a sound server of the bench's own, timed from
// the process start to its first painted window.
//
//   tabrino-shell-bench [--clicks N] [--no-real-startup] [--program NAME] [WIDTHxHEIGHT ...]
//   (default: 200 clicks; the program `tabrino` beside the bench;
//   1280x720 1920x1080 3840x2160)
#include <sys/resource.h>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <numeric>
#include <string>
#include <vector>

#include "match_moves.h"
#include "platform/fake/fakes.h"
#include "qt/paint_cache.h"
#include "qt/shell.h"
#include "qt/window_view.h"
#include "sound/pulse_session.h"

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

// One figure of the child, read back by the parent: "FIG key value".
void fig(const char* key, const QString& value) { std::printf("FIG %s %s\n", key, qPrintable(value)); }
QString ms(double v) { return QString::number(v, 'f', 2); }

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
    fig("startup", painted ? ms(t.nsecsElapsed() / 1e6) : QStringLiteral("NOT-PAINTED"));
    fig("startup_main", ms(sinceMain.nsecsElapsed() / 1e6));
    fig("mem_startup", QString::number(peakMemoryKb() / 1024.0, 'f', 1));
}

// Repaints the whole of the given windows, as switching the mirror on or a
// window coming back from behind another does.
void fullRepaint(std::vector<qt::WindowView*> views, const char* key) {
    constexpr int kFull = 30;
    qt::PaintCache& cache = views.front()->pictures().cache();
    const long misses = cache.misses();
    QElapsedTimer t;
    t.start();
    long painted = 0;
    for (int i = 0; i < kFull; ++i)
        for (qt::WindowView* v : views) {
            const long before = v->repaints();
            v->repaint();
            painted += v->repaints() - before;
        }
    const double each = t.nsecsElapsed() / 1e6 / kFull;
    fig(key, ms(each));
    fig((std::string(key) + "_n").c_str(),
        QString::number(painted / kFull) + QStringLiteral(", %1 redrawn").arg(cache.misses() - misses));
}

// The least a full repaint of these windows can cost on this machine: an
// image of each window's size filled once, every pixel written, nothing
// drawn on it.
void fillFloor(std::vector<qt::WindowView*> views, const char* key) {
    constexpr int kFills = 30;
    std::vector<QImage> images;
    for (qt::WindowView* v : views) images.emplace_back(v->size(), QImage::Format_RGB32);
    for (QImage& img : images) img.fill(Qt::black);  // its pages in memory before the clock starts
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < kFills; ++i)
        for (QImage& img : images) img.fill(QColor(i % 2 ? Qt::black : Qt::darkBlue));
    fig(key, ms(t.nsecsElapsed() / 1e6 / kFills));
}

// What one game-clock tick costs on screen: the time to run it and paint
// it, and on each window the elements painted against the elements whose
// look changed (the least any repaint could do).
void tickRepaints(Session& s, const char* key) {
    constexpr int kTicks = 120;
    qt::WindowView& form1 = s.view("Form1");
    qt::WindowView* mirror = s.shell->view("clontabrino");
    if (mirror && !mirror->isVisible()) mirror = nullptr;
    long painted = 0, changed = 0, mPainted = 0, mChanged = 0;
    qint64 ns = 0;
    QElapsedTimer t;
    for (int i = 0; i < kTicks; ++i) {
        // Suspensions held at two minutes, so every tick of the run has four.
        bench::holdSuspensions(s.p, "02");
        settle();
        const long f0 = form1.repaints(), c0 = form1.lookChanges();
        const long m0 = mirror ? mirror->repaints() : 0, mc0 = mirror ? mirror->lookChanges() : 0;
        t.restart();
        s.tick();
        settle();
        ns += t.nsecsElapsed();
        painted += form1.repaints() - f0;
        changed += form1.lookChanges() - c0;
        if (mirror) {
            mPainted += mirror->repaints() - m0;
            mChanged += mirror->lookChanges() - mc0;
        }
    }
    const auto per = [](long n) { return QString::number(double(n) / kTicks, 'f', 1); };
    fig(key, ms(ns / 1e6 / kTicks));
    fig((std::string(key) + "_painted").c_str(), per(painted) + (mirror ? " / " + per(mPainted) : QString()));
    fig((std::string(key) + "_changed").c_str(), per(changed) + (mirror ? " / " + per(mChanged) : QString()));
}

void clickToRepaint(Session& s, int clicks) {
    qt::WindowView& form1 = s.view("Form1");
    qt::WindowView& mirror = s.view("clontabrino");
    const QPoint at = form1.boxOf("gollocal").center();
    std::vector<double> times;
    int lost = 0;
    for (int i = 0; i < clicks; ++i) {
        settle();
        const std::string goalsBefore = s.p.form1()["gollocal"].text();
        const long f0 = form1.repaints(), m0 = mirror.repaints();
        QElapsedTimer t;
        t.start();
        QTest::mouseClick(&form1, Qt::LeftButton, {}, at);
        const bool done = spinUntil([&] {
            return form1.repaints() > f0 && mirror.repaints() > m0 && s.p.form1()["gollocal"].text() != goalsBefore;
        });
        if (!done) ++lost;
        times.push_back(t.nsecsElapsed() / 1e6);
        // Set the count back now and then so it stays a two-digit board.
        if (i % 20 == 19) s.p.form1()["gollocal"].setText("0");
    }
    std::sort(times.begin(), times.end());
    const double mean = std::accumulate(times.begin(), times.end(), 0.0) / double(times.size());
    fig("click", ms(mean) + " / " + ms(times.back()) + (lost ? " LOST" : ""));
}

// A whole match as the operator plays it: the clock started for every
// period and break, goals, fouls and cards through it, every tick painted
// as on the real screens, until the end-of-match window shows.
void wholeMatch(Session& s) {
    Window& f = s.p.form1();
    bool ended = false;
    int ticks = 0;
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
    fig("match_peak", QString::number(peakMemoryKb() / 1024.0, 'f', 1) + (ended ? "" : " NOT-ENDED"));
    fig("cache", QString::number(s.shell->pictures().cache().bytes() / 1048576.0, 'f', 1));
    fig("match_ticks", QString::number(ticks));
}

int child(int clicks, const QElapsedTimer& sinceMain) {
    Session s;
    startUp(s, sinceMain);
    fullRepaint({&s.view("Form1")}, "full_form1");
    bench::startClock(s.p, "25");
    settle();
    tickRepaints(s, "tick_off");
    bench::mirrorOn(s.p);
    settle();
    if (!s.shell->view("clontabrino") || !s.shell->view("clontabrino")->isVisible()) {
        std::fprintf(stderr, "the mirror did not come on\n");
        return 1;
    }
    bench::fourSuspensions(s.p, nullptr);
    settle();
    fullRepaint({&s.view("Form1"), &s.view("clontabrino")}, "full_both");
    tickRepaints(s, "tick_on");
    clickToRepaint(s, clicks);
    s.p.timer1.setEnabled(false);
    wholeMatch(s);
    // Last: its two images would count in the match's peak memory.
    fillFloor({&s.view("Form1"), &s.view("clontabrino")}, "fill_both");
    return 0;
}

QString screensJson(int w, int h) {
    const QString screen = QStringLiteral(
        R"({"name": "%1", "x": %2, "y": 0, "width": %3, "height": %4, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1})");
    return QStringLiteral(R"({"screens": [%1, %2]})")
        .arg(screen.arg("operator").arg(0).arg(w).arg(h), screen.arg("public").arg(w).arg(w).arg(h));
}

QString loadAverage() {
    QFile f(QStringLiteral("/proc/loadavg"));
    if (!f.open(QIODevice::ReadOnly)) return QStringLiteral("?");
    return QString::fromLatin1(f.readAll()).section(QLatin1Char(' '), 0, 2);
}

using Figures = std::map<std::string, QString>;

Figures runChild(const QString& size, const QString& configFile, int clicks) {
    QProcess c;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen:configfile=") + configFile);
    c.setProcessEnvironment(env);
    c.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    c.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child"), QString::number(clicks)});
    Figures f;
    if (!c.waitForFinished(10 * 60 * 1000) || c.exitCode() != 0) {
        std::fprintf(stderr, "the run at %s failed\n", qPrintable(size));
        return f;
    }
    for (const QByteArray& line : c.readAllStandardOutput().split('\n')) {
        if (!line.startsWith("FIG ")) continue;
        const QList<QByteArray> parts = line.mid(4).split(' ');
        f[parts.value(0).toStdString()] = QString::fromUtf8(line.mid(4 + parts.value(0).size() + 1));
    }
    return f;
}

// The real program from its process start to its first painted window.
// Several starts, the median reported: one start is one sample of a busy
// machine.
QString realStartup(const QString& programName, const QString& configFile, const QTemporaryDir& dir) {
    const QString program = QCoreApplication::applicationDirPath() + QLatin1Char('/') + programName;
    if (!QFile::exists(program)) return QStringLiteral("no ") + program;
    std::vector<double> times;
    for (int run = 0; run < 5; ++run) {
        QProcess c;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen:configfile=") + configFile);
        env.insert(QStringLiteral("TABRINO_MARK_FIRST_PAINT"), QStringLiteral("1"));
        // Its own lock, so a scoreboard running on this machine is left alone.
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir.path());
        c.setProcessEnvironment(env);
        QElapsedTimer t;
        t.start();
        c.start(program, {});
        bool painted = false;
        while (!painted && c.waitForReadyRead(10000)) painted = c.readAllStandardOutput().contains("first-paint");
        if (painted) times.push_back(t.nsecsElapsed() / 1e6);
        c.kill();
        c.waitForFinished();
        if (!painted) return QStringLiteral("NOT PAINTED");
    }
    std::sort(times.begin(), times.end());
    return ms(times[times.size() / 2]) + QStringLiteral(" (%1..%2)").arg(ms(times.front()), ms(times.back()));
}

struct Row {
    const char* key;
    const char* label;
};

const std::vector<Row> kRows = {
    {"startup", "start-up to first painted operator window, ms"},
    {"startup_main", "  the same from main(), ms"},
    {"mem_startup", "peak memory after start-up, MiB"},
    {"full_form1", "full repaint, operator window, ms"},
    {"full_form1_n", "  elements painted, of them not from kept images"},
    {"full_both", "full repaint, both windows (mirror on), ms"},
    {"full_both_n", "  elements painted, of them not from kept images"},
    {"fill_both", "  every pixel of both written once, nothing drawn, ms"},
    {"tick_off", "one tick, mirror off, ms"},
    {"tick_off_painted", "  elements painted (operator)"},
    {"tick_off_changed", "  elements whose look changed"},
    {"tick_on", "one tick, mirror on, 4 suspensions, ms"},
    {"tick_on_painted", "  elements painted (operator / mirror)"},
    {"tick_on_changed", "  elements whose look changed"},
    {"click", "click on gollocal to both painted, mean / worst ms"},
    {"match_peak", "peak memory, whole match, mirror on, MiB"},
    {"cache", "  of which kept images at the end, MiB"},
    {"real_startup", "real program: process start to first paint, ms"},
};

}  // namespace

int main(int argc, char** argv) {
    QElapsedTimer sinceMain;
    sinceMain.start();
    if (argc > 2 && std::strcmp(argv[1], "--child") == 0) {
        QApplication app(argc, argv);
        QApplication::setQuitOnLastWindowClosed(false);
        return child(std::max(1, std::atoi(argv[2])), sinceMain);
    }

    QCoreApplication app(argc, argv);
    int clicks = 200;
    bool real = true;
    QString program = QStringLiteral("tabrino");
    QStringList sizes;
    for (int i = 1; i < argc; ++i) {
        const QString a = QString::fromLocal8Bit(argv[i]);
        if (a == QStringLiteral("--clicks") && i + 1 < argc)
            clicks = std::max(1, std::atoi(argv[++i]));
        else if (a == QStringLiteral("--no-real-startup"))
            real = false;
        else if (a == QStringLiteral("--program") && i + 1 < argc)
            program = QString::fromLocal8Bit(argv[++i]);
        else if (a.contains(QLatin1Char('x')))
            sizes << a;
        else {
            std::fprintf(
                stderr,
                "usage: tabrino-shell-bench [--clicks N] [--no-real-startup] [--program NAME] [WIDTHxHEIGHT ...]\n");
            return 2;
        }
    }
    if (sizes.isEmpty()) sizes = {QStringLiteral("1280x720"), QStringLiteral("1920x1080"), QStringLiteral("3840x2160")};

    QTemporaryDir dir;
    tabrino::sound_test::PulseSession pulse;
    QString noSound;
    if (real && !pulse.start()) noSound = pulse.failure();

    std::printf("load average before: %s\n", qPrintable(loadAverage()));
    std::vector<Figures> columns;
    for (const QString& size : sizes) {
        const int w = size.section(QLatin1Char('x'), 0, 0).toInt(), h = size.section(QLatin1Char('x'), 1, 1).toInt();
        if (w < 320 || h < 240) {
            std::fprintf(stderr, "not a screen size: %s\n", qPrintable(size));
            return 2;
        }
        const QString config = dir.filePath(size + QStringLiteral(".json"));
        QFile f(config);
        if (!f.open(QIODevice::WriteOnly) || f.write(screensJson(w, h).toUtf8()) < 0) return 1;
        f.close();
        Figures figures = runChild(size, config, clicks);
        if (real) figures["real_startup"] = noSound.isEmpty() ? realStartup(program, config, dir) : "no sound server";
        columns.push_back(std::move(figures));
    }
    std::printf("load average after:  %s\n", qPrintable(loadAverage()));
    if (!noSound.isEmpty()) std::printf("real start-up not measured: %s\n", qPrintable(noSound));

    std::printf("\n%-52s", "two screens of");
    for (const QString& s : sizes) std::printf(" | %-18s", qPrintable(s));
    std::printf("\n");
    for (const Row& r : kRows) {
        std::printf("%-52s", r.label);
        for (const Figures& c : columns) {
            auto it = c.find(r.key);
            std::printf(" | %-18s", it == c.end() ? "-" : qPrintable(it->second));
        }
        std::printf("\n");
    }
    return 0;
}
