#include "qt/qt_process.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QStandardPaths>

#include "qt/about_window.h"

namespace tabrino::qt {

QtProcess::QtProcess(const QString& lockPath) : lock_(lockPath) {
    // Never stale by age: a match lasts longer than any such limit. Only a
    // lock whose process has died is stale.
    lock_.setStaleLockTime(0);
}

QString QtProcess::defaultLockPath() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty()) dir = QDir::tempPath();
    return dir + QStringLiteral("/tabrino-de-hockey.lock");
}

bool QtProcess::anotherCopyRunning() {
    if (lock_.isLocked()) return false;
    if (lock_.tryLock(0)) return false;
    // A lock that cannot even be written (a read-only folder) says nothing
    // about another copy; the operator is not kept from the match for it.
    return lock_.error() == QLockFile::LockFailedError;
}

void QtProcess::quit() { QCoreApplication::quit(); }

Rgb QtProcess::highlightColor() {
    return QGuiApplication::palette().color(QPalette::Highlight).rgb() & 0xFFFFFFu;
}

QtProcess::~QtProcess() { delete about_.data(); }

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
