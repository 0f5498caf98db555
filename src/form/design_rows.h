#pragma once
// Short constructors for design-table rows, so each window's table reads
// like the designer's list: name, box, font, colour, text, alignment, state.
#include <string>

#include "form/design.h"

namespace tabrino::rows {

struct Box {
    float left, top, width, height;
};

// A row's font weight, named so a row carries no bare boolean.
enum class Weight { Regular, Bold };
inline constexpr Weight regular = Weight::Regular, bold = Weight::Bold;

// How an element starts, written with designated initialisers so a row says
// which flag it sets: {.visible = false}, {.enabled = false, .tooltip = "…"}.
struct State {
    bool visible = true;
    bool enabled = true;
    bool checked = false;
    std::string tooltip = {};
};

inline void applyState(ElementDesign& d, State s) {
    d.visible = s.visible;
    d.enabled = s.enabled;
    d.checked = s.checked;
    d.tooltip = std::move(s.tooltip);
}

inline ElementDesign label(std::string name, Box b, std::string face, float size, Weight weight, Rgb color,
                           std::string text, Align align = Align::Left, State state = {}) {
    ElementDesign d;
    d.name = std::move(name);
    d.kind = Kind::Label;
    d.left = b.left, d.top = b.top, d.width = b.width, d.height = b.height;
    d.fontFace = std::move(face);
    d.fontSize = size;
    d.bold = weight == Weight::Bold;
    d.color = color;
    d.text = std::move(text);
    d.align = align;
    applyState(d, std::move(state));
    return d;
}

inline ElementDesign picture(std::string name, Box b, std::string picture, State state = {}) {
    ElementDesign d;
    d.name = std::move(name);
    d.kind = Kind::Picture;
    d.left = b.left, d.top = b.top, d.width = b.width, d.height = b.height;
    d.picture = std::move(picture);
    applyState(d, std::move(state));
    return d;
}

inline ElementDesign control(Kind kind, std::string name, Box b, std::string face, float size, Weight weight,
                             std::string text, std::string tooltip = {}, std::string container = {}) {
    ElementDesign d;
    d.name = std::move(name);
    d.kind = kind;
    d.left = b.left, d.top = b.top, d.width = b.width, d.height = b.height;
    d.fontFace = std::move(face);
    d.fontSize = size;
    d.bold = weight == Weight::Bold;
    d.text = std::move(text);
    d.tooltip = std::move(tooltip);
    d.container = std::move(container);
    return d;
}

inline ElementDesign shape(std::string name, Box b, Rgb fill, Rgb border, std::string container = {}) {
    ElementDesign d;
    d.name = std::move(name);
    d.kind = Kind::Shape;
    d.left = b.left, d.top = b.top, d.width = b.width, d.height = b.height;
    d.color = fill;
    d.border = border;
    d.container = std::move(container);
    return d;
}

}  // namespace tabrino::rows
