// The match report through the real widgets: opened from the operator
// window's icon (only while the clock is stopped) and from the end screen,
// never blocking the operator window; its PDF on one A4 page with the
// match on it; failures told in Spanish.
#include <gtest/gtest.h>

#include <QFileDialog>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>

#include "gui_support.h"
#include "qt/report_pdf.h"
#include "qt/report_window.h"
#include "record/recorder.h"
#include "report/csv.h"

namespace tabrino::qt::test {
namespace {

struct ReportGui : ::testing::Test {
    ShownProgram sp;
    record::Recorder recorder{sp.p, sp.fake.storage};
    ReportLink link{sp.p, [this](std::string&) -> std::optional<std::string> { return sp.fake.storage.bytes; }};

    void SetUp() override { recorder.begin(); }

    void click(const std::string& element, bool dbl = false) { clickCentre(sp.p, sp.f(), element, dbl); }
    void seconds(int n) { passSeconds(sp.p, sp.fake.clock, n); }

    // Two minutes a period: names, goals both sides, a blue card, a
    // time-out, and the home side winning at the end of the second period.
    void playMatch() {
        sp.fake.dialogs.reply("CLUB PATIN VOLTREGA");
        click("equipolocal", true);
        sp.fake.dialogs.reply("DEPORTIVO LICEO");
        click("equipovisita", true);
        click("Command1");
        click("Command1");
        click("a");
        seconds(30);
        click("gollocal");
        click("a");
        click("Image4");
        dblClickTimeOut();
        click("a");
        seconds(90);
        sp.fake.dialogs.answer(Answer::Yes);  // the break: the first period's minutes again
        click("a");
        seconds(300);
        click("a");
        seconds(50);
        click("golvisita");
        seconds(10);
        click("gollocal");
        seconds(60);
    }
    void dblClickTimeOut() {
        click("tiempolocal", true);
        Window* minuto = sp.p.existing("minuto");
        ASSERT_NE(minuto, nullptr);
        clickCentre(sp.p, *minuto, "finmiuto");
    }

    QString cell(QTableWidget* t, int r, int c) { return t->item(r, c) ? t->item(r, c)->text() : QString(); }
    QTableWidget* table(const char* name) { return link.window()->findChild<QTableWidget*>(QString::fromLatin1(name)); }
};

TEST_F(ReportGui, IconOpensTheReportOnlyWhileStoppedAndTheOperatorWindowStaysFree) {
    click("Command1");
    click("a");
    settle();
    EXPECT_FALSE(sp.f()["informe"].visible());
    // Where the icon was, a click while the clock runs opens nothing.
    sp.form1View().routeClick(sp.centreOf("informe"), false);
    EXPECT_EQ(link.window(), nullptr);

    click("gollocal");
    click("a");
    settle();
    ASSERT_TRUE(sp.f()["informe"].visible());
    sp.form1View().routeClick(sp.centreOf("informe"), false);
    ASSERT_NE(link.window(), nullptr);
    ASSERT_TRUE(waitUntil([&] { return link.window()->isVisible(); }));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(link.window()->findChild<QLabel*>(QStringLiteral("resultado"))->text(),
              QStringLiteral("L O C A L   1 - 0   V I S I T A"));

    // The operator goes on with the report open; a refresh shows the new goal.
    sp.form1View().routeClick(sp.centreOf("golvisita"), false);
    EXPECT_EQ(sp.f()["golvisita"].text(), "1");
    for (QPushButton* b : link.window()->findChildren<QPushButton*>())
        if (b->text() == QStringLiteral("Actualizar")) b->click();
    QTableWidget* events = table("sucesos");
    ASSERT_GT(events->rowCount(), 0);
    EXPECT_EQ(cell(events, events->rowCount() - 1, 5), QStringLiteral("Gol"));
    EXPECT_EQ(cell(events, events->rowCount() - 1, 7), QStringLiteral("1 - 1"));

    // Asked again, the same window comes forward.
    ReportWindow* first = link.window();
    sp.form1View().routeClick(sp.centreOf("informe"), false);
    EXPECT_EQ(link.window(), first);
}

TEST_F(ReportGui, EndScreenButtonOpensTheWholeMatchAndItsPdfIsOneA4Page) {
    playMatch();
    seconds(8);
    Window* fin = sp.p.existing("finpartido");
    ASSERT_NE(fin, nullptr);
    ASSERT_TRUE(fin->shown());
    ASSERT_EQ(sp.p.existing("clonfinpartido")->find("informe"), nullptr);
    clickCentre(sp.p, *fin, "informe");
    ASSERT_NE(link.window(), nullptr);
    const report::Match& m = *link.window()->match();
    EXPECT_TRUE(m.ended);
    EXPECT_EQ(m.winner, "CLUB PATIN VOLTREGA");

    QTableWidget* periods = table("periodos");
    ASSERT_EQ(periods->rowCount(), 4);  // 1, the break, 2, the total
    EXPECT_EQ(cell(periods, 0, 0), QStringLiteral("1.er tiempo"));
    EXPECT_EQ(cell(periods, 0, 3), QStringLiteral("1 - 0"));
    EXPECT_EQ(cell(periods, 0, 6), QStringLiteral("0 - 1"));
    EXPECT_EQ(cell(periods, 1, 0), QStringLiteral("Entretiempo"));
    EXPECT_EQ(cell(periods, 2, 3), QStringLiteral("1 - 1"));
    EXPECT_EQ(cell(periods, 3, 3), QStringLiteral("2 - 1"));
    EXPECT_EQ(cell(periods, 3, 8), QStringLiteral("1 - 0"));

    QTemporaryDir dir;
    const QString pdf = dir.filePath(link.window()->defaultName(QStringLiteral("pdf")));
    EXPECT_TRUE(pdf.endsWith(QStringLiteral(" CLUB PATIN VOLTREGA - DEPORTIVO LICEO.pdf")));
    ASSERT_TRUE(link.window()->savePdf(pdf)) << link.window()->status().toStdString();
    QFile f(pdf);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.read(5) == "%PDF-");

    const QString csv = dir.filePath(QStringLiteral("sucesos.csv"));
    ASSERT_TRUE(link.window()->saveCsv(csv));
    QFile c(csv);
    ASSERT_TRUE(c.open(QIODevice::ReadOnly));
    EXPECT_EQ(c.readAll().toStdString(), report::toCsv(m));

    const QString info = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
    const QString text = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (info.isEmpty() || text.isEmpty()) GTEST_SKIP() << "pdfinfo/pdftotext (poppler-utils) not installed";
    QProcess p;
    p.start(info, {pdf});
    ASSERT_TRUE(p.waitForFinished(20000));
    const QString meta = QString::fromUtf8(p.readAllStandardOutput());
    EXPECT_TRUE(meta.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n")))) << meta.toStdString();
    EXPECT_TRUE(meta.contains(QStringLiteral("(A4)"))) << meta.toStdString();
    p.start(text, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(p.waitForFinished(20000));
    const QString words = QString::fromUtf8(p.readAllStandardOutput());
    // The score as drawn, whatever blanks the text extraction keeps.
    EXPECT_TRUE(words.contains(QRegularExpression(QStringLiteral("VOLTREGA\\s+2\\s*-\\s*1\\s+DEPORTIVO LICEO"))))
        << words.toStdString();
    for (const char* expected :
         {"INFORME DEL PARTIDO", "CLUB PATIN VOLTREGA", "DEPORTIVO LICEO", "Ganador: CLUB PATIN VOLTREGA",
          "Periodos y descansos", "Entretiempo", "Goles", "Tarjetas y castigos", "Tarjeta azul", "Tiempos muertos"})
        EXPECT_TRUE(words.contains(QString::fromUtf8(expected))) << expected << "\n" << words.toStdString();
}

TEST_F(ReportGui, FailuresAreToldInSpanish) {
    click("gollocal");
    link.open();
    ReportWindow* w = link.window();
    EXPECT_FALSE(w->savePdf(QStringLiteral("/sin-carpeta/informe.pdf")));
    EXPECT_TRUE(w->status().startsWith(QStringLiteral("No se pudo guardar el informe en /sin-carpeta/informe.pdf: ")))
        << w->status().toStdString();
    EXPECT_FALSE(w->saveCsv(QStringLiteral("/sin-carpeta/sucesos.csv")));
    EXPECT_TRUE(w->status().startsWith(QStringLiteral("No se pudo guardar el archivo"))) << w->status().toStdString();

    struct Case {
        std::optional<std::string> bytes;
        const char* why;
        QString status;
    } cases[] = {
        {std::nullopt, "permiso denegado",
         QStringLiteral("No se pudo leer el registro del partido (permiso denegado).")},
        {std::string("basura"), "",
         QStringLiteral("El registro del partido no es un registro de partido: no se puede mostrar el informe.")},
        {std::string(), "", QStringLiteral("Todavía no hay nada registrado de este partido.")},
    };
    for (const Case& c : cases) {
        ReportWindow broken([&c](std::string& why) {
            why = c.why;
            return c.bytes;
        });
        broken.refresh();
        EXPECT_EQ(broken.status(), c.status);
        for (QPushButton* b : broken.findChildren<QPushButton*>())
            if (b->text().startsWith(QStringLiteral("Guardar"))) {
                EXPECT_FALSE(b->isEnabled()) << c.why;
            }
    }
}

TEST_F(ReportGui, SaveDialogIsSpanishAndBlocksOnlyTheReportWindow) {
    sp.fake.dialogs.reply("CLUB PATIN VOLTREGA");
    click("equipolocal", true);
    click("gollocal");
    link.open();
    for (QPushButton* b : link.window()->findChildren<QPushButton*>())
        if (b->text() == QStringLiteral("Guardar PDF…")) b->click();
    QFileDialog* d = nullptr;
    ASSERT_TRUE(waitUntil([&] { return (d = link.window()->findChild<QFileDialog*>()) && d->isVisible(); }));
    EXPECT_EQ(d->windowModality(), Qt::WindowModal);
    EXPECT_EQ(d->labelText(QFileDialog::Accept), QStringLiteral("Guardar"));
    EXPECT_TRUE(d->selectedFiles().value(0).endsWith(QStringLiteral("CLUB PATIN VOLTREGA - V I S I T A.pdf")))
        << d->selectedFiles().value(0).toStdString();
    // The operator window still takes clicks.
    sp.form1View().routeClick(sp.centreOf("golvisita"), false);
    EXPECT_EQ(sp.f()["golvisita"].text(), "1");
    d->reject();
}

}  // namespace
}  // namespace tabrino::qt::test
