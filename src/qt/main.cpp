// Tabrino de Hockey: the scoreboard on the desktop's screens.
#include <QApplication>
#include <cstdio>

#include "app/program.h"
#include "qt/display_check.h"
#include "qt/qt_services.h"
#include "qt/qt_storage.h"
#include "qt/report_window.h"
#include "record/file_storage.h"
#include "record/recorder.h"
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
    program.start();
    if (program.exited()) return 0;  // a second copy, refused
    tabrino::record::Recorder recorder(program, storage);
    recorder.begin();  // offers back a match the last run left on the board
    return QApplication::exec();
}
