#pragma once
// A window of the form runtime: its elements, stacking, state and geometry.
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "form/design.h"
#include "form/element.h"

namespace tabrino {

// The program side of a window: runs handlers and reacts to writes.
class WindowHost {
public:
    virtual ~WindowHost() = default;
    virtual void fire(Element& e, Event ev) = 0;
    virtual void fireWindow(Window& w, WindowEvent ev) = 0;
    // Every write, changed or not (changed tells whether the value moved).
    virtual void written(Element& e, Property p, bool changed) = 0;
};

// A view of a window (the Qt shell): told what changed so it repaints that.
class WindowListener {
public:
    virtual ~WindowListener() = default;
    virtual void elementChanged(Element& e, Property p) = 0;
    virtual void windowChanged(Window& w) = 0;  // presence, state, geometry
};

class Window {
public:
    Window(const WindowDesign& design, WindowHost* host);
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    const std::string& name() const { return name_; }
    const WindowDesign& design() const { return design_; }

    // Throws std::out_of_range for an unknown name: a wrong name is a bug.
    Element& operator[](const std::string& name) const;
    Element* find(const std::string& name) const;
    const std::vector<std::unique_ptr<Element>>& elements() const { return elements_; }

    // Front-most shown element at a point (twips, client area): windowed
    // controls first, then labels/pictures; shapes never take the pointer.
    // A disabled element is still returned: it swallows the event.
    Element* hitTest(float x, float y) const;
    // Windowless elements in painting order, back to front.
    std::vector<Element*> paintOrder() const;

    Presence presence() const { return presence_; }
    bool shown() const { return presence_ == Presence::Shown; }
    // The first show runs the resize notification (where scaling happens).
    void show();
    void hide();

    WindowState state() const { return state_; }
    // A change of state runs the resize notification while the window is shown.
    void setState(WindowState s);

    float left() const { return left_; }
    float top() const { return top_; }
    float width() const { return width_; }
    float height() const { return height_; }
    void setLeft(float v);
    void setTop(float v);
    void setWidth(float v);
    void setHeight(float v);
    // Outer geometry set by maximising, without a resize notification.
    void setBounds(float left, float top, float width, float height);

    // Marks that the window's elements have been scaled to their screen.
    bool scaled() const { return scaled_; }
    void setScaled(bool s) { scaled_ = s; }

    void addListener(WindowListener* l);
    void removeListener(WindowListener* l);

    // Called by elements.
    void elementChanged(Element& e, Property p, bool changed);
    void fire(Element& e, Event ev);
    void notifyResize();

private:
    void windowChanged();

    const WindowDesign& design_;
    WindowHost* host_;
    std::string name_;
    std::vector<std::unique_ptr<Element>> elements_;
    std::unordered_map<std::string, Element*> byName_;
    std::vector<Element*> windowlessFrontToBack_;
    std::vector<Element*> windowedFrontToBack_;
    std::vector<WindowListener*> listeners_;
    Presence presence_ = Presence::Hidden;
    WindowState state_ = WindowState::Normal;
    bool everShown_ = false;
    bool scaled_ = false;
    float left_ = 0, top_ = 0, width_ = 0, height_ = 0;
};

}  // namespace tabrino
