#include "form/window.h"

#include <algorithm>
#include <stdexcept>

namespace tabrino {

Window::Window(const WindowDesign& design, WindowHost* host) : design_(design), host_(nullptr), name_(design.name) {
    // Built quietly: the design state is not a change anyone must hear of.
    for (const ElementDesign& d : design.elements) {
        auto e = std::make_unique<Element>(*this, d.name, d.kind);
        Element& el = *e;
        byName_[d.name] = e.get();
        elements_.push_back(std::move(e));
        // Direct member set up, without notifications: the window is new.
        el.setTextSilently(d.text);
        el.setColor(d.color);
        el.setBorder(d.border);
        el.setFont(Font{d.fontFace, d.fontSize, d.bold});
        el.setAlign(d.align);
        el.setGeometry({d.left, d.top, d.width, d.height});
        el.setVisible(d.visible);
        el.setEnabled(d.enabled);
        el.setTooltip(d.tooltip);
        el.setPicture(d.picture);
        for (const auto& item : d.list) el.addItem(item);
    }
    for (const ElementDesign& d : design.elements) {
        Element& el = *byName_.at(d.name);
        if (!d.container.empty()) el.setContainer(&(*this)[d.container]);
    }
    // Checked states last, once containers are known, and without handlers.
    for (const ElementDesign& d : design.elements)
        if (d.checked) byName_.at(d.name)->setChecked(true);

    auto order = [&](const std::vector<std::string>& names, bool windowed) {
        std::vector<Element*> out;
        for (const auto& n : names) {
            Element* e = find(n);
            if (e && isWindowed(e->kind()) == windowed) out.push_back(e);
        }
        for (auto& e : elements_)
            if (isWindowed(e->kind()) == windowed && std::find(out.begin(), out.end(), e.get()) == out.end())
                out.push_back(e.get());
        return out;
    };
    windowlessFrontToBack_ = order(design.frontToBack, false);
    windowedFrontToBack_ = order(design.controlsFrontToBack, true);
    int z = 0;
    for (Element* e : windowedFrontToBack_) e->setZOrder(z++);
    for (Element* e : windowlessFrontToBack_) e->setZOrder(z++);
    width_ = design.width;
    height_ = design.height;
    host_ = host;
}

Element& Window::operator[](const std::string& name) const {
    auto it = byName_.find(name);
    if (it == byName_.end()) throw std::out_of_range("no element " + name + " on " + name_);
    return *it->second;
}

Element* Window::find(const std::string& name) const {
    auto it = byName_.find(name);
    return it == byName_.end() ? nullptr : it->second;
}

Element* Window::hitTest(float x, float y) const {
    for (const auto* list : {&windowedFrontToBack_, &windowlessFrontToBack_}) {
        // Inner controls sit in front of the frame that holds them.
        Element* frameHit = nullptr;
        for (Element* e : *list) {
            if (e->kind() == Kind::Shape || !e->effectivelyVisible()) continue;
            if (!e->absoluteGeometry().contains(x, y)) continue;
            if (e->kind() == Kind::Frame) {
                if (!frameHit) frameHit = e;
                continue;
            }
            return e;
        }
        if (frameHit) return frameHit;
    }
    return nullptr;
}

std::vector<Element*> Window::paintOrder() const {
    return {windowlessFrontToBack_.rbegin(), windowlessFrontToBack_.rend()};
}

void Window::show() {
    if (presence_ != Presence::Shown && host_ && !host_->mayShow(*this)) return;
    bool first = !everShown_;
    bool ch = presence_ != Presence::Shown;
    presence_ = Presence::Shown;
    everShown_ = true;
    if (ch) windowChanged();
    if (first) notifyResize();
}

void Window::hide() {
    if (presence_ == Presence::Hidden) return;
    presence_ = Presence::Hidden;
    windowChanged();
}

void Window::setState(WindowState s) {
    if (s == state_) return;
    state_ = s;
    windowChanged();
    if (presence_ == Presence::Shown) notifyResize();
}

void Window::setLeft(float v) { setBounds(v, top_, width_, height_); }
void Window::setTop(float v) { setBounds(left_, v, width_, height_); }
void Window::setWidth(float v) { setBounds(left_, top_, v, height_); }
void Window::setHeight(float v) { setBounds(left_, top_, width_, v); }

void Window::setBounds(float left, float top, float width, float height) {
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    windowChanged();
}

void Window::addListener(WindowListener* l) { listeners_.push_back(l); }

void Window::removeListener(WindowListener* l) {
    listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), l), listeners_.end());
}

void Window::elementChanged(Element& e, Property p, bool changed) {
    if (host_) host_->written(e, p, changed);
    if (!changed) return;
    // A listener may remove itself while being told; iterate over a copy.
    auto ls = listeners_;
    for (WindowListener* l : ls) l->elementChanged(e, p);
}

void Window::fire(Element& e, Event ev) {
    if (host_) host_->fire(e, ev);
}

void Window::notifyResize() {
    if (host_) host_->fireWindow(*this, WindowEvent::Resize);
}

void Window::windowChanged() {
    auto ls = listeners_;
    for (WindowListener* l : ls) l->windowChanged(*this);
}

}  // namespace tabrino
