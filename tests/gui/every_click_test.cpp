// Every click of the operator is taken through the real operator window:
// after a double click whose question was answered, and when clicks come
// faster than the desktop's double-click time.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <string>

#include "gui_support.h"
#include "qt/qt_dialogs.h"

namespace tabrino::qt::test {
namespace {

// The operator window with the real Spanish boxes behind it.
struct WithRealBoxes {
    PictureFolder folder;
    FakeServices fake;
    QtDialogs dialogs;
    Program p{Services{dialogs, fake.sounds, fake.monitors, fake.process, fake.clock}};
    std::unique_ptr<Shell> shell;

    WithRealBoxes() { shell = startShown(fake, p, folder.path()); }
    ~WithRealBoxes() { shell.reset(); }
    WindowView& view() { return *shell->view("Form1"); }
    QPoint centreOf(const std::string& e) { return view().boxOf(e).center(); }
};

// When the box of a question comes up, `answer` runs on it once.
void whenABoxOpens(const std::function<void(QWidget*)>& answer) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, answer] {
        QWidget* box = QApplication::activeModalWidget();
        if (!box || !box->isVisible()) return;
        poll->stop();
        poll->deleteLater();
        answer(box);
    });
    poll->start(10);
}

TEST(EveryClick, OneClickAfterADoubleClickWhoseQuestionWasAnswered) {
    struct Case {
        const char* element;                   // its DblClick asks something
        std::function<void(QWidget*)> answer;  // as the operator answers it
        const char* field;
        const char* expected;
    } cases[] = {
        {"periodo",
         [](QWidget* box) {
             auto* m = qobject_cast<QMessageBox*>(box);
             ASSERT_TRUE(m);
             for (QAbstractButton* b : m->buttons())
                 if (b->text() == QStringLiteral("No")) QTest::mouseClick(b, Qt::LeftButton);
         },
         "periodo", "1"},
        {"equipolocal",
         [](QWidget* box) {
             auto* in = qobject_cast<QInputDialog*>(box);
             ASSERT_TRUE(in);
             QLineEdit* edit = in->findChild<QLineEdit*>();
             ASSERT_TRUE(edit);
             edit->selectAll();
             QTest::keyClicks(edit, QStringLiteral("club patin voltrega"));
             QTest::keyClick(edit, Qt::Key_Return);
         },
         "equipolocal", "CLUB PATIN VOLTREGA"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.element);
        WithRealBoxes run;
        WindowView& view = run.view();
        const QPoint at = run.centreOf(c.element);
        // The gesture in the order the X server delivers it: press, release,
        // press reported as a double click; the box its DblClick opens takes
        // the last release.
        bool answered = false;
        whenABoxOpens([&](QWidget* box) {
            QTest::mouseRelease(box, Qt::LeftButton, {}, box->rect().center());
            c.answer(box);
            answered = true;
        });
        QTest::mousePress(&view, Qt::LeftButton, {}, at);
        QTest::mouseRelease(&view, Qt::LeftButton, {}, at);
        QTest::mousePress(&view, Qt::LeftButton, {}, at);
        QTest::mouseDClick(&view, Qt::LeftButton, {}, at);
        ASSERT_TRUE(answered);
        EXPECT_EQ(run.p.form1()[c.field].text(), c.expected);

        QTest::mouseClick(&view, Qt::LeftButton, {}, run.centreOf("golvisita"));
        EXPECT_EQ(run.p.form1()["golvisita"].text(), "1") << "the one click after the box was taken";
    }
}

struct QuickClicks : ::testing::Test {
    ShownProgram run;
    WindowView& view = run.form1View();
    Window& f = run.f();
    // Two clicks inside the double-click time: the desktop reports the
    // second press as a double click.
    void quickPair(const std::string& element) {
        QTest::mouseDClick(view.windowHandle(), Qt::LeftButton, {}, run.centreOf(element));
    }
};

TEST_F(QuickClicks, TenFoulClicksAreTenFoulsAndGiveTheFreeHit) {
    QTest::mouseClick(view.control("Command1"), Qt::LeftButton);  // minutes on the clock
    for (int i = 0; i < 5; ++i) quickPair("faltalocal");
    EXPECT_EQ(f["faltalocal"].text(), "0");
    EXPECT_EQ(f["librelocal"].text(), "1");
    EXPECT_TRUE(f["librelocal"].visible());
}

TEST_F(QuickClicks, ScoresCountEveryClickAndTheClockStartsOnce) {
    for (int i = 0; i < 3; ++i) quickPair("golvisita");
    EXPECT_EQ(f["golvisita"].text(), "6");
    QTest::mouseClick(view.control("Command1"), Qt::LeftButton);
    quickPair("a");
    EXPECT_TRUE(run.p.timer1.enabled()) << "a nervous double click starts the clock once";
    quickPair("b");
    EXPECT_FALSE(run.p.timer1.enabled());
}

TEST(InputBox, ShowsItsWholeTitle) {
    QtDialogs dialogs;
    int width = 0;
    whenABoxOpens([&](QWidget* box) {
        width = box->width();
        QTest::keyClick(box, Qt::Key_Escape);
    });
    dialogs.input("Configurar Equipo Visitante", "Actualizar Dato", "");
    // The window system's title bar holds the title beside an icon and its
    // close, minimise and maximise buttons.
    EXPECT_GE(width, QFontMetrics(QApplication::font()).horizontalAdvance(QStringLiteral("Actualizar Dato")) + 120);
}

}  // namespace
}  // namespace tabrino::qt::test
