// A process writing records is killed at random instants, hundreds of
// times; every record it leaves behind must read back whole, its entries
// in order with none missing before the last.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <random>

#include "record/file_storage.h"
#include "record/journal.h"

using namespace tabrino::record;
namespace fs = std::filesystem;

namespace {

Entry numbered(long n) {
    // Entries of varying length, so cuts land everywhere in them.
    Entry e{"accion", n, std::to_string(n), "1", "19:54", {}};
    for (long k = 0; k < n % 7 + 1; ++k) e.changes.push_back({"Form1.c.text", "01", std::string(n % 50, 'x')});
    return e;
}

[[noreturn]] void writeUntilKilled(const std::string& folder, int ready) {
    FileStorage storage(folder);
    std::string all = header();
    storage.reset(all);
    storage.flush();
    (void)!::write(ready, "r", 1);
    for (long n = 0;; ++n) {
        const std::string line = encode(numbered(n));
        all += line;
        // Now and then the whole record is replaced, as at a recovery.
        if (n % 25 == 24)
            storage.reset(all);
        else
            storage.append(line);
        if (n % 4 == 0) storage.flush();
    }
}

}  // namespace

TEST(KilledWriter, EveryRecordLeftBehindIsWhole) {
    const fs::path folder = fs::current_path() / ("kill-test-" + std::to_string(::getpid()));
    std::mt19937 random(20240309);
    std::uniform_int_distribution<int> delayUs(0, 12000);
    int withEntries = 0;
    for (int round = 0; round < 300; ++round) {
        fs::remove_all(folder);
        int pipe[2];
        ASSERT_EQ(::pipe(pipe), 0);
        pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(pipe[0]);
            writeUntilKilled(folder.string(), pipe[1]);
        }
        ::close(pipe[1]);
        char c = 0;
        ASSERT_EQ(::read(pipe[0], &c, 1), 1);
        ::close(pipe[0]);
        ::usleep(static_cast<useconds_t>(delayUs(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);

        const Journal j = readFile((folder / "partido.registro").string());
        ASSERT_EQ(j.fault, Fault::None) << "round " << round;
        for (std::size_t i = 0; i < j.entries.size(); ++i)
            ASSERT_EQ(j.entries[i], numbered(static_cast<long>(i))) << "round " << round << ", entry " << i;
        if (!j.entries.empty()) ++withEntries;
    }
    fs::remove_all(folder);
    // The kills must have landed while records were being written.
    EXPECT_GT(withEntries, 200);
}

TEST(FileStorageFaults, AFolderThatCannotBeMadeIsSaidOnceInSpanish) {
    const fs::path file = fs::current_path() / ("not-a-folder-" + std::to_string(::getpid()));
    { std::ofstream(file.string()) << "x"; }
    {
        FileStorage storage((file / "tabrino").string());
        storage.reset(header());
        storage.append(encode(numbered(0)));
        storage.flush();
        EXPECT_EQ(storage.takeFailure(), "la carpeta no existe");
        EXPECT_EQ(storage.takeFailure(), "");
        std::string bytes;
        EXPECT_EQ(storage.read(bytes), tabrino::RecordStorage::Read::None);
    }
    fs::remove(file);
}

TEST(FileStorageFaults, KeptAsideRecordsNeverOverwriteEachOther) {
    const fs::path folder = fs::current_path() / ("aside-test-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    FileStorage storage(folder.string());
    std::vector<std::string> names;
    for (int i = 0; i < 2; ++i) {
        storage.reset(header() + encode(numbered(i)));
        names.push_back(storage.keepAside("anterior", "20240309-180000"));
    }
    ASSERT_NE(names[0], names[1]);
    for (int i = 0; i < 2; ++i) EXPECT_EQ(readFile(names[static_cast<std::size_t>(i)]).entries.at(0), numbered(i));
    std::string bytes;
    EXPECT_EQ(storage.read(bytes), tabrino::RecordStorage::Read::None);
    fs::remove_all(folder);
}
