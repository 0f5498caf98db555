#include "qt/report_window.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTableWidget>
#include <QVBoxLayout>

#include "qt/report_pdf.h"
#include "record/journal.h"
#include "report/icon.h"

namespace tabrino::qt {

namespace {

using report::Event;
using report::Side;

QString q(const std::string& s) { return QString::fromStdString(s); }
QString pair(int l, int v) { return QString::number(l) + QStringLiteral(" - ") + QString::number(v); }

QTableWidgetItem* item(const QString& text, bool grey = false, Qt::Alignment a = Qt::AlignLeft) {
    auto* it = new QTableWidgetItem(text);
    it->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    it->setTextAlignment(a | Qt::AlignVCenter);
    if (grey) {
        QFont f = it->font();
        f.setItalic(true);
        it->setFont(f);
        it->setForeground(QColor(0x70, 0x70, 0x70));
        it->setToolTip(QStringLiteral("Corrección del operador"));
    }
    return it;
}

QTableWidget* makeTable(const QStringList& headers, QWidget* parent) {
    auto* t = new QTableWidget(0, static_cast<int>(headers.size()), parent);
    t->setHorizontalHeaderLabels(headers);
    t->verticalHeader()->setVisible(false);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setAlternatingRowColors(true);
    t->setWordWrap(false);
    t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 6);
    return t;
}

QString documentsFolder() {
    QString d = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (d.isEmpty() || !QDir(d).exists()) d = QDir::homePath();
    return d;
}

}  // namespace

ReportWindow::ReportWindow(RecordReader readRecord, QWidget* parent)
    : QWidget(parent, Qt::Window), read_(std::move(readRecord)), folder_(documentsFolder()) {
    setWindowTitle(QStringLiteral("Informe del partido"));
    auto* layout = new QVBoxLayout(this);

    result_ = new QLabel(this);
    result_->setObjectName(QStringLiteral("resultado"));
    result_->setAlignment(Qt::AlignCenter);
    result_->setWordWrap(true);
    QFont big = result_->font();
    big.setPointSizeF(big.pointSizeF() * 1.8);
    big.setBold(true);
    result_->setFont(big);
    result_->setStyleSheet(QStringLiteral("background:#141e32; color:#ffffff; padding:8px;"));
    layout->addWidget(result_);

    verdict_ = new QLabel(this);
    verdict_->setAlignment(Qt::AlignCenter);
    verdict_->setWordWrap(true);
    QFont mid = verdict_->font();
    mid.setBold(true);
    verdict_->setFont(mid);
    layout->addWidget(verdict_);

    auto* byPeriod = new QLabel(QStringLiteral("Por periodo (cada par: local - visita)"), this);
    byPeriod->setFont(mid);
    layout->addWidget(byPeriod);
    periods_ = makeTable({QStringLiteral("Periodo"), QStringLiteral("Horario"), QStringLiteral("Reloj"),
                          QStringLiteral("Goles"), QStringLiteral("Faltas"), QStringLiteral("Libres"),
                          QStringLiteral("Azules"), QStringLiteral("Rojas"), QStringLiteral("T. muertos")},
                         this);
    periods_->setObjectName(QStringLiteral("periodos"));
    periods_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    periods_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    periods_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Maximum);
    layout->addWidget(periods_);

    auto* inOrder = new QLabel(QStringLiteral("Sucesos en orden (en cursiva, las correcciones del operador)"), this);
    inOrder->setFont(mid);
    layout->addWidget(inOrder);
    events_ = makeTable(
        {QStringLiteral("Hora"), QStringLiteral("Periodo"), QStringLiteral("Reloj"), QStringLiteral("Min."),
         QStringLiteral("Equipo"), QStringLiteral("Suceso"), QStringLiteral("Detalle"), QStringLiteral("Marcador")},
        this);
    events_->setObjectName(QStringLiteral("sucesos"));
    events_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    events_->horizontalHeader()->setSectionResizeMode(4, QHeaderView::Stretch);
    events_->horizontalHeader()->setSectionResizeMode(6, QHeaderView::Stretch);
    layout->addWidget(events_, 1);

    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("estado"));
    status_->setWordWrap(true);
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(status_);

    auto* buttons = new QHBoxLayout;
    auto* again = new QPushButton(QStringLiteral("Actualizar"), this);
    pdf_ = new QPushButton(QStringLiteral("Guardar PDF…"), this);
    csv_ = new QPushButton(QStringLiteral("Guardar CSV…"), this);
    auto* close = new QPushButton(QStringLiteral("Cerrar"), this);
    buttons->addWidget(again);
    buttons->addStretch(1);
    buttons->addWidget(pdf_);
    buttons->addWidget(csv_);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(again, &QPushButton::clicked, this, [this] { refresh(); });
    connect(pdf_, &QPushButton::clicked, this, [this] { askWhere(QStringLiteral("pdf")); });
    connect(csv_, &QPushButton::clicked, this, [this] { askWhere(QStringLiteral("csv")); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
}

void ReportWindow::refresh() {
    match_.reset();
    std::string why;
    const std::optional<std::string> bytes = read_ ? read_(why) : std::optional<std::string>(std::string());
    QString problem;
    if (!bytes) {
        problem = QStringLiteral("No se pudo leer el registro del partido (") + q(why) + QStringLiteral(").");
    } else if (!bytes->empty()) {
        const record::Journal j = record::read(*bytes);
        if (j.fault != record::Fault::None) {
            problem = QStringLiteral("El registro del partido ") + q(record::faultText(j.fault)) +
                      QStringLiteral(": no se puede mostrar el informe.");
        } else {
            const std::vector<report::Match> all = report::readStory(j.entries);
            if (const report::Match* m = report::currentMatch(all)) match_ = *m;
        }
    }
    fill();
    if (!problem.isEmpty())
        status_->setText(problem);
    else if (!match_ || match_->events.empty())
        status_->setText(QStringLiteral("Todavía no hay nada registrado de este partido."));
    else
        status_->setText(QString());
}

QString ReportWindow::status() const { return status_->text(); }

void ReportWindow::fill() {
    periods_->setRowCount(0);
    events_->setRowCount(0);
    const bool any = match_ && !match_->events.empty();
    pdf_->setEnabled(any);
    csv_->setEnabled(any);
    if (!match_) {
        result_->setText(QStringLiteral("Sin partido"));
        verdict_->clear();
        return;
    }
    const report::Match& m = *match_;
    result_->setText(q(m.home) + QStringLiteral("   ") + pair(m.homeGoals, m.awayGoals) + QStringLiteral("   ") +
                     q(m.away));
    QString verdict = !m.ended           ? QStringLiteral("Partido en curso")
                      : m.winner.empty() ? QStringLiteral("Final: empate")
                                         : QStringLiteral("Final: ganador ") + q(m.winner);
    if (m.shootout) verdict += QStringLiteral(" · penales ") + pair(m.shootHome, m.shootAway);
    if (m.firstMs) verdict += QStringLiteral(" · ") + q(report::localDateTime(m.firstMs)).left(16);
    verdict_->setText(verdict);

    const Qt::Alignment C = Qt::AlignHCenter;
    auto addPeriodRow = [&](const QStringList& cells, bool bold) {
        const int r = periods_->rowCount();
        periods_->insertRow(r);
        for (int c = 0; c < cells.size(); ++c) {
            QTableWidgetItem* it = item(cells[c], false, c < 3 ? Qt::AlignLeft : C);
            if (bold) {
                QFont f = it->font();
                f.setBold(true);
                it->setFont(f);
            }
            periods_->setItem(r, c, it);
        }
    };
    for (const report::Phase& ph : m.phases) {
        const QString hours = phaseHours(ph);
        const QString clock = phaseClock(ph);
        if (ph.isBreak) {
            addPeriodRow({q(ph.title), hours, clock}, false);
            continue;
        }
        if (ph.name == "Penales") {
            addPeriodRow({q(ph.title), hours, "", pair(m.shootHome, m.shootAway)}, false);
            continue;
        }
        const auto l = report::countsOf(m, ph.name, Side::Local), v = report::countsOf(m, ph.name, Side::Visita);
        addPeriodRow(
            {q(ph.title), hours, clock, pair(l.goals, v.goals), pair(l.fouls, v.fouls), pair(l.freeHits, v.freeHits),
             pair(l.blue, v.blue), pair(l.red, v.red), pair(l.timeOuts, v.timeOuts)},
            false);
    }
    const auto l = report::countsOf(m, "", Side::Local), v = report::countsOf(m, "", Side::Visita);
    addPeriodRow({QStringLiteral("Total"), "", "", pair(l.goals, v.goals), pair(l.fouls, v.fouls),
                  pair(l.freeHits, v.freeHits), pair(l.blue, v.blue), pair(l.red, v.red), pair(l.timeOuts, v.timeOuts)},
                 true);
    // The table by period shows all its rows; the events take the rest.
    periods_->resizeRowsToContents();
    int h = periods_->horizontalHeader()->height() + 2 * periods_->frameWidth();
    for (int r = 0; r < periods_->rowCount(); ++r) h += periods_->rowHeight(r);
    periods_->setFixedHeight(h);

    for (const Event& e : m.events) {
        const int r = events_->rowCount();
        events_->insertRow(r);
        const bool g = e.correction;
        const QStringList cells = {q(report::localDateTime(e.wallMs)).mid(11),
                                   q(e.phase),
                                   q(e.clock),
                                   e.minute > 0 ? QString::number(e.minute) : QString(),
                                   q(e.team),
                                   q(e.text),
                                   q(e.detail),
                                   pair(e.home, e.away)};
        for (int c = 0; c < cells.size(); ++c)
            events_->setItem(r, c, item(cells[c], g, c == 2 || c == 3 || c == 7 ? C : Qt::AlignLeft));
    }
    events_->scrollToBottom();
}

QString ReportWindow::defaultName(const QString& suffix) const {
    return (match_ ? q(report::defaultFileName(*match_)) : QStringLiteral("partido")) + QStringLiteral(".") + suffix;
}

bool ReportWindow::savePdf(const QString& path) {
    if (!match_) return false;
    QString why;
    const bool ok = saveReportPdf(*match_, path, &why);
    status_->setText(ok ? QStringLiteral("Informe guardado en ") + QDir::toNativeSeparators(path)
                        : QStringLiteral("No se pudo guardar el informe en ") + QDir::toNativeSeparators(path) +
                              QStringLiteral(": ") + why + QStringLiteral("."));
    return ok;
}

bool ReportWindow::saveCsv(const QString& path) {
    if (!match_) return false;
    QString why;
    const bool ok = saveReportCsv(*match_, path, &why);
    status_->setText(ok ? QStringLiteral("Sucesos guardados en ") + QDir::toNativeSeparators(path)
                        : QStringLiteral("No se pudo guardar el archivo ") + QDir::toNativeSeparators(path) +
                              QStringLiteral(": ") + why + QStringLiteral("."));
    return ok;
}

void ReportWindow::askWhere(const QString& suffix) {
    const bool pdf = suffix == QStringLiteral("pdf");
    auto* d = new QFileDialog(
        this, pdf ? QStringLiteral("Guardar el informe en PDF") : QStringLiteral("Guardar los sucesos en CSV"));
    // Qt's own dialog, so its words can be Spanish; modal to this window only.
    d->setOption(QFileDialog::DontUseNativeDialog);
    d->setOption(QFileDialog::DontConfirmOverwrite);
    d->setAcceptMode(QFileDialog::AcceptSave);
    d->setFileMode(QFileDialog::AnyFile);
    d->setNameFilter(pdf ? QStringLiteral("Documento PDF (*.pdf)") : QStringLiteral("Tabla CSV (*.csv)"));
    d->setDefaultSuffix(suffix);
    d->setDirectory(folder_);
    d->selectFile(defaultName(suffix));
    d->setLabelText(QFileDialog::LookIn, QStringLiteral("Carpeta:"));
    d->setLabelText(QFileDialog::FileName, QStringLiteral("Nombre:"));
    d->setLabelText(QFileDialog::FileType, QStringLiteral("Tipo:"));
    d->setLabelText(QFileDialog::Accept, QStringLiteral("Guardar"));
    d->setLabelText(QFileDialog::Reject, QStringLiteral("Cancelar"));
    d->setWindowModality(Qt::WindowModal);
    d->setAttribute(Qt::WA_DeleteOnClose);
    connect(d, &QFileDialog::fileSelected, this, [this, pdf](const QString& path) {
        folder_ = QFileInfo(path).absolutePath();
        auto save = [this, pdf, path] {
            const bool ok = pdf ? savePdf(path) : saveCsv(path);
            if (!ok) {
                auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Informe del partido"), status(),
                                            QMessageBox::NoButton, this);
                box->addButton(QStringLiteral("Aceptar"), QMessageBox::AcceptRole);
                box->setWindowModality(Qt::WindowModal);
                box->setAttribute(Qt::WA_DeleteOnClose);
                box->open();
            }
        };
        if (!QFileInfo::exists(path)) return save();
        auto* box = new QMessageBox(QMessageBox::Question, QStringLiteral("Informe del partido"),
                                    QStringLiteral("El archivo ") + QFileInfo(path).fileName() +
                                        QStringLiteral(" ya existe. ¿Desea reemplazarlo?"),
                                    QMessageBox::NoButton, this);
        QPushButton* yes = box->addButton(QStringLiteral("Sí"), QMessageBox::YesRole);
        box->addButton(QStringLiteral("No"), QMessageBox::NoRole);
        box->setWindowModality(Qt::WindowModal);
        box->setAttribute(Qt::WA_DeleteOnClose);
        connect(box, &QMessageBox::buttonClicked, this, [yes, save](QAbstractButton* b) {
            if (b == yes) save();
        });
        box->open();
    });
    d->open();
}

ReportLink::ReportLink(Program& p, ReportWindow::RecordReader readRecord) : read_(std::move(readRecord)) {
    p.on("Form1", kReportIcon, tabrino::Event::Click, [this] { open(); });
    p.on("finpartido", kReportButton, tabrino::Event::Click, [this] { open(); });
}

ReportLink::~ReportLink() { delete window_.data(); }

void ReportLink::open() {
    if (!window_) {
        window_ = new ReportWindow(read_);
        window_->setAttribute(Qt::WA_DeleteOnClose);
        // On the operator's screen, never wider or taller than it.
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        const QSize size(std::min(1180, screen.width() * 92 / 100), std::min(760, screen.height() * 90 / 100));
        window_->resize(size);
        window_->move(screen.center() - QPoint(size.width() / 2, size.height() / 2));
    }
    window_->refresh();
    window_->show();
    window_->raise();
    window_->activateWindow();
}

}  // namespace tabrino::qt
