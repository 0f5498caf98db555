#pragma once
// One element of a window: a label, picture, shape or windowed control.
// Setters notify the window only when a value really changes, so views can
// repaint just that element; every write is still reported to the host
// (the game clock needs to know when anything but the tick wrote it).
#include <string>
#include <vector>

#include "form/types.h"

namespace tabrino {

class Window;

class Element {
public:
    Element(Window& window, std::string name, Kind kind);
    Element(const Element&) = delete;
    Element& operator=(const Element&) = delete;

    const std::string& name() const { return name_; }
    Kind kind() const { return kind_; }
    Window& window() const { return window_; }

    const std::string& text() const { return text_; }
    // On a drop-down, setting the text fires its Change (typed or by program).
    void setText(std::string text);
    // Sets the text without any event: picking a list item, design load.
    void setTextSilently(std::string text);

    Rgb color() const { return color_; }  // text colour; fill for shapes
    void setColor(Rgb c);
    Rgb border() const { return border_; }  // outline of shapes
    void setBorder(Rgb c);

    const Font& font() const { return font_; }
    void setFont(Font f);
    void setFontSize(float points);

    Align align() const { return align_; }
    void setAlign(Align a);

    // Relative to the container (a frame) or to the window's client area.
    const Rect& geometry() const { return geometry_; }
    void setGeometry(Rect r);  // moved and sized in one operation
    void setLeft(float v);
    void setTop(float v);
    void setWidth(float v);
    void setHeight(float v);
    Rect absoluteGeometry() const;

    bool visible() const { return visible_; }
    void setVisible(bool v);
    // Shown on screen: visible itself and inside a visible container.
    bool effectivelyVisible() const;

    bool enabled() const { return enabled_; }
    void setEnabled(bool e);
    bool effectivelyEnabled() const;

    const std::string& tooltip() const { return tooltip_; }
    void setTooltip(std::string t);

    const std::string& picture() const { return picture_; }  // picture id
    void setPicture(std::string id);

    // Check boxes and option buttons. Setting by program runs the control's
    // Click handler when the value changes, as the operator's change would;
    // selecting an option clears the others of its container.
    bool checked() const { return checked_; }
    void setChecked(bool c);

    // Drop-down list items.
    const std::vector<std::string>& list() const { return list_; }
    void clearList();
    void addItem(std::string item);

    Element* container() const { return container_; }
    void setContainer(Element* frame) { container_ = frame; }

    // Position in the window's stacking order; 0 is the front-most.
    int zOrder() const { return z_; }
    void setZOrder(int z) { z_ = z; }

private:
    void changed(Property p, bool reallyChanged);

    Window& window_;
    std::string name_;
    Kind kind_;
    std::string text_;
    Rgb color_ = colors::black;
    Rgb border_ = colors::black;
    Font font_;
    Align align_ = Align::Left;
    Rect geometry_;
    bool visible_ = true;
    bool enabled_ = true;
    std::string tooltip_;
    std::string picture_;
    bool checked_ = false;
    std::vector<std::string> list_;
    Element* container_ = nullptr;
    int z_ = 0;
};

}  // namespace tabrino
