#pragma once
// The match record lives in the user's data folder, never the program's.
#include <QDir>
#include <QStandardPaths>
#include <QString>

namespace tabrino::qt {

inline QString recordFolder() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (dir.isEmpty()) dir = QDir::tempPath() + QStringLiteral("/tabrino");
    return dir;
}

}  // namespace tabrino::qt
