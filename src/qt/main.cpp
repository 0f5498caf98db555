// Tabrino de Hockey: the scoreboard on the desktop's screens.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstdio>

#include "app/program.h"
#include "qt/display_check.h"
#include "qt/qt_services.h"
#include "qt/shell.h"

namespace {

// For the start-up benchmark: with TABRINO_MARK_FIRST_PAINT set, "first-paint"
// goes to standard output once the operator window has been painted.
class FirstPaintMark : public QObject {
public:
    bool eventFilter(QObject* o, QEvent* ev) override {
        if (ev->type() == QEvent::Paint && o->isWidgetType() && o->objectName() == QLatin1String("Form1")) {
            qApp->removeEventFilter(this);
            // Queued: the paint this event asks for has run by then.
            QTimer::singleShot(0, [] {
                std::printf("first-paint\n");
                std::fflush(stdout);
            });
        }
        return false;
    }
};

}  // namespace

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
    FirstPaintMark mark;
    if (!qEnvironmentVariableIsEmpty("TABRINO_MARK_FIRST_PAINT")) app.installEventFilter(&mark);

    const QString folder = QCoreApplication::applicationDirPath();
    tabrino::qt::QtServices services(folder);
    tabrino::Program program{services.services()};
    tabrino::qt::Shell shell(program, folder);
    program.start();
    if (program.exited()) return 0;  // a second copy, refused
    return QApplication::exec();
}
