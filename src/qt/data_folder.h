#pragma once
// Where the program's sounds and pictures are. A build folder holds them
// beside the program; an installed program finds them in its data folder
// (<prefix>/share/tabrino), reached from the program's own place so that a
// copy unpacked under any prefix finds its own files.
#include <QString>
#include <QStringList>

namespace tabrino::qt {

// The folders looked in, in order: the program's folder, the data folder
// relative to it, the data folder of the configured install prefix.
QStringList dataFolderCandidates(const QString& programFolder);

// The first candidate that holds any sound or the pictures folder; the
// program's folder when none does (the start-up message then names the
// sounds that are missing).
QString findDataFolder(const QString& programFolder);

}  // namespace tabrino::qt
