#include "qt/timer_driver.h"

#include <QAbstractEventDispatcher>
#include <algorithm>
#include <limits>

#include "app/program.h"

namespace tabrino::qt {

TimerDriver::TimerDriver(Program& p, QObject* parent) : QObject(parent), p_(p) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &TimerDriver::fired);
    // After every event, and after every tick, the loop comes here before it waits.
    if (auto* d = QAbstractEventDispatcher::instance())
        connect(d, &QAbstractEventDispatcher::aboutToBlock, this, &TimerDriver::rearm);
}

void TimerDriver::rearm() {
    // Inside a handler (a question waiting for its answer) no tick may run;
    // the program takes the ticks it owes once the handler has returned.
    if (p_.exited() || p_.busy()) {
        timer_.stop();
        due_.reset();
        return;
    }
    std::optional<std::int64_t> next;
    for (const OneSecondTimer* t : {&p_.timer1, &p_.timer2, &p_.timer3})
        if (auto d = t->nextDueMs(); d && (!next || *d < *next)) next = d;
    if (!next) {
        timer_.stop();
        due_.reset();
        return;
    }
    if (due_ == next && timer_.isActive()) return;
    due_ = next;
    const std::int64_t wait =
        std::clamp<std::int64_t>(*next - p_.svc.clock.nowMs(), 0, std::numeric_limits<int>::max());
    timer_.start(static_cast<int>(wait));
}

void TimerDriver::fired() {
    due_.reset();
    p_.runDueTimers();
    rearm();
}

}  // namespace tabrino::qt
