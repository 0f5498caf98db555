// Where label texts go in their boxes: long team names shrink before they
// wrap, and no line is ever drawn half.
#include <gtest/gtest.h>

#include <QFontMetricsF>

#include "qt/fonts.h"
#include "qt/text_fit.h"

namespace tabrino::qt::test {
namespace {

const Font kName{"Impact", 65.25f, false};  // the home name on the board

// Every line after the first lies whole inside the box; each fits its width
// unless it is one word too long for it.
void expectWholeLines(const TextFit& fit, QSize box) {
    const QFontMetricsF m(fit.font);
    for (qsizetype i = 0; i < fit.lines.size(); ++i) {
        SCOPED_TRACE(fit.lines[i].toStdString());
        if (i > 0) {
            EXPECT_LE(fit.shift + i * fit.lineHeight + m.ascent() + m.descent(), box.height() + 0.5);
        }
        if (fit.lines[i].contains(QLatin1Char(' '))) {
            EXPECT_LE(m.horizontalAdvance(fit.lines[i]), box.width());
        }
    }
}

TEST(TextFit, NamesShrinkOnOneLineThenWrap) {
    const int designPx = fittedFont(kName).font.pixelSize();
    // The mirror's home name box at 1280 x 720.
    const QSize box(437, 99), tall(437, 300);
    const char* const longest = "CLUB PATIN VOLTREGA SANT HIPOLIT DE VOLTREGA DE LA PLANA";
    struct Case {
        const char* name;
        QSize box;
        bool wrapped;     // on more than one line
        bool smaller;     // drawn below its design size
        bool atSmallest;  // at the smallest size allowed
    } cases[] = {
        {"LICEO", box, false, false, false},
        {"CLUB PATIN VOLTREGA", box, false, true, false},
        // Too long for one line even at half size: wrapped, and a second
        // line that would not fit the box whole is left out.
        {longest, box, false, true, true},
        {longest, tall, true, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TextFit fit = fitName(QString::fromLatin1(c.name), kName, c.box);
        EXPECT_EQ(fit.lines.size() > 1, c.wrapped);
        EXPECT_EQ(fit.font.pixelSize() < designPx, c.smaller);
        if (c.atSmallest) {
            EXPECT_NEAR(fit.font.pixelSize(), designPx * kSmallestNameScale, 2);
        } else {
            EXPECT_GT(fit.font.pixelSize(), designPx * kSmallestNameScale);
        }
        expectWholeLines(fit, c.box);
        // The words are all there, in order, in what is drawn or left out.
        if (!c.atSmallest) {
            EXPECT_EQ(fit.lines.front(), QString::fromLatin1(c.name));
        }
    }
}

TEST(TextFit, LabelsWrapAsDesignedAndMoveDownWithTheirBox) {
    const Font caption{"Impact", 20.25f, false};
    const TextFit plain = fitLabel(QStringLiteral("Libre x Faltas"), caption, {60, 200});
    EXPECT_GT(plain.lines.size(), 1);
    expectWholeLines(plain, {60, 200});
    // A half line is never drawn: a box one line high keeps only the first.
    EXPECT_EQ(fitLabel(QStringLiteral("Libre x Faltas"), caption, {60, 30}).lines.size(), 1);
    // A box stretched more than its font moves the text down, keeping its place.
    const TextFit stretched = fitLabel(QStringLiteral("07"), Font{"DS-Digital", 200, true}, {400, 400}, 1.33);
    const TextFit even = fitLabel(QStringLiteral("07"), Font{"DS-Digital", 200, true}, {400, 400}, 1.0);
    EXPECT_GT(stretched.shift, even.shift);
    EXPECT_EQ(stretched.font.pixelSize(), even.font.pixelSize());
}

}  // namespace
}  // namespace tabrino::qt::test
