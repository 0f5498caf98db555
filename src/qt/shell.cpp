#include "qt/shell.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <algorithm>
#include <vector>

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
    view->setRestack([this](const WindowView* v, WindowView::Restack how) { restack(v, how); });
    views_[w.name()] = std::move(view);
}

void Shell::windowDestroyed(Window& w) {
    auto it = views_.find(w.name());
    if (it == views_.end()) return;
    it->second->setRestack({});
    restack(it->second.get(), WindowView::Restack::Leaving);
    it->second->detach();
    // The unload may come from inside one of this view's own events (its
    // close icon): Qt frees the widget once that event has returned.
    it->second.release()->deleteLater();
    views_.erase(it);
}

void Shell::restack(const WindowView* view, WindowView::Restack how) {
    using Restack = WindowView::Restack;
    std::vector<WindowView*> shown;
    for (const auto& [name, v] : views_) {
        if (v.get() == view && how != Restack::Shown) continue;  // it is on its way
        if (v->wanted())
            shown.push_back(v.get());
        else
            v->setCovered(false);
    }
    std::sort(shown.begin(), shown.end(),
              [](const WindowView* a, const WindowView* b) { return a->shownOrder() < b->shownOrder(); });
    const auto covered = [&](std::size_t i, const QRect& above) {
        return above.contains(shown[i]->intendedGeometry());
    };
    if (how == Restack::Arriving) {
        // Before the arriving window takes an image of its own, the windows
        // it will cover give theirs back: they stay on the screen until it
        // is shown over them, and hide after.
        for (std::size_t i = 0; i < shown.size(); ++i)
            if (covered(i, view->intendedGeometry())) shown[i]->releaseImage();
        return;
    }
    std::vector<bool> hidden(shown.size(), false);
    for (std::size_t i = 0; i < shown.size(); ++i)
        for (std::size_t j = i + 1; j < shown.size() && !hidden[i]; ++j)
            hidden[i] = covered(i, shown[j]->intendedGeometry());
    // Uncovered first: something is on the screen at every moment.
    for (std::size_t i = 0; i < shown.size(); ++i)
        if (!hidden[i]) shown[i]->setCovered(false);
    for (std::size_t i = 0; i < shown.size(); ++i)
        if (hidden[i]) shown[i]->setCovered(true);
}

}  // namespace tabrino::qt
