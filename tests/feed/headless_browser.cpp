#include "headless_browser.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QStandardPaths>
#include <QThread>

namespace tabrino::test {

bool spinUntil(const std::function<bool()>& done, int limitMs) {
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > limitMs) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        if (!done()) QThread::usleep(500);
    }
    return true;
}

QString HeadlessBrowser::executable() {
    for (const char* name : {"chromium", "chromium-browser"}) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!path.isEmpty()) return path;
    }
    return {};
}

HeadlessBrowser::~HeadlessBrowser() {
    if (socket_) socket_->abort();
    if (process_ && process_->state() != QProcess::NotRunning) {
        process_->terminate();
        if (!process_->waitForFinished(3000)) {
            process_->kill();
            process_->waitForFinished(3000);
        }
    }
    // The browser leaves read-only folders in its profile; make them
    // removable so the temporary profile really goes.
    // The browser's helpers may still be leaving, and they leave read-only
    // folders: make them removable and try again for a moment.
    for (int i = 0; profile_ && i < 20; ++i) {
        QProcess::execute(QStringLiteral("chmod"), {QStringLiteral("-R"), QStringLiteral("u+rwX"), profile_->path()});
        if (profile_->remove()) break;
        QThread::msleep(100);
    }
}

bool HeadlessBrowser::start(int limitMs) {
    const QString exe = executable();
    if (exe.isEmpty()) {
        error_ = QStringLiteral("chromium is not installed");
        return false;
    }
    profile_ = std::make_unique<QTemporaryDir>();
    process_ = std::make_unique<QProcess>();
    // Headless Chromium complains at length about the missing desktop bus.
    process_->setStandardOutputFile(QProcess::nullDevice());
    process_->setStandardErrorFile(QProcess::nullDevice());
    // Port 0: the browser picks a free debugging port and writes it to its
    // profile, so parallel tests never clash. No first-run work, no network
    // beyond what the pages ask for.
    process_->start(exe,
                    {QStringLiteral("--headless=new"), QStringLiteral("--no-sandbox"), QStringLiteral("--disable-gpu"),
                     QStringLiteral("--remote-debugging-port=0"), QStringLiteral("--remote-allow-origins=*"),
                     QStringLiteral("--no-first-run"), QStringLiteral("--disable-background-networking"),
                     QStringLiteral("--disable-extensions"), QStringLiteral("--disable-renderer-backgrounding"),
                     QStringLiteral("--disable-background-timer-throttling"),
                     QStringLiteral("--disable-backgrounding-occluded-windows"),
                     QStringLiteral("--user-data-dir=") + profile_->path(), QStringLiteral("about:blank")});
    if (!process_->waitForStarted(5000)) {
        error_ = QStringLiteral("chromium did not start: ") + process_->errorString();
        return false;
    }
    QFile portFile(profile_->filePath(QStringLiteral("DevToolsActivePort")));
    QString wsPath;
    int port = 0;
    const bool found = spinUntil(
        [&] {
            if (process_->state() == QProcess::NotRunning) return true;
            if (!portFile.open(QIODevice::ReadOnly)) return false;
            const QList<QByteArray> lines = portFile.readAll().split('\n');
            portFile.close();
            if (lines.size() < 2 || lines[1].isEmpty()) return false;
            port = lines[0].toInt();
            wsPath = QString::fromUtf8(lines[1]);
            return true;
        },
        limitMs);
    if (!found || port == 0) {
        error_ = QStringLiteral("chromium gave no debugging port");
        return false;
    }
    socket_ = std::make_unique<QWebSocket>();
    socket_->setMaxAllowedIncomingMessageSize(64 * 1024 * 1024);
    QObject::connect(socket_.get(), &QWebSocket::textMessageReceived, [this](const QString& m) { received(m); });
    socket_->open(QUrl(QStringLiteral("ws://127.0.0.1:%1%2").arg(port).arg(wsPath)));
    if (!spinUntil([&] { return socket_->state() == QAbstractSocket::ConnectedState; }, 5000)) {
        error_ = QStringLiteral("no DevTools connection");
        return false;
    }
    return true;
}

void HeadlessBrowser::received(const QString& message) {
    const QJsonObject o = QJsonDocument::fromJson(message.toUtf8()).object();
    if (o.contains(QStringLiteral("id"))) {
        replies_[o.value(QStringLiteral("id")).toInt()] = o;
        return;
    }
    if (o.value(QStringLiteral("method")).toString() == QStringLiteral("Runtime.bindingCalled") && onSeen) {
        const QJsonObject params = o.value(QStringLiteral("params")).toObject();
        onSeen(o.value(QStringLiteral("sessionId")).toString(), params.value(QStringLiteral("payload")).toString());
    }
}

QJsonObject HeadlessBrowser::call(const QString& method, const QJsonObject& params, const QString& session,
                                  int limitMs) {
    if (!socket_) return {};
    const int id = nextId_++;
    QJsonObject msg{{QStringLiteral("id"), id}, {QStringLiteral("method"), method}, {QStringLiteral("params"), params}};
    if (!session.isEmpty()) msg.insert(QStringLiteral("sessionId"), session);
    socket_->sendTextMessage(QString::fromUtf8(QJsonDocument(msg).toJson(QJsonDocument::Compact)));
    if (!spinUntil([&] { return replies_.count(id) > 0; }, limitMs)) {
        error_ = method + QStringLiteral(": no answer");
        return {};
    }
    QJsonObject reply = replies_[id];
    replies_.erase(id);
    if (reply.contains(QStringLiteral("error")))
        error_ = method + QStringLiteral(": ") +
                 QString::fromUtf8(QJsonDocument(reply.value(QStringLiteral("error")).toObject()).toJson());
    return reply.value(QStringLiteral("result")).toObject();
}

QString HeadlessBrowser::open(const QString& url, int width, int height) {
    const QJsonObject target =
        call(QStringLiteral("Target.createTarget"), {{QStringLiteral("url"), QStringLiteral("about:blank")}});
    const QString id = target.value(QStringLiteral("targetId")).toString();
    if (id.isEmpty()) return {};
    const QJsonObject attached = call(QStringLiteral("Target.attachToTarget"),
                                      {{QStringLiteral("targetId"), id}, {QStringLiteral("flatten"), true}});
    const QString session = attached.value(QStringLiteral("sessionId")).toString();
    if (session.isEmpty()) return {};
    call(QStringLiteral("Runtime.enable"), {}, session);
    call(QStringLiteral("Emulation.setDeviceMetricsOverride"),
         {{QStringLiteral("width"), width},
          {QStringLiteral("height"), height},
          {QStringLiteral("deviceScaleFactor"), 1},
          {QStringLiteral("mobile"), false}},
         session);
    call(QStringLiteral("Page.navigate"), {{QStringLiteral("url"), url}}, session);
    return session;
}

QJsonValue HeadlessBrowser::eval(const QString& session, const QString& expression, int limitMs) {
    const QJsonObject r =
        call(QStringLiteral("Runtime.evaluate"),
             {{QStringLiteral("expression"), expression}, {QStringLiteral("returnByValue"), true}}, session, limitMs);
    return r.value(QStringLiteral("result")).toObject().value(QStringLiteral("value"));
}

bool HeadlessBrowser::waitFor(const QString& session, const QString& expression, int limitMs) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < limitMs) {
        if (eval(session, expression, 2000).toBool()) return true;
        spinUntil([] { return false; }, 20);
    }
    return false;
}

bool HeadlessBrowser::addSeenBinding(const QString& session) {
    const QJsonObject r =
        call(QStringLiteral("Runtime.addBinding"), {{QStringLiteral("name"), QStringLiteral("tabrinoSeen")}}, session);
    return socket_ && socket_->isValid();
}

}  // namespace tabrino::test
