// Where the program takes its sounds and pictures from: beside itself (a
// build folder) first, then the data folder of its install.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "qt/asset_check.h"
#include "qt/data_folder.h"

namespace tabrino::qt {
namespace {

enum Holds { Nothing, OneSound, Pictures };

void fill(const QString& folder, Holds what) {
    QDir().mkpath(folder);
    if (what == OneSound) {
        QFile f(folder + QStringLiteral("/bip.wav"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    } else if (what == Pictures) {
        QDir().mkpath(folder + QStringLiteral("/pictures"));
    }
}

struct Case {
    const char* name;
    Holds beside, installed;
    bool expectInstalled;
};

TEST(DataFolderTest, BesideTheProgramFirstThenTheInstalledFolder) {
    const Case cases[] = {
        {"build folder with its sounds", OneSound, Nothing, false},
        {"build folder with its pictures", Pictures, Nothing, false},
        {"installed program", Nothing, Pictures, true},
        {"installed program, sounds only", Nothing, OneSound, true},
        {"both: the program's own folder wins", Pictures, Pictures, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir prefix;
        const QString bin = prefix.path() + QStringLiteral("/bin");
        const QString data = QDir::cleanPath(bin + QStringLiteral("/" TABRINO_DATA_FROM_BIN));
        fill(bin, c.beside);
        fill(data, c.installed);
        EXPECT_EQ(findDataFolder(bin), c.expectInstalled ? data : QDir::cleanPath(bin));
    }
}

TEST(DataFolderTest, NoDataAnywhereKeepsTheProgramsFolder) {
    QTemporaryDir prefix;
    const QString bin = prefix.path() + QStringLiteral("/bin");
    QDir().mkpath(bin);
    const QStringList candidates = dataFolderCandidates(bin);
    ASSERT_GE(candidates.size(), 2);
    EXPECT_EQ(candidates.front(), bin);
    // A copy installed on this machine under the configured prefix is the
    // last resort; without one the program's folder stays, so the start-up
    // message names the missing sounds there.
    const QString machine = candidates.back();
    const bool installedHere = QFileInfo(machine + QStringLiteral("/pictures")).isDir();
    EXPECT_EQ(findDataFolder(bin), installedHere ? machine : bin);
}

TEST(AssetCheckTest, PicturesAskedForByTheWindowsIncludeTheIcon) {
    const QStringList ids = pictureIds();
    for (const char* id : {"match_icon", "red_card", "blue_card", "horn", "cross", "score_bar", "tick", "power"})
        EXPECT_TRUE(ids.contains(QString::fromLatin1(id))) << id;
    EXPECT_FALSE(ids.contains(QString()));
}

}  // namespace
}  // namespace tabrino::qt
