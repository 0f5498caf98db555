#pragma once
// Drives the program's one-second timers from the Qt event loop: whenever
// the loop is about to wait (and after each operator input), one precise single-shot timer is armed for the
// earliest tick due, and the program runs its due ticks when it fires. The
// program's own anchors keep the count free of drift; this only wakes it up.
#include <QObject>
#include <QTimer>
#include <cstdint>
#include <optional>

namespace tabrino {
class Program;
}

namespace tabrino::qt {

class TimerDriver : public QObject {
    Q_OBJECT

public:
    explicit TimerDriver(Program& p, QObject* parent = nullptr);

    // Arms (or stops) the wake-up for the earliest tick due.
    void rearm();
    // The tick time the wake-up is armed for, if any.
    std::optional<std::int64_t> armedFor() const { return due_; }

private:
    void fired();

    Program& p_;
    QTimer timer_;
    std::optional<std::int64_t> due_;
};

}  // namespace tabrino::qt
