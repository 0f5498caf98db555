#pragma once
// A program on fake services but the real monotonic clock, with its timers
// driven by the Qt event loop and the feed server on a loopback port.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QHostAddress>
#include <QTcpSocket>
#include <memory>
#include <vector>

#include "app/program.h"
#include "headless_browser.h"
#include "platform/fake/fakes.h"
#include "qt/feed_server.h"
#include "qt/timer_driver.h"
#include "script/drive.h"

namespace tabrino::test {

class RealClock : public MonotonicClock {
public:
    RealClock() { t_.start(); }
    std::int64_t nowMs() const override { return t_.elapsed(); }

private:
    QElapsedTimer t_;
};

// Records the moment every game-clock second reaches the operator window.
class TickLog : public WindowListener {
public:
    explicit TickLog(const RealClock& c) : clock(c) {}
    void elementChanged(Element& e, Property p) override {
        if (e.name() == "b" && p == Property::Text) at.push_back(clock.nowMs());
    }
    void windowChanged(Window&) override {}
    const RealClock& clock;
    std::vector<std::int64_t> at;
};

struct LiveProgram {
    FakeServices fake;
    RealClock clock;
    Services services{fake.dialogs, fake.sounds, fake.monitors, fake.process, clock};
    Program p{services};
    qt::TimerDriver driver{p};
    std::unique_ptr<qt::FeedServer> feed;

    explicit LiveProgram(quint16 port) {
        p.setStrict(true);
        p.start();
        feed = std::make_unique<qt::FeedServer>(p, port, QHostAddress::LocalHost);
        p.feed = feed.get();
    }
    ~LiveProgram() {
        p.feed = nullptr;
        feed.reset();
    }
    bool startFeed() {
        std::string why;
        const bool ok = feed->start(why);
        EXPECT_TRUE(ok) << why;
        return ok;
    }
    void click(const char* name, bool dbl = false) {
        clickCentre(p, p.form1(), name, dbl);
        driver.rearm();
    }
    void startClock(const char* minutes = "10") {
        p.form1()["a"].setText(minutes);
        click("a");
    }
};

// One HTTP exchange on a raw socket: what came back before the server
// closed the connection or the limit passed.
struct Exchange {
    QByteArray reply;
    bool closedByServer = false;
};

inline Exchange exchange(quint16 port, const QByteArray& request, int limitMs = 3000) {
    Exchange ex;
    QTcpSocket s;
    s.connectToHost(QHostAddress::LocalHost, port);
    bool refused = false;
    QObject::connect(&s, &QAbstractSocket::errorOccurred, [&] { refused = true; });
    if (!spinUntil([&] { return refused || s.state() == QAbstractSocket::ConnectedState; }, 2000) || refused) return ex;
    s.write(request);
    spinUntil(
        [&] {
            ex.reply += s.readAll();
            return s.state() != QAbstractSocket::ConnectedState;
        },
        limitMs);
    ex.reply += s.readAll();
    ex.closedByServer = s.state() != QAbstractSocket::ConnectedState;
    return ex;
}

inline QByteArray statusLine(const QByteArray& reply) { return reply.left(reply.indexOf("\r\n")); }

inline QByteArray body(const QByteArray& reply) {
    const qsizetype at = reply.indexOf("\r\n\r\n");
    return at < 0 ? QByteArray() : reply.mid(at + 4);
}

}  // namespace tabrino::test
