#pragma once
// Process-level services: the single running copy, quitting, the system
// highlight colour, the About window; and the monotonic clock of the timers.
#include <QDateTime>
#include <QElapsedTimer>
#include <QPointer>
#include <QString>
#include <QWidget>

#include "platform/services.h"

namespace tabrino::qt {

class QtProcess : public Process {
public:
    explicit QtProcess(const QString& lockPath = defaultLockPath());
    ~QtProcess() override;
    QtProcess(const QtProcess&) = delete;
    QtProcess& operator=(const QtProcess&) = delete;

    // Per user, in a folder only this user can write: the runtime folder,
    // else a private folder of its own under `tmp`.
    static QString defaultLockPath();
    // The folder for the lock, empty when no safe one can be had. `runtime`
    // is taken only when it is a real folder of this user that nobody else
    // may write; the folder under `tmp` is made 0700 and checked the same way.
    static QString lockFolder(const QString& runtime, const QString& tmp);

    // The lock is held by the kernel for as long as this process lives: a
    // copy that crashed leaves none, and nothing written in the file (empty,
    // garbled, another machine's) can keep a new copy out.
    bool anotherCopyRunning() override;
    void quit() override;
    Rgb highlightColor() override;
    // One About window: a second click raises the open one.
    void showAbout() override;
    QWidget* aboutWindow() const { return about_; }

private:
    QString path_;
    int fd_ = -1;
    QPointer<QWidget> about_;  // closes itself, or goes with the program
};

class QtClock : public MonotonicClock {
public:
    QtClock() { started_.start(); }
    std::int64_t nowMs() const override { return started_.elapsed(); }
    std::int64_t wallClockMs() const override { return QDateTime::currentMSecsSinceEpoch(); }

private:
    QElapsedTimer started_;
};

}  // namespace tabrino::qt
