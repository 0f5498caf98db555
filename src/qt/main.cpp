// Tabrino de Hockey: the scoreboard on the desktop's screens.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstring>

#include "app/program.h"
#include "qt/asset_check.h"
#include "qt/data_folder.h"
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

bool hasOption(int argc, char** argv, const char* option) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], option) == 0) return true;
    return false;
}

// For whoever installs the program: where its files are and whether they
// load. Needs no screen.
int printAssetCheck() {
    const tabrino::qt::AssetReport r = tabrino::qt::checkAssets(QCoreApplication::applicationDirPath());
    std::printf("Carpeta de datos: %s\n", qUtf8Printable(r.folder));
    for (const QString& line : r.lines) std::printf("%s\n", qUtf8Printable(line));
    if (r.failed == 0)
        std::printf("Todo en su sitio: %d sonidos y %d imágenes.\n", r.sounds, r.pictures);
    else
        std::printf("Faltan %d archivos: reinstale el programa.\n", r.failed);
    return r.failed == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (hasOption(argc, argv, "--version")) {
        std::printf("Tabrino de Hockey %s\n", TABRINO_VERSION);
        return 0;
    }
    const bool checkAssets = hasOption(argc, argv, "--check-assets");
    if (checkAssets && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (const std::string why = tabrino::qt::missingDisplay(); !why.empty()) {
        std::fprintf(stderr, "%s\n", why.c_str());
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tabrino"));
    QApplication::setApplicationVersion(QStringLiteral(TABRINO_VERSION));
    // Desktops match the windows to the menu entry (its icon in the task bar).
    QGuiApplication::setDesktopFileName(QStringLiteral(TABRINO_APP_ID));
    if (checkAssets) return printAssetCheck();
    // The program ends when the operator window is closed, not when the
    // last visible window goes (a message box before the first window).
    QApplication::setQuitOnLastWindowClosed(false);
    FirstPaintMark mark;
    if (!qEnvironmentVariableIsEmpty("TABRINO_MARK_FIRST_PAINT")) app.installEventFilter(&mark);

    const QString folder = tabrino::qt::findDataFolder(QCoreApplication::applicationDirPath());
    tabrino::qt::QtServices services(folder);
    tabrino::Program program{services.services()};
    tabrino::qt::Shell shell(program, folder);
    program.start();
    if (program.exited()) return 0;  // a second copy, refused
    return QApplication::exec();
}
