// Tabrino de Hockey: the scoreboard on the desktop's screens.
#include <QApplication>
#include <cstdio>

#include "app/program.h"
#include "qt/display_check.h"
#include "qt/picture_book.h"
#include "qt/qt_services.h"
#include "qt/resource_check.h"
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
    services.sounds.setOnOutputLost([] {
        tabrino::qt::showNotice(QStringLiteral("Sonidos"),
                                QStringLiteral("Se perdió la salida de sonido. El partido sigue; los sonidos "
                                               "vuelven solos cuando vuelva el altavoz."));
    });
    program.start();
    if (program.exited()) return 0;  // a second copy, refused
    tabrino::qt::PictureBook pictures(folder);
    if (const QString missing = tabrino::qt::missingResourcesText(pictures); !missing.isEmpty())
        services.dialogs.message(missing.toStdString(), "Tabrino de Hockey", tabrino::Buttons::Ok,
                                 tabrino::Icon::Information);
    return QApplication::exec();
}
