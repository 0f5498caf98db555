#include "qt/fonts.h"

#include <QFontMetricsF>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <map>

namespace tabrino::qt {

namespace {

// What the layouts expect of a design face, in ems of its size: a reference
// glyph's height and how far below the top of the text line it starts, and
// the advance of a sample text.
struct DesignFace {
    QString name;
    QStringList substitutes;
    bool heavy;  // drawn bold even at its regular weight
    QString glyph;
    double glyphHeightEm, glyphTopEm;
    QString sample;
    double sampleAdvanceEm;
};

const std::vector<DesignFace>& designFaces() {
    static const std::vector<DesignFace> faces = {
        // Seven-segment clock digits: two digits fill a clock box.
        {QStringLiteral("DS-Digital"),
         {QStringLiteral("DSEG7 Classic"), QStringLiteral("DSEG7 Modern")},
         false,
         QStringLiteral("0"),
         0.62,
         0.17,
         QStringLiteral("0"),
         0.42},
        // A heavy condensed face with tall capitals.
        {QStringLiteral("Impact"),
         {QStringLiteral("Roboto Condensed"), QStringLiteral("DejaVu Sans Condensed"),
          QStringLiteral("Liberation Sans Narrow")},
         true,
         QStringLiteral("H"),
         0.79,
         0.22,
         QStringLiteral("PERIODO"),
         3.43},
    };
    return faces;
}

struct Fit {
    double size = 1.0;  // substitute em / design em
    int stretch = 100;
    double shiftEm = 0;  // in design ems
};

// Measured once per face on the substitute actually found.
const Fit& fitFor(const DesignFace& d) {
    static std::map<QString, Fit> fits;
    auto it = fits.find(d.name);
    if (it != fits.end()) return it->second;
    Fit fit;
    QFont probe(d.name);
    probe.setPixelSize(1000);
    probe.setBold(d.heavy);
    const QFontMetricsF m(probe);
    const QRectF glyph = m.tightBoundingRect(d.glyph);
    if (glyph.height() > 0 && m.horizontalAdvance(d.sample) > 0) {
        fit.size = d.glyphHeightEm * 1000.0 / glyph.height();
        const double advance = m.horizontalAdvance(d.sample) / 1000.0 * fit.size;
        fit.stretch = std::clamp(static_cast<int>(std::lround(100.0 * d.sampleAdvanceEm / advance)), 25, 200);
        // Where the substitute's glyph starts below the line top, at its fitted size.
        const double topEm = (m.ascent() + glyph.top()) / 1000.0 * fit.size;
        fit.shiftEm = d.glyphTopEm - topEm;
    }
    return fits.emplace(d.name, fit).first->second;
}

const DesignFace* designFace(const QString& face) {
    for (const DesignFace& d : designFaces())
        if (d.name == face) return &d;
    return nullptr;
}

}  // namespace

void installFontSubstitutions() {
    static const bool done = [] {
        for (const DesignFace& d : designFaces()) QFont::insertSubstitutions(d.name, d.substitutes);
        QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                                   {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
        return true;
    }();
    (void)done;
}

QStringList missingDesignFaces(const QStringList& installed) {
    QStringList missing;
    const auto any = [&installed](const QString& face, const QStringList& subs) {
        if (installed.contains(face, Qt::CaseInsensitive)) return true;
        return std::any_of(subs.begin(), subs.end(),
                           [&installed](const QString& s) { return installed.contains(s, Qt::CaseInsensitive); });
    };
    for (const DesignFace& d : designFaces())
        if (!any(d.name, d.substitutes)) missing << d.name;
    if (!any(QStringLiteral("MS Sans Serif"), {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")}))
        missing << QStringLiteral("MS Sans Serif");
    return missing;
}

int pixelSize(float points, double scale) {
    return std::max(1, static_cast<int>(std::lround(points * 96.0 / 72.0 * scale)));
}

FittedFont fittedFont(const Font& f, double scale) {
    installFontSubstitutions();
    const QString face = QString::fromStdString(f.face);
    const int px = pixelSize(f.size, scale);
    FittedFont out{QFont(face), 0};
    out.font.setStyleStrategy(QFont::PreferAntialias);
    const DesignFace* d = designFace(face);
    out.font.setBold(f.bold || (d && d->heavy));
    if (!d) {
        out.font.setPixelSize(px);
        return out;
    }
    const Fit& fit = fitFor(*d);
    out.font.setPixelSize(std::max(1, static_cast<int>(std::lround(px * fit.size))));
    out.font.setStretch(fit.stretch);
    out.shift = static_cast<int>(std::lround(px * fit.shiftEm));
    return out;
}

}  // namespace tabrino::qt
