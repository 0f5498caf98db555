// tabrino-shot: runs the program on an offscreen desktop, plays a short
// script of operator actions and writes a PNG of every shown window.
//
//   tabrino-shot OUTDIR [--screens 1280x720,1280x720] [ACTION...]
//
// Actions: shot:LABEL   click:[WINDOW/]ELEMENT   dblclick:[WINDOW/]ELEMENT
//          wait:SECONDS (game time, on a clock moved by hand)
//          yes  no  reply:TEXT  (answers for the next questions; unqueued
//          questions are answered yes / OK / cancelled and printed)
//          feed:PORT (the browser feed on the loopback interface), estado
//          (prints the state it sends)
//          browser:LABEL:WxH:PATH (headless Chromium's picture of a feed page)
//          export:NAME  (the open match report as OUTDIR/NAME.pdf and .csv)
// Without actions: the start-up windows, then the clock running in its last
// ten seconds.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QWidget>
#include <cstdio>
#include <deque>
#include <string>
#include <vector>

#include "app/program.h"
#include "platform/fake/fakes.h"
#include "qt/feed_server.h"
#include "qt/geometry.h"
#include "qt/qt_monitors.h"
#include "qt/report_pdf.h"
#include "qt/report_window.h"
#include "qt/shell.h"
#include "qt/window_view.h"
#include "record/recorder.h"

namespace {

using namespace tabrino;

// Questions answered from the script, so nothing waits for a person.
class ScriptDialogs : public Dialogs {
public:
    std::deque<std::string> answers;  // "yes", "no" or "reply:TEXT"
    Answer message(const std::string& text, const std::string& title, Buttons b, Icon) override {
        std::string a = next();
        std::printf("question [%s] %s -> %s\n", title.c_str(), text.c_str(), a.empty() ? "default" : a.c_str());
        if (b == Buttons::Ok) return Answer::Ok;
        return a == "no" ? Answer::No : Answer::Yes;
    }
    std::string input(const std::string& prompt, const std::string& title, const std::string&) override {
        std::string a = next();
        std::printf("input [%s] %s -> %s\n", title.c_str(), prompt.c_str(), a.c_str());
        return a.rfind("reply:", 0) == 0 ? a.substr(6) : std::string();
    }

private:
    std::string next() {
        if (answers.empty()) return {};
        std::string a = answers.front();
        answers.pop_front();
        return a;
    }
};

QString offscreenConfig(const QString& screens, QTemporaryDir& dir) {
    QString json = QStringLiteral("{\"screens\":[");
    int x = 0, n = 0;
    for (const QString& s : screens.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QStringList wh = s.split(QLatin1Char('x'));
        const int w = wh.value(0).toInt(), h = wh.value(1).toInt();
        if (w <= 0 || h <= 0) continue;
        json += QStringLiteral(
                    "%1{\"name\":\"screen%2\",\"x\":%3,\"y\":0,\"width\":%4,\"height\":%5,"
                    "\"logicalDpi\":96,\"logicalBaseDpi\":96,\"dpr\":1}")
                    .arg(n ? "," : "")
                    .arg(n + 1)
                    .arg(x)
                    .arg(w)
                    .arg(h);
        x += w;
        ++n;
    }
    json += QStringLiteral("]}");
    const QString path = dir.filePath(QStringLiteral("screens.json"));
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) f.write(json.toUtf8());
    return path;
}

struct Run {
    FakeServices fake;
    ScriptDialogs dialogs;
    qt::QtMonitors monitors;
    Program p{Services{dialogs, fake.sounds, monitors, fake.process, fake.clock}};
    QString out;

    void settle() {
        for (int i = 0; i < 3; ++i) QApplication::processEvents();
    }

    void shoot(qt::Shell& shell, const std::string& label) {
        settle();
        for (Window* w : p.windows()) {
            qt::WindowView* v = shell.view(w->name());
            if (!v || !v->isVisible()) continue;
            const QString file =
                out +
                QStringLiteral("/%1-%2.png").arg(QString::fromStdString(label), QString::fromStdString(w->name()));
            const bool saved = v->grab().save(file);
            std::printf("%s %s (%dx%d, %ld elements painted so far)\n", saved ? "wrote" : "could not write",
                        qPrintable(file), v->width(), v->height(), v->repaints());
        }
    }

    void click(qt::Shell& shell, const std::string& target, bool twice) {
        std::string window = "Form1", name = target;
        if (auto slash = target.find('/'); slash != std::string::npos)
            window = target.substr(0, slash), name = target.substr(slash + 1);
        qt::WindowView* v = shell.view(window);
        if (!v || !v->model() || !v->model()->find(name)) {
            std::printf("no element %s on %s\n", name.c_str(), window.c_str());
            return;
        }
        const QPoint at = v->boxOf(name).center();
        v->routeClick(at, false);
        if (twice) v->routeClick(at, true);
        settle();
    }

    // The feed page as a browser on another screen shows it; transparent
    // where the page is (the stream overlay).
    void browse(quint16 port, const std::string& request) {
        const QStringList parts = QString::fromStdString(request).split(QLatin1Char(':'));
        const QString chromium = QStandardPaths::findExecutable(QStringLiteral("chromium"));
        if (parts.size() < 3 || chromium.isEmpty() || port == 0) {
            std::printf("browser: needs feed:PORT first, chromium, and LABEL:WxH:PATH\n");
            return;
        }
        const QString file = out + QStringLiteral("/%1.png").arg(parts[0]);
        QProcess b;
        b.setStandardErrorFile(QProcess::nullDevice());
        b.start(chromium,
                {QStringLiteral("--headless=new"), QStringLiteral("--no-sandbox"), QStringLiteral("--disable-gpu"),
                 QStringLiteral("--hide-scrollbars"), QStringLiteral("--default-background-color=00000000"),
                 QStringLiteral("--virtual-time-budget=4000"),
                 QStringLiteral("--window-size=") + QString(parts[1]).replace(QLatin1Char('x'), QLatin1Char(',')),
                 QStringLiteral("--screenshot=") + QDir(file).absolutePath(),
                 QStringLiteral("http://127.0.0.1:%1%2").arg(port).arg(parts[2])});
        QElapsedTimer t;
        t.start();
        while (b.state() != QProcess::NotRunning && t.elapsed() < 60000) {
            QApplication::processEvents(QEventLoop::AllEvents, 20);
            b.waitForFinished(5);
        }
        if (b.state() != QProcess::NotRunning) b.kill();
        std::printf("%s %s\n", QFile::exists(file) ? "wrote" : "could not write", qPrintable(file));
    }

    void wait(int seconds) {
        for (int i = 0; i < seconds * 10; ++i) {
            fake.clock.now += 100;
            p.runDueTimers();
            QApplication::processEvents();
        }
    }
};

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        std::fprintf(stderr, "usage: tabrino-shot OUTDIR [--screens WxH,...] [ACTION...]\n");
        return 2;
    }
    QString screens = QStringLiteral("1280x720");
    std::vector<std::string> actions;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--screens" && i + 1 < args.size())
            screens = QString::fromStdString(args[++i]);
        else
            actions.push_back(args[i]);
    }
    if (actions.empty()) {
        actions = {"shot:inicio"};
        for (int i = 0; i < 15; ++i) actions.push_back("click:Command3");
        actions.insert(actions.end(), {"click:a", "wait:6", "shot:ultimos10"});
    }

    QTemporaryDir scratch;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + offscreenConfig(screens, scratch).toUtf8());
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);

    Run run;
    run.out = QString::fromStdString(args[0]);
    QDir().mkpath(run.out);
    qt::Shell shell(run.p, QCoreApplication::applicationDirPath());
    // The match record on the fake storage, and the report read from it.
    qt::ReportLink report(run.p, [&run](std::string&) -> std::optional<std::string> { return run.fake.storage.bytes; });
    run.p.start();
    record::Recorder recorder(run.p, run.fake.storage);
    recorder.begin();
    run.settle();
    std::unique_ptr<qt::FeedServer> feed;
    for (const std::string& a : actions) {
        const auto colon = a.find(':');
        const std::string verb = a.substr(0, colon), arg = colon == std::string::npos ? "" : a.substr(colon + 1);
        if (verb == "shot") {
            run.shoot(shell, arg.empty() ? "shot" : arg);
            if (qt::ReportWindow* r = report.window(); r && r->isVisible()) {
                r->refresh();
                run.settle();
                const QString file = run.out + QStringLiteral("/%1-informe.png").arg(QString::fromStdString(arg));
                std::printf("%s %s\n", r->grab().save(file) ? "wrote" : "could not write", qPrintable(file));
            }
        } else if (verb == "export" && report.window() && report.window()->match()) {
            const QString base = run.out + QLatin1Char('/') + QString::fromStdString(arg);
            QString why;
            std::printf("%s %s.pdf %s\n",
                        qt::saveReportPdf(*report.window()->match(), base + ".pdf", &why) ? "wrote" : "could not write",
                        qPrintable(base), qPrintable(why));
            std::printf("%s %s.csv\n",
                        qt::saveReportCsv(*report.window()->match(), base + ".csv", &why) ? "wrote" : "could not write",
                        qPrintable(base));
        } else if (verb == "click")
            run.click(shell, arg, false);
        else if (verb == "dblclick")
            run.click(shell, arg, true);
        else if (verb == "wait")
            run.wait(std::stoi(arg.empty() ? "1" : arg));
        else if (verb == "feed") {
            feed =
                std::make_unique<qt::FeedServer>(run.p, static_cast<quint16>(std::stoi(arg)), QHostAddress::LocalHost);
            run.p.feed = feed.get();
            std::string why;
            if (!feed->start(why)) std::printf("feed: %s\n", why.c_str());
        } else if (verb == "browser")
            run.browse(feed ? feed->port() : 0, arg);
        else if (verb == "estado" && feed) {
            PublicState state(run.p);
            std::printf("%s\n", state.json().c_str());
        } else if (verb == "yes" || verb == "no" || verb == "reply")
            run.dialogs.answers.push_back(a);
        else
            std::printf("unknown action %s\n", a.c_str());
        if (run.p.exited()) break;
    }
    run.p.feed = nullptr;
    if (!run.fake.sounds.log.empty()) {
        std::printf("sounds:");
        for (const std::string& s : run.fake.sounds.log) std::printf(" %s", s.c_str());
        std::printf("\n");
    }
    return 0;
}
