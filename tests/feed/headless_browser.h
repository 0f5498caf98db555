#pragma once
// A real headless Chromium driven over its DevTools protocol, for the feed's
// tests and benchmark: open pages, read their DOM, and hear a page report a
// change the moment it happens (a binding the page calls). Everything waits
// on the Qt event loop, bounded in time; nothing leaves the loopback.
#include <QElapsedTimer>
#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <QWebSocket>
#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace tabrino::test {

class HeadlessBrowser {
public:
    // Empty when the machine has no Chromium.
    static QString executable();

    HeadlessBrowser() = default;
    ~HeadlessBrowser();
    HeadlessBrowser(const HeadlessBrowser&) = delete;
    HeadlessBrowser& operator=(const HeadlessBrowser&) = delete;

    // Starts the browser; false with the reason in error() when it cannot.
    bool start(int limitMs = 20000);
    const QString& error() const { return error_; }

    // Opens a page of the given size; returns its session, empty on failure.
    QString open(const QString& url, int width = 1280, int height = 720);
    // Evaluates an expression in a page; its value (null on failure).
    QJsonValue eval(const QString& session, const QString& expression, int limitMs = 5000);
    // Runs the loop until eval(expression) is true or the limit passes.
    bool waitFor(const QString& session, const QString& expression, int limitMs = 5000);
    // Called with the payload whenever a page calls window.tabrinoSeen(text).
    std::function<void(const QString& session, const QString& payload)> onSeen;
    // Adds window.tabrinoSeen to a page.
    bool addSeenBinding(const QString& session);

private:
    QJsonObject call(const QString& method, const QJsonObject& params, const QString& session = {},
                     int limitMs = 10000);
    void received(const QString& message);

    std::unique_ptr<QProcess> process_;
    std::unique_ptr<QTemporaryDir> profile_;
    std::unique_ptr<QWebSocket> socket_;
    int nextId_ = 1;
    std::map<int, QJsonObject> replies_;
    QString error_;
};

// Runs the event loop until done() or the limit (milliseconds) passes.
bool spinUntil(const std::function<bool()>& done, int limitMs);

}  // namespace tabrino::test
