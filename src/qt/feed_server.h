#pragma once
// The live scoreboard feed: the board, a stream overlay and the state as
// JSON over HTTP, and the state pushed to every open page over a WebSocket
// on the next port. Runs on the user-interface thread's event loop; every
// connection is bounded in number, size and time, and nothing a client
// sends can change the match.
#include <QHostAddress>
#include <QObject>
#include <QTcpServer>
#include <memory>
#include <vector>

#include "app/program.h"
#include "feed/public_state.h"

class QHttpServer;
class QWebSocket;
class QWebSocketServer;

namespace tabrino::qt {

// Accepts HTTP connections only up to a count, and drops one that sends
// too much or stays open too long (a request trickled byte by byte).
class GuardedTcpServer : public QTcpServer {
    Q_OBJECT
public:
    using QTcpServer::QTcpServer;
    int open() const { return open_; }
    int lifetimeMs = 10000;

protected:
    void incomingConnection(qintptr descriptor) override;

private:
    int open_ = 0;
};

class FeedServer : public QObject, public FeedPublisher {
    Q_OBJECT

public:
    static constexpr int kMaxHttpConnections = 64;
    static constexpr int kMaxPages = 200;
    static constexpr qint64 kMaxRequestBytes = 16 * 1024;
    static constexpr int kHandshakeMs = 3000;
    static constexpr quint16 kDefaultPort = 8080;

    // `address` is where to listen: every interface in the venue, the
    // loopback one in tests.
    explicit FeedServer(Program& p, quint16 port = kDefaultPort, QHostAddress address = QHostAddress::Any,
                        QObject* parent = nullptr);
    ~FeedServer() override;

    void setPort(quint16 port) { port_ = port; }
    // How long one HTTP connection may stay open (shorter in tests).
    void setHttpLifetimeMs(int ms) { httpLifetimeMs_ = ms; }
    quint16 port() const { return port_; }
    int pages() const { return static_cast<int>(pages_.size()); }

    bool start(std::string& why) override;
    void stop() override;
    bool running() const override { return running_; }
    std::vector<std::string> addresses() const override;

    // Builds the state and sends it to every page now (the event loop does
    // it by itself after each batch of changes; the benchmark times it).
    void pushNow();

    // Called after each push with the number of pages it reached.
    std::function<void(int)> afterPush;

private:
    void schedulePush();
    void newPage();

    Program& p_;
    quint16 port_;
    QHostAddress address_;
    int httpLifetimeMs_ = 10000;
    bool running_ = false;
    bool pushScheduled_ = false;
    std::uint64_t pushedVersion_ = 0;
    std::unique_ptr<PublicState> state_;
    std::unique_ptr<QHttpServer> http_;
    std::unique_ptr<QWebSocketServer> ws_;
    std::vector<QWebSocket*> pages_;
};

// The pages, built into the program.
QByteArray boardPage();
QByteArray overlayPage();

}  // namespace tabrino::qt
