#pragma once
// Basic value types of the form runtime: twips geometry, colours, kinds.
#include <cstdint>
#include <string>

namespace tabrino {

// Geometry is kept in twips as single-precision values, like the design data.
struct Rect {
    float left = 0, top = 0, width = 0, height = 0;
    bool contains(float x, float y) const { return x >= left && x < left + width && y >= top && y < top + height; }
};

// 0xRRGGBB. The settings keep colours as texts with red in the low byte;
// those are converted at the edge (see app/text.h).
using Rgb = std::uint32_t;

namespace colors {
inline constexpr Rgb black = 0x000000;
inline constexpr Rgb white = 0xFFFFFF;
inline constexpr Rgb red = 0xFF0000;
inline constexpr Rgb green = 0x00FF00;
inline constexpr Rgb yellow = 0xFFFF00;
inline constexpr Rgb cyan = 0x00FFFF;
inline constexpr Rgb pink = 0xFF80FF;
inline constexpr Rgb magenta = 0xFF00FF;
}  // namespace colors

enum class Kind {
    Label,         // windowless text
    Picture,       // windowless image, stretched to its box
    Shape,         // windowless filled rectangle/ellipse; never takes the pointer
    Button,        // windowed (a real toolkit widget)
    ComboBox,      // windowed editable drop-down
    TextBox,       // windowed
    CheckBox,      // windowed
    OptionButton,  // windowed; one selected per container
    Frame,         // windowed container with a caption
};

bool isWindowed(Kind k);
const char* kindName(Kind k);

enum class Align { Left, Center, Right };

enum class Event { Click, DblClick, Change, LostFocus };
// Window-level notifications.
enum class WindowEvent { Load, Resize, Unload };

// What changed on an element, so a view repaints only that.
enum class Property { Text, Color, Border, Font, Align, Geometry, Visible, Enabled, Tooltip, Picture, Checked, List };

enum class Presence { Hidden, Shown };  // "absent" is a window that does not exist
enum class WindowState { Normal, Maximized, Minimized };

struct Font {
    std::string face;
    float size = 8.25f;  // points
    bool bold = false;
};

}  // namespace tabrino
