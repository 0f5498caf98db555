#pragma once
// `tabrino --check-assets`: says where the program takes its sounds and
// pictures from and whether each one loads, for whoever installs it. It
// opens them exactly as a match would and shows no window.
#include <QString>
#include <QStringList>

namespace tabrino::qt {

struct AssetReport {
    QString folder;                // the data folder in use
    QStringList lines;             // one line per file, in Spanish
    int sounds = 0, pictures = 0;  // files that loaded
    int failed = 0;
};

// Every picture id the windows' designs ask for, and the window icon.
QStringList pictureIds();

AssetReport checkAssets(const QString& programFolder);

}  // namespace tabrino::qt
