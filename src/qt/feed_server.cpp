#include "qt/feed_server.h"

#include <QHttpServer>
#include <QHttpServerRequest>
#include <QHttpServerResponse>
#include <QNetworkInterface>
#include <QTcpSocket>
#include <QTimer>
#include <QWebSocket>
#include <QWebSocketServer>
#include <algorithm>

namespace tabrino::qt {

void GuardedTcpServer::incomingConnection(qintptr descriptor) {
    auto* socket = new QTcpSocket(this);
    if (!socket->setSocketDescriptor(descriptor)) {
        delete socket;
        return;
    }
    if (open_ >= FeedServer::kMaxHttpConnections) {
        socket->abort();
        socket->deleteLater();
        return;
    }
    ++open_;
    connect(socket, &QObject::destroyed, this, [this] { --open_; });
    // Connected before the HTTP server's own reader, so this sees every
    // chunk first. Browsers send a few hundred bytes per request.
    auto received = std::make_shared<qint64>(0);
    connect(socket, &QTcpSocket::readyRead, socket, [socket, received] {
        *received += socket->bytesAvailable();
        if (*received > FeedServer::kMaxRequestBytes) socket->abort();
    });
    // Pages load in milliseconds; a connection still open after this is
    // idle keep-alive or a request that never finishes. The browser simply
    // opens a new one for its next request.
    QTimer::singleShot(lifetimeMs, socket, [socket] { socket->abort(); });
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    addPendingConnection(socket);
}

FeedServer::FeedServer(Program& p, quint16 port, QHostAddress address, QObject* parent)
    : QObject(parent), p_(p), port_(port), address_(std::move(address)) {}

FeedServer::~FeedServer() { stop(); }

namespace {

QHttpServerResponse page(QByteArray body, const char* mime) {
    QHttpServerResponse r(QByteArray(mime), std::move(body));
    r.setHeader("Cache-Control", "no-store");
    r.setHeader("X-Content-Type-Options", "nosniff");
    return r;
}

QHttpServerResponse notAllowed() {
    QHttpServerResponse r(QByteArray("text/plain; charset=utf-8"), QByteArray("Solo lectura\n"),
                          QHttpServerResponse::StatusCode::MethodNotAllowed);
    r.setHeader("Allow", "GET");
    return r;
}

bool reading(const QHttpServerRequest& req) { return req.method() == QHttpServerRequest::Method::Get; }

}  // namespace

bool FeedServer::start(std::string& why) {
    if (running_) return true;
    const QString portText = QString::number(port_);
    if (port_ == 0 || port_ == 65535) {
        why = QStringLiteral(
                  "El puerto %1 no sirve para publicar el marcador: elija uno entre 1 y 65534. "
                  "El partido sigue sin transmisión.")
                  .arg(portText)
                  .toStdString();
        return false;
    }
    auto fail = [&](const QString& err, quint16 port) {
        const bool inUse = err.contains(QStringLiteral("in use"), Qt::CaseInsensitive);
        why = (inUse ? QStringLiteral("No se pudo publicar el marcador: el puerto %1 ya está en uso por otro "
                                      "programa. El partido sigue sin transmisión.")
                           .arg(port)
                     : QStringLiteral("No se pudo publicar el marcador en el puerto %1 (%2). El partido sigue "
                                      "sin transmisión.")
                           .arg(port)
                           .arg(err))
                  .toStdString();
        http_.reset();
        ws_.reset();
        return false;
    };

    auto* tcp = new GuardedTcpServer;
    tcp->lifetimeMs = httpLifetimeMs_;
    if (!tcp->listen(address_, port_)) {
        const QString err = tcp->errorString();
        delete tcp;
        return fail(err, port_);
    }
    http_ = std::make_unique<QHttpServer>();
    http_->bind(tcp);  // the HTTP server takes it as a child
    tcp->setParent(http_.get());

    http_->route("/", [](const QHttpServerRequest& req) {
        return reading(req) ? page(boardPage(), "text/html; charset=utf-8") : notAllowed();
    });
    http_->route("/overlay", [](const QHttpServerRequest& req) {
        return reading(req) ? page(overlayPage(), "text/html; charset=utf-8") : notAllowed();
    });
    http_->route("/estado.json", [this](const QHttpServerRequest& req) {
        if (!reading(req)) return notAllowed();
        return page(QByteArray::fromStdString(state_->json()), "application/json; charset=utf-8");
    });

    ws_ = std::make_unique<QWebSocketServer>(QStringLiteral("tabrino"), QWebSocketServer::NonSecureMode);
    ws_->setHandshakeTimeout(kHandshakeMs);
    ws_->setMaxPendingConnections(kMaxPages);
    if (!ws_->listen(address_, static_cast<quint16>(port_ + 1))) return fail(ws_->errorString(), port_ + 1);
    connect(ws_.get(), &QWebSocketServer::newConnection, this, &FeedServer::newPage);

    state_ = std::make_unique<PublicState>(p_);
    state_->setOnStale([this] { schedulePush(); });
    running_ = true;
    return true;
}

void FeedServer::stop() {
    if (!running_) return;
    running_ = false;
    for (QWebSocket* s : pages_) {
        s->disconnect(this);
        s->abort();
        s->deleteLater();
    }
    pages_.clear();
    ws_.reset();
    http_.reset();
    state_.reset();
}

std::vector<std::string> FeedServer::addresses() const {
    std::vector<std::string> out;
    const QString port = QString::number(port_);
    for (const QNetworkInterface& iface : QNetworkInterface::allInterfaces()) {
        const auto flags = iface.flags();
        if (!(flags & QNetworkInterface::IsUp) || !(flags & QNetworkInterface::IsRunning) ||
            (flags & QNetworkInterface::IsLoopBack))
            continue;
        for (const QNetworkAddressEntry& e : iface.addressEntries()) {
            const QHostAddress a = e.ip();
            if (a.protocol() != QAbstractSocket::IPv4Protocol) continue;
            if (address_ != QHostAddress::Any && address_ != QHostAddress::AnyIPv4 && a != address_) continue;
            out.push_back(QStringLiteral("http://%1:%2/").arg(a.toString(), port).toStdString());
        }
    }
    // No network at all: the board still shows in a browser on this computer.
    if (out.empty()) out.push_back(QStringLiteral("http://127.0.0.1:%1/").arg(port).toStdString());
    return out;
}

void FeedServer::schedulePush() {
    if (pushScheduled_) return;
    pushScheduled_ = true;
    // After the running handler has returned: one message for everything it changed.
    QMetaObject::invokeMethod(this, &FeedServer::pushNow, Qt::QueuedConnection);
}

void FeedServer::pushNow() {
    pushScheduled_ = false;
    if (!running_) return;
    const QString text = QString::fromStdString(state_->json());
    // Nothing new since the last push (a direct push beat the queued one).
    if (state_->version() == pushedVersion_) return;
    pushedVersion_ = state_->version();
    for (QWebSocket* s : pages_) s->sendTextMessage(text);
    if (afterPush) afterPush(static_cast<int>(pages_.size()));
}

void FeedServer::newPage() {
    while (ws_ && ws_->hasPendingConnections()) {
        QWebSocket* s = ws_->nextPendingConnection();
        if (!s) break;
        if (static_cast<int>(pages_.size()) >= kMaxPages) {
            s->close(QWebSocketProtocol::CloseCodePolicyViolated, QStringLiteral("Demasiadas pantallas"));
            s->deleteLater();
            continue;
        }
        // Pages only listen: anything they send is ignored, and a big frame
        // closes them.
        s->setMaxAllowedIncomingFrameSize(1024);
        s->setMaxAllowedIncomingMessageSize(1024);
        s->setParent(this);
        pages_.push_back(s);
        connect(s, &QWebSocket::disconnected, this, [this, s] {
            pages_.erase(std::remove(pages_.begin(), pages_.end(), s), pages_.end());
            s->deleteLater();
        });
        s->sendTextMessage(QString::fromStdString(state_->json()));
    }
}

}  // namespace tabrino::qt
