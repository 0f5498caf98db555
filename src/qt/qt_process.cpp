#include "qt/qt_process.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <cerrno>
#include <string>

#include "qt/about_window.h"

namespace tabrino::qt {

namespace {

// A folder of ours that nobody else can write into (and so cannot plant or
// swap the lock in), not a link to somewhere else.
bool privateFolder(const QString& dir) {
    struct stat st {};
    if (dir.isEmpty() || ::lstat(QFile::encodeName(dir).constData(), &st) != 0) return false;
    return S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() && (st.st_mode & 0022) == 0;
}

}  // namespace

QtProcess::QtProcess(const QString& lockPath) : path_(lockPath) {}

QtProcess::~QtProcess() {
    delete about_.data();
    if (fd_ >= 0) ::close(fd_);  // the kernel drops the lock with it
}

QString QtProcess::lockFolder(const QString& runtime, const QString& tmp) {
    if (privateFolder(runtime)) return runtime;
    const QString own = tmp + QStringLiteral("/tabrino-de-hockey-%1").arg(::geteuid());
    const QByteArray name = QFile::encodeName(own);
    if (::mkdir(name.constData(), 0700) != 0 && errno != EEXIST) return {};
    struct stat st {};
    // One of ours left open by an old umask is closed up again; anyone
    // else's folder of that name is not used at all.
    if (::lstat(name.constData(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() &&
        (st.st_mode & 0077) != 0)
        ::chmod(name.constData(), 0700);
    return privateFolder(own) ? own : QString();
}

QString QtProcess::defaultLockPath() {
    const QString dir = lockFolder(qEnvironmentVariable("XDG_RUNTIME_DIR"), QDir::tempPath());
    if (dir.isEmpty()) return {};
    return dir + QStringLiteral("/tabrino-de-hockey.lock");
}

bool QtProcess::anotherCopyRunning() {
    if (fd_ >= 0) return false;  // ours already
    // Without a safe place for the lock the operator is not kept from the
    // match: a second copy is then not detected, which is the lesser harm.
    if (path_.isEmpty()) return false;
    const QByteArray name = QFile::encodeName(path_);
    int fd = ::open(name.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0 && errno != ENOENT) {
        // A file we cannot open (made unreadable, not a plain file): it
        // proves nothing about a running copy; put a fresh one in its place.
        ::unlink(name.constData());
        fd = ::open(name.constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    }
    if (fd < 0) return false;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool held = errno == EWOULDBLOCK;
        ::close(fd);
        return held;
    }
    fd_ = fd;
    // For a person looking: which process holds it. Nothing reads it back.
    const std::string pid = std::to_string(::getpid()) + "\n";
    if (::ftruncate(fd_, 0) == 0 && ::write(fd_, pid.data(), pid.size()) < 0) {
        // The lock is the flock, not the text: a full disk does not matter.
    }
    return false;
}

void QtProcess::quit() { QCoreApplication::quit(); }

Rgb QtProcess::highlightColor() { return QGuiApplication::palette().color(QPalette::Highlight).rgb() & 0xFFFFFFu; }

void QtProcess::showAbout() {
    if (!about_) {
        about_ = new AboutWindow;
        // In the middle of the operator's screen, also where no window
        // manager places it (a bare kiosk session).
        about_->adjustSize();
        if (QScreen* screen = QGuiApplication::primaryScreen())
            about_->move(screen->availableGeometry().center() - about_->rect().center());
    }
    about_->show();
    about_->raise();
    about_->activateWindow();
}

}  // namespace tabrino::qt
