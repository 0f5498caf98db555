#include "qt/report_pdf.h"

#include <QDateTime>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <functional>
#include <vector>

#include "report/csv.h"

namespace tabrino::qt {

namespace {

using report::Event;
using report::Kind;
using report::Match;
using report::Side;

QString q(const std::string& s) { return QString::fromStdString(s); }

QString pair(int l, int v) { return QString::number(l) + QStringLiteral(" - ") + QString::number(v); }

QString minuteText(const Event& e) {
    return e.minute > 0 ? QString::number(e.minute) + QStringLiteral("'") : QString();
}

// One page after another on the writer, a cursor going down each page.
class Sheet {
public:
    Sheet(QPdfWriter& w, QPainter& p, const Match& m) : w_(w), p_(p), m_(m) {
        width_ = w.width();
        height_ = w.height();
        footer();
    }

    int pages() const { return pages_; }
    qreal width() const { return width_; }
    qreal& y() { return y_; }
    QPainter& painter() { return p_; }

    // Room for `h` more points, or a new page with a short heading.
    void need(qreal h) {
        if (y_ + h <= height_ - kFooter) return;
        w_.newPage();
        ++pages_;
        y_ = 0;
        footer();
        QFont f = font(9, true);
        p_.setFont(f);
        p_.setPen(Qt::black);
        p_.drawText(QRectF(0, y_, width_, 14), Qt::AlignLeft | Qt::AlignVCenter,
                    QStringLiteral("Informe del partido (continuación): ") + q(report::resultLine(m_)));
        y_ += 22;
    }

    static QFont font(qreal pt, bool bold = false) {
        QFont f(QStringLiteral("Liberation Sans"));
        f.setStyleHint(QFont::SansSerif);
        f.setPointSizeF(pt);
        f.setBold(bold);
        return f;
    }

    void heading(const QString& text) {
        need(18 + 2 * kRow);
        y_ += 8;
        p_.setFont(font(11, true));
        p_.setPen(QColor(0x10, 0x30, 0x70));
        p_.drawText(QRectF(0, y_, width_, 16), Qt::AlignLeft | Qt::AlignVCenter, text);
        y_ += 16;
        p_.setPen(QPen(QColor(0x10, 0x30, 0x70), 0.8));
        p_.drawLine(QPointF(0, y_), QPointF(width_, y_));
        y_ += 3;
    }

    // A table: relative column widths, a header row, then the rows; a row
    // marked grey (a correction) is drawn in italics.
    struct Row {
        QStringList cells;
        bool grey = false;
        bool bold = false;
    };
    void table(const std::vector<qreal>& widths, const QStringList& header, const std::vector<Row>& rows,
               const std::vector<Qt::Alignment>& align = {}) {
        qreal total = 0;
        for (qreal w : widths) total += w;
        auto draw = [&](const QStringList& cells, bool head, bool grey, bool bold) {
            QFont f = font(8.5, head || bold);
            f.setItalic(grey);
            const QFontMetricsF fm(f, &w_);  // the page's resolution, not the screen's
            // A long name or detail wraps at words onto more lines of the row
            // rather than losing its end.
            qreal h = kRow;
            for (int i = 0; i < cells.size() && i < static_cast<int>(widths.size()); ++i) {
                const qreal w = widths[static_cast<std::size_t>(i)] / total * width_ - 6;
                const QRectF r = fm.boundingRect(QRectF(0, 0, w, 1000), Qt::TextWordWrap, cells[i]);
                h = std::max(h, r.height() + 3);
            }
            need(h);
            if (head) p_.fillRect(QRectF(0, y_, width_, h), QColor(0xE4, 0xE8, 0xF0));
            p_.setFont(f);
            p_.setPen(grey ? QColor(0x70, 0x70, 0x70) : Qt::black);
            qreal x = 0;
            for (int i = 0; i < cells.size() && i < static_cast<int>(widths.size()); ++i) {
                const qreal w = widths[static_cast<std::size_t>(i)] / total * width_;
                const QRectF box(x + 3, y_, w - 6, h);
                const Qt::Alignment a =
                    i < static_cast<int>(align.size()) ? align[static_cast<std::size_t>(i)] : Qt::AlignLeft;
                p_.drawText(box, a | Qt::AlignVCenter | Qt::TextWordWrap, cells[i]);
                x += w;
            }
            y_ += h;
            p_.setPen(QPen(QColor(0xD0, 0xD0, 0xD0), 0.4));
            p_.drawLine(QPointF(0, y_), QPointF(width_, y_));
        };
        draw(header, true, false, false);
        for (const Row& r : rows) draw(r.cells, false, r.grey, r.bold);
    }

    // Bold captions over parts of the next table: the first text over the
    // first width, the second over the last (widths relative, as in table()).
    void band(const QStringList& texts, const std::vector<qreal>& widths) {
        need(2 * kRow);
        qreal total = 0;
        for (qreal w : widths) total += w;
        p_.setFont(font(9, true));
        p_.setPen(Qt::black);
        const QFontMetricsF fm(p_.font(), &w_);
        const qreal first = widths.front() / total * width_, last = widths.back() / total * width_;
        p_.drawText(QRectF(3, y_, first - 6, kRow), Qt::AlignLeft | Qt::AlignVCenter,
                    fm.elidedText(texts.value(0), Qt::ElideRight, first - 6));
        p_.drawText(QRectF(width_ - last + 3, y_, last - 6, kRow), Qt::AlignLeft | Qt::AlignVCenter,
                    fm.elidedText(texts.value(1), Qt::ElideRight, last - 6));
        y_ += kRow;
    }

    void note(const QString& text) {
        need(kRow);
        p_.setFont(font(8.5));
        p_.setPen(QColor(0x50, 0x50, 0x50));
        p_.drawText(QRectF(0, y_, width_, kRow), Qt::AlignLeft | Qt::AlignVCenter, text);
        y_ += kRow;
    }

    static constexpr qreal kRow = 13;

private:
    static constexpr qreal kFooter = 20;

    void footer() {
        p_.setFont(font(7.5));
        p_.setPen(QColor(0x60, 0x60, 0x60));
        p_.drawText(QRectF(0, height_ - 12, width_, 12), Qt::AlignLeft | Qt::AlignVCenter,
                    QStringLiteral("Tabrino de Hockey · informe generado el ") +
                        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")));
        p_.drawText(QRectF(0, height_ - 12, width_, 12), Qt::AlignRight | Qt::AlignVCenter,
                    QStringLiteral("página ") + QString::number(pages_));
    }

    QPdfWriter& w_;
    QPainter& p_;
    const Match& m_;
    qreal width_ = 0, height_ = 0, y_ = 0;
    int pages_ = 1;
};

QString sideName(const Match& m, Side s) {
    if (s == Side::None) return {};
    return q(s == Side::Local ? m.home : m.away);
}

// The largest size up to `pt` at which `text` fits `width` on at most two lines.
QFont fitted(const QString& text, qreal width, qreal pt, bool bold, QPaintDevice* page) {
    for (; pt > 8; pt -= 1) {
        QFont f = Sheet::font(pt, bold);
        const QFontMetricsF fm(f, page);
        const QRectF r = fm.boundingRect(QRectF(0, 0, width, 1000), Qt::TextWordWrap | Qt::AlignCenter, text);
        if (r.height() <= fm.lineSpacing() * 2.05 && r.width() <= width) return f;
    }
    return Sheet::font(8, bold);
}

void top(Sheet& s, const Match& m) {
    QPainter& p = s.painter();
    const qreal w = s.width();
    qreal& y = s.y();
    p.setPen(Qt::black);
    p.setFont(Sheet::font(16, true));
    p.drawText(QRectF(0, y, w, 22), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("INFORME DEL PARTIDO"));
    p.setFont(Sheet::font(9));
    QString when;
    if (m.firstMs) when = q(report::localDateTime(m.firstMs)).left(16);
    p.drawText(QRectF(0, y, w, 22), Qt::AlignRight | Qt::AlignVCenter, when);
    y += 30;

    // Names either side of the score, each up to two lines.
    const qreal nameW = w * 0.38, boxH = 52;
    const QString home = q(m.home), away = q(m.away);
    p.fillRect(QRectF(0, y, w, boxH), QColor(0x14, 0x1E, 0x32));
    p.setPen(Qt::white);
    p.setFont(fitted(home, nameW - 10, 18, true, p.device()));
    p.drawText(QRectF(5, y, nameW - 10, boxH), Qt::AlignCenter | Qt::TextWordWrap, home);
    p.setFont(fitted(away, nameW - 10, 18, true, p.device()));
    p.drawText(QRectF(w - nameW + 5, y, nameW - 10, boxH), Qt::AlignCenter | Qt::TextWordWrap, away);
    p.setFont(Sheet::font(28, true));
    p.setPen(QColor(0xFF, 0xD4, 0x5C));
    p.drawText(QRectF(nameW, y, w - 2 * nameW, boxH), Qt::AlignCenter, pair(m.homeGoals, m.awayGoals));
    y += boxH + 4;

    QString verdict;
    if (!m.ended)
        verdict = QStringLiteral("Partido sin terminar: marcador en el momento del informe.");
    else if (!m.winner.empty())
        verdict = QStringLiteral("Ganador: ") + q(m.winner);
    else
        verdict = QStringLiteral("Empate");
    if (m.shootout) verdict += QStringLiteral(" · Penales ") + pair(m.shootHome, m.shootAway);
    p.setPen(Qt::black);
    p.setFont(Sheet::font(10, true));
    p.drawText(QRectF(0, y, w, 16), Qt::AlignCenter, verdict);
    y += 18;
}

void periods(Sheet& s, const Match& m) {
    s.heading(QStringLiteral("Periodos y descansos"));
    std::vector<Sheet::Row> rows;
    const Qt::Alignment C = Qt::AlignHCenter;
    for (const report::Phase& ph : m.phases) {
        const QString hours = phaseHours(ph);
        const QString clock = phaseClock(ph);
        if (ph.isBreak) {
            rows.push_back({{q(ph.title), hours, clock, "", "", "", "", "", ""}, true});
            continue;
        }
        if (ph.name == "Penales") {
            rows.push_back({{q(ph.title), hours, "", pair(m.shootHome, m.shootAway), "", "", "", "", ""}});
            continue;
        }
        const auto l = report::countsOf(m, ph.name, Side::Local), v = report::countsOf(m, ph.name, Side::Visita);
        rows.push_back(
            {{q(ph.title), hours, clock, pair(l.goals, v.goals), pair(l.fouls, v.fouls), pair(l.freeHits, v.freeHits),
              pair(l.blue, v.blue), pair(l.red, v.red), pair(l.timeOuts, v.timeOuts)}});
    }
    const auto l = report::countsOf(m, "", Side::Local), v = report::countsOf(m, "", Side::Visita);
    Sheet::Row total{{QStringLiteral("Total"), "", "", pair(l.goals, v.goals), pair(l.fouls, v.fouls),
                      pair(l.freeHits, v.freeHits), pair(l.blue, v.blue), pair(l.red, v.red),
                      pair(l.timeOuts, v.timeOuts)}};
    total.bold = true;
    rows.push_back(total);
    s.table({19, 12, 15, 8, 8, 8, 8, 8, 14},
            {QStringLiteral("Periodo"), QStringLiteral("Horario"), QStringLiteral("Reloj"), QStringLiteral("Goles"),
             QStringLiteral("Faltas"), QStringLiteral("Libres"), QStringLiteral("Azules"), QStringLiteral("Rojas"),
             QStringLiteral("T. muertos")},
            rows, {Qt::AlignLeft, Qt::AlignLeft, Qt::AlignLeft, C, C, C, C, C, C});
    s.note(QStringLiteral("Cada par de cifras: ") + q(m.home) + QStringLiteral(" - ") + q(m.away) +
           QStringLiteral("."));
}

// Goals by side, side by side: the minute, the period, the clock, the score.
void goals(Sheet& s, const Match& m) {
    s.heading(QStringLiteral("Goles"));
    std::vector<const Event*> side[2];
    for (const Event& e : m.events)
        if (e.kind == Kind::Goal || e.kind == Kind::GoalOff) side[e.side == Side::Local ? 0 : 1].push_back(&e);
    const std::size_t n = std::max(side[0].size(), side[1].size());
    std::vector<Sheet::Row> rows;
    auto cells = [&](const Event* e, QStringList& out) {
        if (!e) {
            out << ""
                << ""
                << ""
                << "";
            return;
        }
        out << minuteText(*e) << q(e->phase) << q(e->clock)
            << (e->kind == Kind::Goal ? pair(e->home, e->away) : QStringLiteral("anulado"));
    };
    for (std::size_t i = 0; i < n; ++i) {
        Sheet::Row r;
        cells(i < side[0].size() ? side[0][i] : nullptr, r.cells);
        r.cells << "";
        cells(i < side[1].size() ? side[1][i] : nullptr, r.cells);
        rows.push_back(r);
    }
    if (rows.empty()) {
        s.note(QStringLiteral("Sin goles."));
        return;
    }
    const Qt::Alignment C = Qt::AlignHCenter;
    // Each side's name over its half of the table.
    const std::vector<qreal> widths = {7, 14, 9, 12, 4, 7, 14, 9, 12};
    s.band({sideName(m, Side::Local), sideName(m, Side::Visita)}, {42, 4, 54});
    s.table(widths,
            {QStringLiteral("Min."), QStringLiteral("Periodo"), QStringLiteral("Reloj"), QStringLiteral("Marcador"), "",
             QStringLiteral("Min."), QStringLiteral("Periodo"), QStringLiteral("Reloj"), QStringLiteral("Marcador")},
            rows, {C, Qt::AlignLeft, C, C, C, C, Qt::AlignLeft, C, C});
}

// The events of some kinds in order, one row each.
void eventTable(Sheet& s, const Match& m, const QString& title, const std::function<bool(const Event&)>& pick,
                const QString& none) {
    std::vector<Sheet::Row> rows;
    for (const Event& e : m.events)
        if (pick(e))
            rows.push_back(
                {{minuteText(e), q(e.phase), q(e.clock), sideName(m, e.side).left(60), q(e.text), q(e.detail)},
                 e.correction});
    if (rows.empty() && none.isEmpty()) return;
    s.heading(title);
    if (rows.empty()) {
        s.note(none);
        return;
    }
    const Qt::Alignment C = Qt::AlignHCenter;
    s.table({6, 10, 7, 25, 23, 29},
            {QStringLiteral("Min."), QStringLiteral("Periodo"), QStringLiteral("Reloj"), QStringLiteral("Equipo"),
             QStringLiteral("Evento"), QStringLiteral("Detalle")},
            rows, {C, Qt::AlignLeft, C, Qt::AlignLeft, Qt::AlignLeft, Qt::AlignLeft});
}

// The reason of a failed save, in the operator's words.
QString reasonOf(const QSaveFile& f) {
    switch (f.error()) {
        case QFileDevice::PermissionsError: return QStringLiteral("no hay permiso para escribir allí");
        case QFileDevice::OpenError: return QStringLiteral("no se pudo crear el archivo allí");
        case QFileDevice::WriteError:
        case QFileDevice::ResourceError: return QStringLiteral("no se pudo escribir; ¿el disco está lleno?");
        case QFileDevice::RenameError: return QStringLiteral("no se pudo reemplazar el archivo anterior");
        default: break;
    }
    return f.errorString();
}

bool isKind(const Event& e, std::initializer_list<Kind> ks) {
    for (Kind k : ks)
        if (e.kind == k) return true;
    return false;
}

}  // namespace

QString phaseHours(const report::Phase& ph) {
    if (!ph.beginMs) return QStringLiteral("—");
    const QString from = q(report::localTime(ph.beginMs));
    return ph.endMs ? from + QStringLiteral("–") + q(report::localTime(ph.endMs)) : QStringLiteral("desde ") + from;
}

QString phaseClock(const report::Phase& ph) {
    if (ph.startClock.empty()) return {};
    return q(ph.startClock) + QStringLiteral(" → ") + (ph.endClock.empty() ? QStringLiteral("…") : q(ph.endClock));
}

int writeReportPdf(const Match& m, QIODevice& device) {
    QPdfWriter writer(&device);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(14, 12, 14, 12), QPageLayout::Millimeter);
    writer.setResolution(72);  // one unit a point
    writer.setTitle(QStringLiteral("Informe del partido: ") + q(report::resultLine(m)));
    writer.setCreator(QStringLiteral("Tabrino de Hockey"));
    QPainter painter;
    if (!painter.begin(&writer)) return 0;
    Sheet s(writer, painter, m);
    top(s, m);
    periods(s, m);
    goals(s, m);
    eventTable(
        s, m, QStringLiteral("Tarjetas y castigos"),
        [](const Event& e) {
            return isKind(e, {Kind::BlueCard, Kind::RedCard, Kind::CardOff, Kind::SuspensionOver,
                              Kind::SuspensionEndedEarly, Kind::SuspensionsCleared});
        },
        QStringLiteral("Sin tarjetas."));
    eventTable(
        s, m, QStringLiteral("Tiempos muertos"),
        [](const Event& e) {
            return isKind(
                e, {Kind::TimeOut, Kind::TimeOutRequested, Kind::TimeOutRequestCancelled, Kind::TimeOutGivenBack});
        },
        QStringLiteral("Sin tiempos muertos."));
    eventTable(
        s, m, QStringLiteral("Libres directos por faltas"), [](const Event& e) { return e.kind == Kind::FreeHit; },
        QStringLiteral("Sin libres directos por faltas."));
    if (m.shootout)
        eventTable(s, m, QStringLiteral("Penales"),
                   [](const Event& e) {
                       return isKind(e, {Kind::ShotGoal, Kind::ShotMiss, Kind::ShotBlank, Kind::ShotsCleared});
                   },
                   {});
    eventTable(s, m, QStringLiteral("Correcciones del operador e interrupciones"),
               [](const Event& e) {
                   return e.correction || isKind(e, {Kind::Recovered, Kind::Closed});
               },
               {});
    painter.end();
    return s.pages();
}

bool saveReportPdf(const Match& m, const QString& path, QString* why) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (why) *why = reasonOf(file);
        return false;
    }
    if (writeReportPdf(m, file) == 0) {
        file.cancelWriting();
        if (why) *why = QStringLiteral("no se pudo dibujar el documento");
        return false;
    }
    if (!file.commit()) {
        if (why) *why = reasonOf(file);
        return false;
    }
    return true;
}

bool saveReportCsv(const Match& m, const QString& path, QString* why) {
    QSaveFile file(path);
    const std::string csv = report::toCsv(m);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(csv.data(), static_cast<qint64>(csv.size())) != static_cast<qint64>(csv.size()) || !file.commit()) {
        if (why) *why = reasonOf(file);
        return false;
    }
    return true;
}

}  // namespace tabrino::qt
