#include "qt/shell.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>

#include "qt/fonts.h"
#include "qt/window_view.h"

namespace tabrino::qt {

Shell::Shell(Program& p, const QString& folder) : p_(p), pictures_(folder), driver_(p, this), screens_(p, this) {
    installFontSubstitutions();
    // Every window of the program carries the burning match.
    const QString icon = folder + QStringLiteral("/pictures/match_icon.svg");
    if (QFileInfo(icon).isFile()) QApplication::setWindowIcon(QIcon(icon));
    p_.addListener(this);
    for (Window* w : p_.windows()) windowCreated(*w);
}

Shell::~Shell() {
    p_.removeListener(this);
    views_.clear();
}

WindowView* Shell::view(const std::string& window) const {
    auto it = views_.find(window);
    return it == views_.end() ? nullptr : it->second.get();
}

void Shell::windowCreated(Window& w) {
    auto view = std::make_unique<WindowView>(p_, w, pictures_);
    view->setAfterInput([this] { driver_.rearm(); });
    views_[w.name()] = std::move(view);
}

void Shell::windowDestroyed(Window& w) {
    auto it = views_.find(w.name());
    if (it == views_.end()) return;
    it->second->detach();
    // The unload may come from inside one of this view's own events (its
    // close icon): Qt frees the widget once that event has returned.
    it->second.release()->deleteLater();
    views_.erase(it);
}

}  // namespace tabrino::qt
