#include "qt/window_view.h"

#include <QBackingStore>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QToolTip>

#include "qt/controls.h"
#include "qt/element_painter.h"
#include "qt/geometry.h"
#include "qt/picture_book.h"

namespace tabrino::qt {

namespace {

Qt::WindowFlags flagsFor(const WindowDesign& d) {
    Qt::WindowFlags f = Qt::Window;
    if (!d.framed) f |= Qt::FramelessWindowHint;
    // A public window never takes the keyboard from the operator's window.
    if (d.publicWindow) f |= Qt::WindowDoesNotAcceptFocus;
    return f;
}

// The screen that holds a point given in twips of the virtual desktop; a
// point left of every screen's right edge picks by the left edge alone.
QScreen* screenAt(float leftTwips, float topTwips) {
    const QPoint at(toPixels(leftTwips), toPixels(topTwips));
    const auto screens = QGuiApplication::screens();
    for (QScreen* s : screens)
        if (s->geometry().contains(at)) return s;
    for (QScreen* s : screens) {
        const QRect g = s->geometry();
        if (at.x() >= g.left() && at.x() < g.left() + g.width()) return s;
    }
    return QGuiApplication::primaryScreen();
}

}  // namespace

WindowView::WindowView(Program& p, Window& w, PictureBook& pictures)
    : QWidget(nullptr, flagsFor(w.design())), p_(p), w_(&w), pictures_(pictures) {
    setObjectName(QString::fromStdString(w.name()));
    setWindowTitle(QString::fromStdString(w.design().title));
    setAttribute(Qt::WA_OpaquePaintEvent);  // paintEvent fills its own background
    if (w.design().publicWindow) setAttribute(Qt::WA_ShowWithoutActivating);
    setMouseTracking(false);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor::fromRgb(0xFF000000u | w.design().background));
    setPalette(pal);
    for (const auto& e : w.elements()) lastBox_[e.get()] = elementBox(*e);
    controls_ = new Controls(*this, p, w);
    w.addListener(this);
    followWindow();
}

WindowView::~WindowView() { detach(); }

void WindowView::detach() {
    if (!w_) return;
    w_->removeListener(this);
    controls_->detach();
    w_ = nullptr;
    lastBox_.clear();
    lastLook_.clear();
    changedSincePaint_.clear();
    QToolTip::hideText();
    hide();
}

QWidget* WindowView::control(const std::string& name) const {
    if (!w_) return nullptr;
    const Element* e = w_->find(name);
    return e ? controls_->widget(*e) : nullptr;
}

QRect WindowView::boxOf(const std::string& name) const {
    if (!w_) return {};
    const Element* e = w_->find(name);
    return e ? toPixels(e->absoluteGeometry()) : QRect();
}

QWidget* WindowView::hostOf(const Element& e) const {
    if (!e.container()) return const_cast<WindowView*>(this);
    QWidget* frame = controls_->widget(*e.container());
    return frame ? frame : const_cast<WindowView*>(this);
}

void WindowView::elementChanged(Element& e, Property p) {
    if (!w_) return;
    if (isWindowed(e.kind())) {
        controls_->sync(e, p);
        return;
    }
    QRect& before = lastBox_[&e];
    switch (p) {
        case Property::Tooltip:
        case Property::Checked:
        case Property::List: return;  // nothing of these is drawn by a windowless element
        case Property::Enabled:
            if (e.kind() != Kind::Label) return;  // pictures and shapes look the same
            break;
        default: break;
    }
    // A hidden element's text or colour is not seen; its showing or hiding is.
    if (e.effectivelyVisible() || p == Property::Visible)
        if (changedSincePaint_.insert(&e).second) ++lookChanges_;
    // Where a text changes, only its old and new ink need painting, so the
    // neighbours its box overlaps are left alone. A new box or font is
    // painted whole, once.
    const bool sameBox = p == Property::Text || p == Property::Color || p == Property::Enabled ||
                         p == Property::Visible || p == Property::Picture;
    const QRect now = sameBox ? elementInk(e, pictures_) : elementBox(e);
    QRegion dirty = QRegion(before).united(now);
    // A label whose look on screen is known repaints only the glyphs that
    // differ: one digit of a clock second, not both.
    if (sameBox && p != Property::Visible && e.kind() == Kind::Label) {
        TextLook look = labelLook(e);
        auto shown = lastLook_.find(&e);
        if (shown != lastLook_.end() && e.effectivelyVisible())
            dirty = pictures_.cache().changedInk(elementBox(e), shown->second, look);
        lastLook_[&e] = std::move(look);
    } else {
        lastLook_.erase(&e);
    }
    QWidget* host = hostOf(e);
    host->update(dirty);
    before = now;
}

void WindowView::windowChanged(Window&) { followWindow(); }

void WindowView::followWindow() {
    if (!w_) return;
    static quint64 lastShown = 0;
    if (w_->shown() && !wasShown_) shownOrder_ = ++lastShown;
    wasShown_ = w_->shown();
    // Windows this one covered come back before it goes, so the screen
    // never shows what lies behind them all; windows it will cover give
    // their images back before it takes its own.
    if (restack_) restack_(this, wanted() ? Restack::Arriving : Restack::Leaving);
    applyPresence();
    if (wanted() && restack_) restack_(this, Restack::Shown);
}

bool WindowView::wanted() const { return w_ && w_->shown() && w_->state() != WindowState::Minimized; }

QRect WindowView::intendedGeometry() const {
    if (!w_) return {};
    if (w_->state() == WindowState::Maximized) return screenAt(w_->left(), w_->top())->geometry();
    return QRect(toPixels(w_->left()), toPixels(w_->top()), toPixels(w_->width()), toPixels(w_->height()));
}

void WindowView::setCovered(bool covered) {
    if (covered == covered_) return;
    covered_ = covered;
    applyPresence();
    if (covered_) releaseImage();
}

void WindowView::releaseImage() {
    // A hidden window keeps its image; a covered one has no use for it. The
    // toolkit makes it whole again before the window's next paint.
    if (backingStore()) backingStore()->resize(QSize(1, 1));
}

void WindowView::applyPresence() {
    if (!w_) return;
    applying_ = true;
    const Window& w = *w_;
    if (!w.shown() || covered_) {
        hide();
    } else {
        switch (w.state()) {
            case WindowState::Minimized: showMinimized(); break;
            case WindowState::Maximized: {
                QScreen* s = screenAt(w.left(), w.top());
                setScreen(s);
                // The whole screen, set here: a kiosk without a window
                // manager does nothing for a request to maximise.
                setGeometry(s->geometry());
                showMaximized();
                break;
            }
            case WindowState::Normal:
                setGeometry(intendedGeometry());
                showNormal();
                break;
        }
    }
    applying_ = false;
}

void WindowView::paintEvent(QPaintEvent* ev) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QColor background = palette().color(QPalette::Window);
    changedSincePaint_.clear();
    painter.setClipRegion(ev->region());
    if (!w_) {
        painter.fillRect(rect(), background);
        return;
    }
    addRepaints(paintWindowless(painter, *w_, nullptr, ev->region(), pictures_, underMouse(), &background));
}

void WindowView::routeClick(QPoint pos, bool second) {
    if (!w_) return;
    Window& w = *w_;
    const float x = pixelCentreTwips(pos.x()), y = pixelCentreTwips(pos.y());
    if (second)
        p_.secondClickAt(w, x, y);
    else
        p_.clickAt(w, x, y);
    inputDone();
}

void WindowView::mousePressEvent(QMouseEvent* ev) {
    if (ev->button() == Qt::LeftButton) {
        pressed_ = true;
        // A fresh press: the release of an earlier double click may have gone
        // to a box its DblClick opened, and must not swallow this click.
        secondPress_ = false;
    }
    ev->accept();
}

void WindowView::mouseReleaseEvent(QMouseEvent* ev) {
    if (ev->button() != Qt::LeftButton || !pressed_) return;
    pressed_ = false;
    if (secondPress_) {
        secondPress_ = false;  // its click went with the double click
        return;
    }
    if (rect().contains(ev->position().toPoint())) routeClick(ev->position().toPoint(), false);
}

void WindowView::mouseDoubleClickEvent(QMouseEvent* ev) {
    if (ev->button() != Qt::LeftButton) return;
    pressed_ = true;
    secondPress_ = true;
    routeClick(ev->position().toPoint(), true);
}

bool WindowView::event(QEvent* ev) {
    if ((ev->type() == QEvent::Enter || ev->type() == QEvent::Leave) && w_) {
        // A public window's close icon shows only while the pointer is over it.
        if (const Element* cross = w_->find("finmiuto"); cross && closeIconOfPublicWindow(*cross))
            update(elementBox(*cross));
    }
    if (ev->type() == QEvent::ToolTip && w_) {
        auto* help = static_cast<QHelpEvent*>(ev);
        const Element* e = w_->hitTest(pixelCentreTwips(help->pos().x()), pixelCentreTwips(help->pos().y()));
        if (e && !e->tooltip().empty() && e->effectivelyEnabled()) {
            QToolTip::showText(help->globalPos(), QString::fromStdString(e->tooltip()), this,
                               toPixels(e->absoluteGeometry()));
        } else {
            QToolTip::hideText();
            ev->ignore();
        }
        return true;
    }
    return QWidget::event(ev);
}

void WindowView::closeEvent(QCloseEvent* ev) {
    // The program decides: closing a window is unloading it (the operator
    // window's unload ends the program); the view follows the window.
    ev->ignore();
    if (w_) p_.unload(w_->name());
}

void WindowView::changeEvent(QEvent* ev) {
    QWidget::changeEvent(ev);
    if (ev->type() != QEvent::WindowStateChange || applying_ || !w_ || !isVisible()) return;
    // The operator minimised or restored the window from the desktop.
    const Qt::WindowStates s = windowState();
    const WindowState m = s & Qt::WindowMinimized   ? WindowState::Minimized
                          : s & Qt::WindowMaximized ? WindowState::Maximized
                                                    : WindowState::Normal;
    if (m != w_->state()) w_->setState(m);
}

}  // namespace tabrino::qt
