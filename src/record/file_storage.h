#pragma once
// The match record in a file of a folder. Appends and replacements are
// handed to one writer thread and done there in order, one at a time, each
// flushed to the disk before the next begins: the tick and the click never
// wait on the disk. A replacement is written to a new file, flushed, and
// renamed over the old one, so a cut at any instant leaves one or the other.
#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <thread>

#include "platform/services.h"

namespace tabrino::record {

class FileStorage : public RecordStorage {
public:
    // `folder` is created when missing; the record is folder/partido.registro.
    explicit FileStorage(std::string folder, std::string fileName = "partido.registro");
    ~FileStorage() override;  // finishes every write asked for
    FileStorage(const FileStorage&) = delete;
    FileStorage& operator=(const FileStorage&) = delete;

    Read read(std::string& bytes) override;
    void reset(const std::string& bytes) override;
    void append(const std::string& bytes) override;
    void flush() override;
    std::string keepAside(const std::string& label, const std::string& stamp) override;
    std::string takeFailure() override;
    std::string place() const override { return folder_; }

    const std::string& path() const { return path_; }

private:
    struct Job {
        bool replace = false;
        std::string bytes;
    };
    void run();
    bool doReplace(const std::string& bytes, std::string& why);
    bool doAppend(const std::string& bytes, std::string& why);
    void closeFile();

    std::string folder_, path_;
    int fd_ = -1;  // open for appending, writer thread only
    std::mutex m_;
    std::condition_variable cv_;
    std::deque<Job> jobs_;
    bool busy_ = false, stop_ = false;
    std::string failure_;
    bool failureTaken_ = false;
    std::thread writer_;
};

}  // namespace tabrino::record
