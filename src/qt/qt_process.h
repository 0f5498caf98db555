#pragma once
// Process-level services: the single running copy, quitting, the system
// highlight colour, the About window; and the monotonic clock of the timers.
#include <QElapsedTimer>
#include <QLockFile>
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
    // Per user, in the runtime folder when there is one.
    static QString defaultLockPath();

    // The lock holds the running copy's process id; a copy that crashed
    // leaves a lock whose process is gone, and that lock is taken over.
    bool anotherCopyRunning() override;
    void quit() override;
    Rgb highlightColor() override;
    // One About window: a second click raises the open one.
    void showAbout() override;
    QWidget* aboutWindow() const { return about_; }

private:
    QLockFile lock_;
    QPointer<QWidget> about_;  // closes itself, or goes with the program
};

class QtClock : public MonotonicClock {
public:
    QtClock() { started_.start(); }
    std::int64_t nowMs() const override { return started_.elapsed(); }

private:
    QElapsedTimer started_;
};

}  // namespace tabrino::qt
