#pragma once
// Where a label's text goes in its box. Kept apart from the painting so the
// result of one (text, font, box) can be kept and reused.
#include <QFont>
#include <QRect>
#include <QString>
#include <QStringList>

#include "form/types.h"

namespace tabrino::qt {

struct TextFit {
    QFont font;
    int shift = 0;       // pixels the first line moves down (negative: up)
    int lineHeight = 0;  // pixels from one line's top to the next
    QStringList lines;   // only the lines drawn, each whole
};

// A team name: on one line, at a smaller size where it does not fit (down
// to half its size), and only then wrapped at words; a further line is kept
// only where it fits the box whole.
TextFit fitName(const QString& text, const Font& font, const QSize& box);

// Any other label: wrapped at words inside its box as designed; a further
// line is kept only where it fits the box whole. `slack` moves the text down
// where the box grew taller than its font (see verticalSlack).
TextFit fitLabel(const QString& text, const Font& font, const QSize& box, double slack = 1.0);

// The smallest share of the design size a name is drawn at before it wraps.
inline constexpr double kSmallestNameScale = 0.5;

}  // namespace tabrino::qt
