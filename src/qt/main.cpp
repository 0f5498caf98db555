// Tabrino de Hockey: the scoreboard on the desktop's screens.
#include <QApplication>
#include <QTimer>
#include <cstdio>

#include "app/program.h"
#include "qt/display_check.h"
#include "qt/feed_server.h"
#include "qt/qt_services.h"
#include "qt/shell.h"

int main(int argc, char** argv) {
    if (const std::string why = tabrino::qt::missingDisplay(); !why.empty()) {
        std::fprintf(stderr, "%s\n", why.c_str());
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tabrino"));
    // The program ends when the operator window is closed, not when the
    // last visible window goes (a message box before the first window).
    QApplication::setQuitOnLastWindowClosed(false);

    const QString folder = QCoreApplication::applicationDirPath();
    tabrino::qt::QtServices services(folder);
    tabrino::Program program{services.services()};
    tabrino::qt::Shell shell(program, folder);
    tabrino::qt::FeedServer feed(program);
    program.feed = &feed;
    // `--feed PORT` publishes the board from the start, for set-ups that
    // always stream; without it nothing listens until the operator asks.
    std::string feedProblem;
    bool feedWanted = false;
    const QStringList args = QApplication::arguments();
    if (const qsizetype at = args.indexOf(QStringLiteral("--feed")); at >= 0) {
        bool ok = false;
        const uint port = at + 1 < args.size() ? args.at(at + 1).toUInt(&ok) : 0;
        if (!ok || port == 0 || port > 65534) {
            feedProblem = "El puerto indicado con --feed no es válido: escriba un número entre 1 y 65534. "
                          "El partido sigue sin transmisión.";
        } else {
            feed.setPort(static_cast<quint16>(port));
            feedWanted = true;
        }
    }
    // Queued so the feed is up even while a start-up message waits for
    // its OK (it runs in that message's event loop).
    QTimer::singleShot(0, &feed, [&] {
        if (program.exited()) return;
        if (feedWanted) feed.start(feedProblem);
        if (!feedProblem.empty())
            program.ask(feedProblem, "Transmision", tabrino::Buttons::Ok, tabrino::Icon::Error);
    });
    program.start();
    if (program.exited()) return 0;  // a second copy, refused
    return QApplication::exec();
}
