#include "form/element.h"

#include <utility>

#include "form/window.h"

namespace tabrino {

bool isWindowed(Kind k) {
    switch (k) {
        case Kind::Button:
        case Kind::ComboBox:
        case Kind::TextBox:
        case Kind::CheckBox:
        case Kind::OptionButton:
        case Kind::Frame: return true;
        default: return false;
    }
}

const char* kindName(Kind k) {
    switch (k) {
        case Kind::Label: return "label";
        case Kind::Picture: return "picture";
        case Kind::Shape: return "shape";
        case Kind::Button: return "button";
        case Kind::ComboBox: return "combobox";
        case Kind::TextBox: return "textbox";
        case Kind::CheckBox: return "checkbox";
        case Kind::OptionButton: return "option";
        case Kind::Frame: return "frame";
    }
    return "?";
}

Element::Element(Window& window, std::string name, Kind kind) : window_(window), name_(std::move(name)), kind_(kind) {}

void Element::changed(Property p, bool reallyChanged) { window_.elementChanged(*this, p, reallyChanged); }

void Element::setText(std::string text) {
    bool c = text != text_;
    text_ = std::move(text);
    changed(Property::Text, c);
    if (kind_ == Kind::ComboBox || (kind_ == Kind::TextBox && c)) window_.fire(*this, Event::Change);
}

void Element::setTextSilently(std::string text) {
    bool c = text != text_;
    text_ = std::move(text);
    changed(Property::Text, c);
}

void Element::setColor(Rgb c) {
    bool ch = c != color_;
    color_ = c;
    changed(Property::Color, ch);
}

void Element::setBorder(Rgb c) {
    bool ch = c != border_;
    border_ = c;
    changed(Property::Border, ch);
}

void Element::setFont(Font f) {
    bool ch = f.face != font_.face || f.size != font_.size || f.bold != font_.bold;
    font_ = std::move(f);
    changed(Property::Font, ch);
}

void Element::setFontSize(float points) {
    bool ch = points != font_.size;
    font_.size = points;
    changed(Property::Font, ch);
}

void Element::setAlign(Align a) {
    bool ch = a != align_;
    align_ = a;
    changed(Property::Align, ch);
}

void Element::setGeometry(Rect r) {
    bool ch = r.left != geometry_.left || r.top != geometry_.top || r.width != geometry_.width ||
              r.height != geometry_.height;
    geometry_ = r;
    changed(Property::Geometry, ch);
}

void Element::setLeft(float v) { setGeometry({v, geometry_.top, geometry_.width, geometry_.height}); }
void Element::setTop(float v) { setGeometry({geometry_.left, v, geometry_.width, geometry_.height}); }
void Element::setWidth(float v) { setGeometry({geometry_.left, geometry_.top, v, geometry_.height}); }
void Element::setHeight(float v) { setGeometry({geometry_.left, geometry_.top, geometry_.width, v}); }

Rect Element::absoluteGeometry() const {
    Rect r = geometry_;
    for (Element* c = container_; c; c = c->container_) {
        r.left += c->geometry_.left;
        r.top += c->geometry_.top;
    }
    return r;
}

void Element::setVisible(bool v) {
    bool ch = v != visible_;
    visible_ = v;
    changed(Property::Visible, ch);
}

bool Element::effectivelyVisible() const {
    for (const Element* e = this; e; e = e->container_)
        if (!e->visible_) return false;
    return true;
}

void Element::setEnabled(bool e) {
    bool ch = e != enabled_;
    enabled_ = e;
    changed(Property::Enabled, ch);
}

bool Element::effectivelyEnabled() const {
    for (const Element* e = this; e; e = e->container_)
        if (!e->enabled_) return false;
    return true;
}

void Element::setTooltip(std::string t) {
    bool ch = t != tooltip_;
    tooltip_ = std::move(t);
    changed(Property::Tooltip, ch);
}

void Element::setPicture(std::string id) {
    bool ch = id != picture_;
    picture_ = std::move(id);
    changed(Property::Picture, ch);
}

void Element::setChecked(bool c) {
    if (c == checked_) {
        changed(Property::Checked, false);
        return;
    }
    checked_ = c;
    if (kind_ == Kind::OptionButton && c) {
        // One selected option per container; clearing the others runs nothing.
        for (auto& other : window_.elements()) {
            if (other.get() != this && other->kind_ == Kind::OptionButton && other->container_ == container_ &&
                other->checked_) {
                other->checked_ = false;
                other->changed(Property::Checked, true);
            }
        }
    }
    changed(Property::Checked, true);
    if (kind_ == Kind::CheckBox || (kind_ == Kind::OptionButton && c)) window_.fire(*this, Event::Click);
}

void Element::clearList() {
    bool ch = !list_.empty();
    list_.clear();
    changed(Property::List, ch);
}

void Element::addItem(std::string item) {
    list_.push_back(std::move(item));
    changed(Property::List, true);
}

}  // namespace tabrino
