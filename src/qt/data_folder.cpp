#include "qt/data_folder.h"

#include <QDir>
#include <QFileInfo>

#include "app/program.h"

namespace tabrino::qt {

namespace {

bool holdsData(const QString& folder) {
    if (QFileInfo(folder + QStringLiteral("/pictures")).isDir()) return true;
    for (int n = 1; n <= 5; ++n)
        if (QFileInfo(folder + QLatin1Char('/') + QString::fromLatin1(cueFile(static_cast<Cue>(n)))).isFile())
            return true;
    return false;
}

}  // namespace

QStringList dataFolderCandidates(const QString& programFolder) {
    QStringList out{QDir::cleanPath(programFolder)};
#ifdef TABRINO_DATA_FROM_BIN
    out << QDir::cleanPath(programFolder + QLatin1Char('/') + QStringLiteral(TABRINO_DATA_FROM_BIN));
#endif
#ifdef TABRINO_INSTALLED_DATA
    out << QDir::cleanPath(QStringLiteral(TABRINO_INSTALLED_DATA));
#endif
    out.removeDuplicates();
    return out;
}

QString findDataFolder(const QString& programFolder) {
    for (const QString& folder : dataFolderCandidates(programFolder))
        if (holdsData(folder)) return folder;
    return programFolder;
}

}  // namespace tabrino::qt
