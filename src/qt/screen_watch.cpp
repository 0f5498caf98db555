#include "qt/screen_watch.h"

#include <QGuiApplication>
#include <QScreen>

namespace tabrino::qt {

ScreenWatch::ScreenWatch(Program& p, QObject* parent) : QObject(parent), p_(p) {
    pending_.setSingleShot(true);
    pending_.setInterval(0);
    connect(&pending_, &QTimer::timeout, this, [this] {
        ++told_;
        p_.screensChanged();
    });
    auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (!app) return;
    connect(app, &QGuiApplication::screenAdded, this, [this](QScreen* s) {
        watch(s);
        changed();
    });
    connect(app, &QGuiApplication::screenRemoved, this, [this](QScreen*) { changed(); });
    connect(app, &QGuiApplication::primaryScreenChanged, this, [this](QScreen*) { changed(); });
    for (QScreen* s : QGuiApplication::screens()) watch(s);
}

void ScreenWatch::watch(QScreen* s) {
    connect(s, &QScreen::geometryChanged, this, [this](const QRect&) { changed(); });
}

void ScreenWatch::changed() {
    // Read once the window system has finished telling: the screen list is
    // whole by the time the event loop comes back.
    if (!pending_.isActive()) pending_.start();
}

}  // namespace tabrino::qt
