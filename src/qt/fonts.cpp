#include "qt/fonts.h"

#include <QFontMetricsF>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace tabrino::qt {

namespace {

const QString kDigital = QStringLiteral("DS-Digital");
const QString kImpact = QStringLiteral("Impact");

// Width of one digit of the design's seven-segment face, in ems: the clock
// boxes are drawn to hold two such digits at the design size.
constexpr double kDigitAdvanceEm = 0.42;

// The stretch that gives the substitute face that digit width (computed once:
// it depends only on the face found).
int digitalStretch() {
    static const int stretch = [] {
        QFont probe(kDigital);
        probe.setPixelSize(200);
        probe.setBold(true);
        const double advance = QFontMetricsF(probe).horizontalAdvance(QLatin1Char('0')) / 200.0;
        if (advance <= 0) return 100;
        return std::clamp(static_cast<int>(std::lround(100.0 * kDigitAdvanceEm / advance)), 25, 100);
    }();
    return stretch;
}

}  // namespace

void installFontSubstitutions() {
    static const bool done = [] {
        QFont::insertSubstitutions(kDigital, {QStringLiteral("DSEG7 Classic"), QStringLiteral("DSEG7 Modern")});
        QFont::insertSubstitutions(kImpact, {QStringLiteral("Roboto Condensed"), QStringLiteral("DejaVu Sans Condensed"),
                                             QStringLiteral("Liberation Sans Narrow")});
        QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                                   {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
        return true;
    }();
    (void)done;
}

int pixelSize(float points, double scale) {
    return std::max(1, static_cast<int>(std::lround(points * 96.0 / 72.0 * scale)));
}

QFont qtFont(const Font& f, double scale) {
    installFontSubstitutions();
    const QString face = QString::fromStdString(f.face);
    QFont font(face);
    font.setPixelSize(pixelSize(f.size, scale));
    // Impact is a heavy face at its regular weight; its substitute needs bold.
    font.setBold(f.bold || face == kImpact);
    if (face == kDigital) font.setStretch(digitalStretch());
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

}  // namespace tabrino::qt
