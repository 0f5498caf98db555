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
#include "qt/feed_server.h"
#include "qt/picture_book.h"
#include "qt/qt_services.h"
#include "qt/qt_storage.h"
#include "qt/report_window.h"
#include "qt/resource_check.h"
#include "qt/shell.h"
#include "record/file_storage.h"
#include "record/recorder.h"

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
    tabrino::record::FileStorage storage(tabrino::qt::recordFolder().toStdString());
    tabrino::Program program{services.services()};
    tabrino::qt::Shell shell(program, folder);
    // The report, read back from the match record.
    tabrino::qt::ReportLink report(program, [&storage](std::string& why) -> std::optional<std::string> {
        storage.flush();  // every entry asked for is in the file
        std::string bytes;
        switch (storage.read(bytes)) {
            case tabrino::RecordStorage::Read::Ok: return bytes;
            case tabrino::RecordStorage::Read::None: return std::string();
            case tabrino::RecordStorage::Read::Failed: break;
        }
        why = "no se pudo abrir " + storage.path();
        return std::nullopt;
    });
    services.sounds.setOnOutputLost([] {
        tabrino::qt::showNotice(QStringLiteral("Sonidos"),
                                QStringLiteral("Se perdió la salida de sonido. El partido sigue; los sonidos "
                                               "vuelven solos cuando vuelva el altavoz."));
    });
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
            feedProblem =
                "El puerto indicado con --feed no es válido: escriba un número entre 1 y 65534. "
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
        if (!feedProblem.empty()) program.ask(feedProblem, "Transmision", tabrino::Buttons::Ok, tabrino::Icon::Error);
    });
    program.start();
    if (program.exited()) return 0;  // a second copy, refused
    tabrino::qt::PictureBook pictures(folder);
    if (const QString missing = tabrino::qt::missingResourcesText(pictures); !missing.isEmpty())
        services.dialogs.message(missing.toStdString(), "Tabrino de Hockey", tabrino::Buttons::Ok,
                                 tabrino::Icon::Information);
    tabrino::record::Recorder recorder(program, storage);
    recorder.begin();  // offers back a match the last run left on the board
    return QApplication::exec();
}
