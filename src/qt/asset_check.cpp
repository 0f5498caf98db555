#include "qt/asset_check.h"

#include <set>
#include <string>

#include "app/program.h"
#include "app/window_catalog.h"
#include "qt/data_folder.h"
#include "qt/picture_book.h"
#include "qt/qt_sound_players.h"

namespace tabrino::qt {

QStringList pictureIds() {
    std::set<std::string> ids{"match_icon"};
    for (const std::string& name : Program::windowNames())
        if (const WindowDesign* d = designFor(name))
            for (const ElementDesign& e : d->elements)
                if (!e.picture.empty()) ids.insert(e.picture);
    QStringList out;
    for (const std::string& id : ids) out << QString::fromStdString(id);
    return out;
}

AssetReport checkAssets(const QString& programFolder) {
    AssetReport r;
    r.folder = findDataFolder(programFolder);
    QtSoundPlayers sounds(r.folder);
    for (int n = 1; n <= 5; ++n) {
        const char* file = cueFile(static_cast<Cue>(n));
        const bool ok = sounds.open(n, file);
        r.lines << QStringLiteral("sonido %1: %2")
                       .arg(QString::fromLatin1(file),
                            ok ? QStringLiteral("bien") : QStringLiteral("NO SE PUEDE ABRIR"));
        ok ? ++r.sounds : ++r.failed;
    }
    PictureBook book(r.folder);
    for (const QString& id : pictureIds()) {
        const bool ok = book.has(id.toStdString());
        r.lines << QStringLiteral("imagen pictures/%1.svg: %2")
                       .arg(id, ok ? QStringLiteral("bien") : QStringLiteral("NO SE PUEDE LEER"));
        ok ? ++r.pictures : ++r.failed;
    }
    return r;
}

}  // namespace tabrino::qt
