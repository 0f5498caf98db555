#include "record/file_storage.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>

namespace tabrino::record {

namespace {

// The operator reads these, in Spanish.
std::string reason(int err) {
    switch (err) {
        case ENOSPC:
        case EDQUOT: return "el disco está lleno";
        case EACCES:
        case EPERM: return "no hay permiso para escribir allí";
        case EROFS: return "el disco es de solo lectura";
        case ENOENT:
        case ENOTDIR: return "la carpeta no existe";
        case EIO: return "error de entrada y salida del disco";
        default: return std::string("error del sistema: ") + std::strerror(err);
    }
}

bool makeFolder(const std::string& folder) {
    std::string cur;
    for (std::size_t i = 0; i <= folder.size(); ++i) {
        if (i == folder.size() || (folder[i] == '/' && i > 0)) {
            cur = folder.substr(0, i);
            if (::mkdir(cur.c_str(), 0700) != 0 && errno != EEXIST) return false;
        }
    }
    return true;
}

bool writeAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

void syncFolder(const std::string& folder) {
    int d = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (d < 0) return;
    ::fsync(d);
    ::close(d);
}

}  // namespace

FileStorage::FileStorage(std::string folder, std::string fileName)
    : folder_(std::move(folder)), path_(folder_ + "/" + fileName) {
    writer_ = std::thread([this] { run(); });
}

FileStorage::~FileStorage() {
    {
        std::lock_guard lock(m_);
        stop_ = true;
    }
    cv_.notify_all();
    writer_.join();
    closeFile();
}

RecordStorage::Read FileStorage::read(std::string& bytes) {
    flush();
    int fd = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return errno == ENOENT || errno == ENOTDIR ? Read::None : Read::Failed;
    bytes.clear();
    char buf[65536];
    for (;;) {
        ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            ::close(fd);
            return Read::Failed;
        }
        if (n == 0) break;
        bytes.append(buf, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return Read::Ok;
}

void FileStorage::reset(const std::string& bytes) {
    {
        std::lock_guard lock(m_);
        jobs_.push_back({true, bytes});
    }
    cv_.notify_all();
}

void FileStorage::append(const std::string& bytes) {
    {
        std::lock_guard lock(m_);
        jobs_.push_back({false, bytes});
    }
    cv_.notify_all();
}

void FileStorage::flush() {
    std::unique_lock lock(m_);
    cv_.wait(lock, [this] { return jobs_.empty() && !busy_; });
}

std::string FileStorage::keepAside(const std::string& label, const std::string& stamp) {
    flush();
    {
        std::lock_guard lock(m_);
        busy_ = true;  // the writer keeps off the file while it moves
    }
    closeFile();
    std::string base = folder_ + "/partido-" + label + "-" + stamp;
    std::string target = base + ".registro";
    struct stat st {};
    for (int n = 2; ::stat(target.c_str(), &st) == 0 && n < 1000; ++n)
        target = base + "-" + std::to_string(n) + ".registro";
    bool moved = ::rename(path_.c_str(), target.c_str()) == 0;
    if (moved) syncFolder(folder_);
    {
        std::lock_guard lock(m_);
        busy_ = false;
    }
    cv_.notify_all();
    return moved ? target : std::string();
}

std::string FileStorage::takeFailure() {
    std::lock_guard lock(m_);
    if (failure_.empty() || failureTaken_) return {};
    failureTaken_ = true;
    return failure_;
}

void FileStorage::closeFile() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

void FileStorage::run() {
    std::unique_lock lock(m_);
    for (;;) {
        cv_.wait(lock, [this] { return stop_ || (!jobs_.empty() && !busy_); });
        if (jobs_.empty()) return;  // stopping with nothing left to write
        Job job = std::move(jobs_.front());
        jobs_.pop_front();
        busy_ = true;
        lock.unlock();
        std::string why;
        bool ok = job.replace ? doReplace(job.bytes, why) : doAppend(job.bytes, why);
        lock.lock();
        busy_ = false;
        if (!ok && failure_.empty()) failure_ = why;
        if (ok && failureTaken_) {
            // Writing works again: a later failure is worth saying again.
            failure_.clear();
            failureTaken_ = false;
        }
        cv_.notify_all();
    }
}

bool FileStorage::doReplace(const std::string& bytes, std::string& why) {
    closeFile();
    if (!makeFolder(folder_)) {
        why = reason(errno);
        return false;
    }
    const std::string fresh = path_ + ".nuevo";
    int fd = ::open(fresh.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) {
        why = reason(errno);
        return false;
    }
    bool ok = writeAll(fd, bytes) && ::fdatasync(fd) == 0;
    int err = errno;
    ::close(fd);
    if (!ok || ::rename(fresh.c_str(), path_.c_str()) != 0) {
        why = reason(ok ? errno : err);
        ::unlink(fresh.c_str());
        return false;
    }
    syncFolder(folder_);
    return true;
}

bool FileStorage::doAppend(const std::string& bytes, std::string& why) {
    if (fd_ < 0) {
        fd_ = ::open(path_.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
        if (fd_ < 0) {
            why = reason(errno);
            return false;
        }
    }
    const off_t before = ::lseek(fd_, 0, SEEK_END);
    if (!writeAll(fd_, bytes) || ::fdatasync(fd_) != 0) {
        why = reason(errno);
        // A half-written entry would sit before the next good one.
        if (before >= 0 && ::ftruncate(fd_, before) != 0) {
        }
        closeFile();
        return false;
    }
    return true;
}

}  // namespace tabrino::record
