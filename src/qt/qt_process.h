#pragma once
// Process-level services: the single running copy, quitting, the system
// highlight colour; and the monotonic clock of the timers.
#include <QDateTime>
#include <QElapsedTimer>
#include <QLockFile>
#include <QString>

#include "platform/services.h"

namespace tabrino::qt {

class QtProcess : public Process {
public:
    explicit QtProcess(const QString& lockPath = defaultLockPath());
    // Per user, in the runtime folder when there is one.
    static QString defaultLockPath();

    // The lock holds the running copy's process id; a copy that crashed
    // leaves a lock whose process is gone, and that lock is taken over.
    bool anotherCopyRunning() override;
    void quit() override;
    Rgb highlightColor() override;

private:
    QLockFile lock_;
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
