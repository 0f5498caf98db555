// Tabrino de Hockey: the scoreboard on the desktop's screens.
#include <QApplication>
#include <cstdio>

#include "app/program.h"
#include "qt/display_check.h"
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
    program.start();
    if (program.exited()) return 0;  // a second copy, refused
    return QApplication::exec();
}
