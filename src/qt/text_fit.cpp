#include "qt/text_fit.h"

#include <QFontMetricsF>
#include <cmath>

#include "qt/fonts.h"

namespace tabrino::qt {

namespace {

// Word wrap of one paragraph at a width; a single word wider than the width
// keeps a line of its own.
QStringList wrapWords(const QString& paragraph, const QFontMetricsF& m, double width) {
    QStringList lines;
    QString line;
    for (const QString& word : paragraph.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString joined = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (line.isEmpty() || m.horizontalAdvance(joined) <= width) {
            line = joined;
        } else {
            lines << line;
            line = word;
        }
    }
    if (!line.isEmpty() || lines.isEmpty()) lines << line;
    return lines;
}

QStringList wrapText(const QString& text, const QFontMetricsF& m, double width) {
    QStringList lines;
    QString normalised = text;
    normalised.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    for (const QString& paragraph : normalised.split(QLatin1Char('\n'))) lines << wrapWords(paragraph, m, width);
    return lines;
}

// The first line is always drawn (the design lets big digits reach past
// their box); a further line only where its letters fit the box whole, so
// no half line is ever painted over the field below.
void keepWholeLines(TextFit& fit, const QFontMetricsF& m, int boxHeight) {
    QStringList kept;
    for (qsizetype i = 0; i < fit.lines.size(); ++i) {
        const double bottom = fit.shift + i * fit.lineHeight + m.ascent() + m.descent();
        if (i > 0 && bottom > boxHeight + 0.5) break;
        kept << fit.lines[i];
    }
    fit.lines = kept;
}

TextFit layout(const QString& text, const Font& font, double scale, const QSize& box, double slack = 1.0) {
    const FittedFont f = fittedFont(font, scale);
    TextFit fit;
    fit.font = f.font;
    fit.shift = f.shift;
    const QFontMetricsF m(f.font);
    fit.lineHeight = static_cast<int>(std::ceil(m.lineSpacing()));
    if (slack > 1.0) {
        // Keep the first line's middle where the box's proportions put it.
        const double middle = fit.shift + (m.ascent() + m.descent()) / 2.0;
        fit.shift += static_cast<int>(std::lround(middle * (slack - 1.0)));
    }
    fit.lines = wrapText(text, m, box.width());
    keepWholeLines(fit, m, box.height());
    return fit;
}

}  // namespace

TextFit fitName(const QString& text, const Font& font, const QSize& box) {
    const QString oneLine = text.simplified();
    // Largest size, in steps of 5 %, at which the name stays on one line.
    for (int step = 0;; ++step) {
        const double scale = 1.0 - 0.05 * step;
        const bool last = scale <= kSmallestNameScale + 1e-9;
        const FittedFont f = fittedFont(font, scale);
        if (QFontMetricsF(f.font).horizontalAdvance(oneLine) <= box.width() || last) {
            return layout(last ? text : oneLine, font, scale, box);
        }
    }
}

TextFit fitLabel(const QString& text, const Font& font, const QSize& box, double slack) {
    return layout(text, font, 1.0, box, slack);
}

}  // namespace tabrino::qt
