#pragma once
// Short constructors for design-table rows, so each window's table reads
// like the designer's list: name, box, font, colour, text, alignment, state.
#include <string>

#include "form/design.h"

namespace tabrino::rows {

struct Box {
    float left, top, width, height;
};

inline ElementDesign label(std::string name, Box b, std::string face, float size, bool bold, Rgb color,
                           std::string text, Align align = Align::Left, bool visible = true,
                           std::string tooltip = {}) {
    ElementDesign d;
    d.name = std::move(name);
    d.kind = Kind::Label;
    d.left = b.left, d.top = b.top, d.width = b.width, d.height = b.height;
    d.fontFace = std::move(face);
    d.fontSize = size;
    d.bold = bold;
    d.color = color;
    d.text = std::move(text);
    d.align = align;
    d.visible = visible;
    d.tooltip = std::move(tooltip);
    return d;
}

inline ElementDesign picture(std::string name, Box b, std::string picture, bool visible = true,
                             bool enabled = true, std::string tooltip = {}) {
    ElementDesign d;
    d.name = std::move(name);
    d.kind = Kind::Picture;
    d.left = b.left, d.top = b.top, d.width = b.width, d.height = b.height;
    d.picture = std::move(picture);
    d.visible = visible;
    d.enabled = enabled;
    d.tooltip = std::move(tooltip);
    return d;
}

inline ElementDesign control(Kind kind, std::string name, Box b, std::string face, float size, bool bold,
                             std::string text, std::string tooltip = {}, std::string container = {}) {
    ElementDesign d;
    d.name = std::move(name);
    d.kind = kind;
    d.left = b.left, d.top = b.top, d.width = b.width, d.height = b.height;
    d.fontFace = std::move(face);
    d.fontSize = size;
    d.bold = bold;
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
