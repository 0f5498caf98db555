#pragma once
// Design data of a window: one table row per element, as drawn in the
// designer. Each window has its table in a file of its own.
#include <string>
#include <vector>

#include "form/types.h"

namespace tabrino {

struct ElementDesign {
    std::string name;
    Kind kind = Kind::Label;
    float left = 0, top = 0, width = 0, height = 0;
    std::string fontFace;  // empty: no font (pictures, shapes)
    float fontSize = 0;
    bool bold = false;
    Rgb color = colors::black;  // text colour; fill for shapes
    std::string text;
    Align align = Align::Left;
    bool visible = true;
    bool enabled = true;
    std::string tooltip;
    std::string picture;            // picture id (file name without .svg)
    std::vector<std::string> list;  // drop-down items
    std::string container;          // enclosing frame, if any
    bool checked = false;
    Rgb border = colors::black;  // shapes
};

struct WindowDesign {
    std::string name;
    std::string title;                    // caption; shown only on framed windows
    float width = 19200, height = 10800;  // client area in twips
    Rgb background = colors::black;
    bool framed = false;                  // a normal window with a title bar (settings)
    bool scaled = true;                   // maximised and scaled to its screen
    bool publicWindow = false;            // goes to an extra screen
    std::vector<ElementDesign> elements;  // element order (used by scaling)
    // Stacking among windowless elements, front to back. Windowed controls
    // keep their own order in `controlsFrontToBack`. Elements missing from
    // the lists stack behind the listed ones, in element order.
    std::vector<std::string> frontToBack;
    std::vector<std::string> controlsFrontToBack;
};

// What in a design names an element the design does not have (stacking
// lists, containers) or names two elements alike; empty when sound. A
// window built from a faulty design skips such names, so they are caught
// when the program is wired instead.
std::vector<std::string> designFaults(const WindowDesign& d);

}  // namespace tabrino
