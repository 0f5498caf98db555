#include "qt/controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <algorithm>
#include <vector>

#include "qt/element_painter.h"
#include "qt/fonts.h"
#include "qt/frame_view.h"
#include "qt/window_view.h"

namespace tabrino::qt {

namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

QColor toColor(Rgb c) { return QColor::fromRgb(static_cast<QRgb>(0xFF000000u | c)); }

Qt::Alignment lineAlignment(Align a) {
    switch (a) {
        case Align::Center: return Qt::AlignCenter;
        case Align::Right: return Qt::AlignRight | Qt::AlignVCenter;
        case Align::Left: break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

}  // namespace

Controls::Controls(WindowView& view, Program& p, Window& w) : QObject(&view), view_(view), p_(p), w_(&w) {
    // Frames first, so the controls inside have their parent; then stack
    // every control from the back to the front of the window's order.
    std::vector<Element*> windowed;
    for (const auto& e : w.elements())
        if (isWindowed(e->kind())) windowed.push_back(e.get());
    std::stable_sort(windowed.begin(), windowed.end(), [](const Element* a, const Element* b) {
        return (a->kind() == Kind::Frame) > (b->kind() == Kind::Frame);
    });
    for (Element* e : windowed) {
        QWidget* parent = &view_;
        if (e->container())
            if (auto it = widgets_.find(e->container()); it != widgets_.end()) parent = it->second;
        QWidget* widget = create(*e, parent);
        widgets_[e] = widget;
        elements_[widget] = e;
        widget->installEventFilter(this);
    }
    std::sort(windowed.begin(), windowed.end(),
              [](const Element* a, const Element* b) { return a->zOrder() > b->zOrder(); });
    for (Element* e : windowed) {
        syncAll(*e);
        widgets_[e]->raise();
    }
}

QWidget* Controls::widget(const Element& e) const {
    auto it = widgets_.find(&e);
    return it == widgets_.end() ? nullptr : it->second;
}

void Controls::detach() {
    w_ = nullptr;
    for (auto& [e, widget] : widgets_) {
        widget->removeEventFilter(this);
        widget->disconnect(this);
        if (auto* f = qobject_cast<FrameView*>(widget)) f->detach();
    }
    elements_.clear();
    widgets_.clear();
}

QWidget* Controls::create(Element& e, QWidget* parent) {
    Element* el = &e;
    switch (e.kind()) {
        case Kind::Button: {
            auto* b = new QPushButton(parent);
            b->setAutoDefault(false);
            connect(b, &QPushButton::clicked, this, [this, el] { activated(*el); });
            return b;
        }
        case Kind::CheckBox: {
            auto* c = new QCheckBox(parent);
            connect(c, &QCheckBox::clicked, this, [this, el] { activated(*el); });
            return c;
        }
        case Kind::OptionButton: {
            auto* r = new QRadioButton(parent);
            r->setAutoExclusive(false);  // the model clears the others of the container
            connect(r, &QRadioButton::clicked, this, [this, el] { activated(*el); });
            return r;
        }
        case Kind::ComboBox: {
            auto* c = new QComboBox(parent);
            c->setEditable(true);
            c->setInsertPolicy(QComboBox::NoInsert);
            connect(c->lineEdit(), &QLineEdit::textEdited, this, [this, el](const QString& t) { typed(*el, t); });
            connect(c, qOverload<int>(&QComboBox::activated), this, [this, el](int i) { picked(*el, i); });
            return c;
        }
        case Kind::TextBox: {
            auto* t = new QLineEdit(parent);
            connect(t, &QLineEdit::textEdited, this, [this, el](const QString& s) { typed(*el, s); });
            return t;
        }
        case Kind::Frame: return new FrameView(view_, e, parent);
        default: break;
    }
    return nullptr;
}

void Controls::syncAll(const Element& e) {
    for (Property p : {Property::Geometry, Property::Font, Property::Color, Property::Align, Property::List,
                       Property::Text, Property::Checked, Property::Tooltip, Property::Enabled, Property::Visible})
        sync(e, p);
}

void Controls::sync(const Element& e, Property p) {
    QWidget* widget = this->widget(e);
    if (!widget) return;
    const QSignalBlocker quiet(widget);
    switch (p) {
        case Property::Geometry: widget->setGeometry(elementBox(e)); break;
        case Property::Visible: widget->setVisible(e.visible()); break;
        case Property::Enabled: widget->setEnabled(e.enabled()); break;
        case Property::Tooltip: widget->setToolTip(qs(e.tooltip())); break;
        case Property::Font:
            if (!e.font().face.empty()) widget->setFont(qtFont(e.font()));
            break;
        case Property::Color:
            // Buttons keep the system's colours; captions take the element's.
            if (e.kind() == Kind::CheckBox || e.kind() == Kind::OptionButton || e.kind() == Kind::Frame) {
                QPalette pal = widget->palette();
                // Only the enabled states, so a disabled caption greys out.
                pal.setColor(QPalette::Active, QPalette::WindowText, toColor(e.color()));
                pal.setColor(QPalette::Inactive, QPalette::WindowText, toColor(e.color()));
                widget->setPalette(pal);
            }
            break;
        case Property::Align:
            if (auto* line = qobject_cast<QLineEdit*>(widget)) line->setAlignment(lineAlignment(e.align()));
            break;
        case Property::Text: {
            const QString text = qs(e.text());
            if (auto* b = qobject_cast<QAbstractButton*>(widget)) {
                b->setText(text);  // "&" marks the access key, as in the design
            } else if (auto* f = qobject_cast<QGroupBox*>(widget)) {
                f->setTitle(text);
            } else if (auto* c = qobject_cast<QComboBox*>(widget)) {
                if (c->currentText() != text) c->setEditText(text);
            } else if (auto* line = qobject_cast<QLineEdit*>(widget)) {
                if (line->text() != text) line->setText(text);
            }
            break;
        }
        case Property::Checked:
            if (auto* b = qobject_cast<QAbstractButton*>(widget); b && b->isCheckable()) b->setChecked(e.checked());
            break;
        case Property::List:
            if (auto* c = qobject_cast<QComboBox*>(widget)) {
                const QSignalBlocker quietLine(c->lineEdit());
                c->clear();
                for (const std::string& item : e.list()) c->addItem(qs(item));
                c->setEditText(qs(e.text()));
            }
            break;
        case Property::Border:
        case Property::Picture: break;
    }
}

void Controls::activated(Element& e) {
    if (!w_) return;
    if (releasedAt_) {
        const QPoint at = *releasedAt_;
        releasedAt_.reset();
        view_.routeClick(at, false);
    } else {
        pressedByKey(e);
    }
    // The widget toggled itself; the model has the last word.
    if (!w_) return;
    if (e.kind() == Kind::CheckBox || e.kind() == Kind::OptionButton) sync(e, Property::Checked);
}

void Controls::pressedByKey(Element& e) {
    if (!w_ || !e.effectivelyEnabled() || !e.window().shown()) return;
    switch (e.kind()) {
        case Kind::CheckBox: e.setChecked(!e.checked()); break;
        case Kind::OptionButton: e.setChecked(true); break;
        default: p_.press(e); break;
    }
    view_.inputDone();
}

void Controls::typed(Element& e, const QString& text) {
    if (!w_) return;
    e.setText(text.toStdString());  // the drop-down's and the box's Change
    view_.inputDone();
}

void Controls::picked(Element& e, int index) {
    if (!w_) return;
    auto* combo = qobject_cast<QComboBox*>(widget(e));
    if (!combo || index < 0) return;
    e.setTextSilently(combo->itemText(index).toStdString());
    if (w_) p_.press(e);  // picking an item is the list's Click
    view_.inputDone();
}

bool Controls::eventFilter(QObject* watched, QEvent* ev) {
    auto it = elements_.find(watched);
    if (!w_ || it == elements_.end()) return QObject::eventFilter(watched, ev);
    Element& e = *it->second;
    switch (ev->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress: releasedAt_.reset(); break;
        case QEvent::MouseButtonRelease: {
            auto* m = static_cast<QMouseEvent*>(ev);
            auto* w = qobject_cast<QWidget*>(watched);
            if (m->button() == Qt::LeftButton && w) releasedAt_ = w->mapTo(&view_, m->position().toPoint());
            break;
        }
        case QEvent::Shortcut:
            // The access key of a caption ("poses&xion": Alt+X) presses the
            // control even where another control covers it.
            pressedByKey(e);
            if (w_ && (e.kind() == Kind::CheckBox || e.kind() == Kind::OptionButton)) sync(e, Property::Checked);
            return true;
        case QEvent::FocusIn: p_.setFocus(&e); break;
        case QEvent::FocusOut: {
            const auto reason = static_cast<QFocusEvent*>(ev)->reason();
            // Another window or a menu taking the keyboard is no lost focus.
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
                p_.leave(e);
                view_.inputDone();
            }
            break;
        }
        default: break;
    }
    return QObject::eventFilter(watched, ev);
}

}  // namespace tabrino::qt
