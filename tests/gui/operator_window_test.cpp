// The operator window through the real widgets: clicks, double clicks,
// tooltips, the Alt+X access key, pictures, clipping and repaints.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QHelpEvent>
#include <QLineEdit>
#include <QScreen>
#include <QToolTip>
#include <string>
#include <vector>

#include "gui_support.h"
#include "qt/geometry.h"

namespace tabrino::qt::test {
namespace {

struct OperatorWindow : ::testing::Test {
    ShownProgram run;
    WindowView& view = run.form1View();
    Window& f = run.f();

    QWidget* control(const std::string& name) { return view.control(name); }
    void clickAt(const std::string& element) {
        QTest::mouseClick(view.windowHandle(), Qt::LeftButton, {}, run.centreOf(element));
    }
    void doubleClickAt(const std::string& element) {
        // The whole gesture, as the windowing system delivers it: press,
        // release, press (reported as a double click), release.
        QTest::mouseDClick(view.windowHandle(), Qt::LeftButton, {}, run.centreOf(element));
    }
    QColor pixel(QPoint at) { return view.grab().toImage().pixelColor(at); }
};

TEST_F(OperatorWindow, IsAFramelessBlackWindowFillingThePrimaryScreen) {
    EXPECT_TRUE(view.isVisible());
    EXPECT_TRUE(view.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(view.geometry(), QGuiApplication::primaryScreen()->geometry());
    EXPECT_EQ(pixel({640, 715}), QColor(Qt::black));
    EXPECT_FALSE(view.windowIcon().isNull()) << "the burning match";
}

TEST_F(OperatorWindow, PlusButtonAndClockDigitsDriveTheClock) {
    QTest::mouseClick(control("Command1"), Qt::LeftButton);
    EXPECT_EQ(f["a"].text(), "01");
    QTest::mouseClick(control("Command3"), Qt::LeftButton);
    EXPECT_EQ(f["b"].text(), "01");

    clickAt("a");
    EXPECT_TRUE(run.p.timer1.enabled());
    EXPECT_EQ(run.p.estadoinicio, "iniciado");
    settle();
    EXPECT_FALSE(control("Command1")->isVisible()) << "the model hid the adjustment buttons";
    EXPECT_FALSE(control("tramos")->isVisible());

    clickAt("b");
    EXPECT_FALSE(run.p.timer1.enabled());
}

TEST_F(OperatorWindow, DoubleClickOnALabelIsOneClickThenDblClick) {
    std::vector<std::string> events;
    run.p.on("Form1", "periodo", Event::Click, [&] { events.push_back("Click"); });
    run.p.on("Form1", "periodo", Event::DblClick, [&] { events.push_back("DblClick"); });
    doubleClickAt("periodo");
    EXPECT_EQ(events, (std::vector<std::string>{"Click", "DblClick"}));
}

TEST_F(OperatorWindow, DoubleClickOnAButtonIsTwoClicks) {
    doubleClickAt("Command1");
    EXPECT_EQ(f["a"].text(), "02");
}

TEST_F(OperatorWindow, ClickOnADisabledCardIsSwallowed) {
    int fouls = 0;
    run.p.on("Form1", "faltalocal", Event::Click, [&] { ++fouls; });
    ASSERT_FALSE(f["Image6"].enabled());
    clickAt("Image6");  // lies over the fouls field
    EXPECT_EQ(fouls, 0);
    clickAt("faltalocal");
    EXPECT_EQ(fouls, 1);
}

TEST_F(OperatorWindow, TooltipsAreThoseOfTheModel) {
    struct Case {
        const char* element;
        QString tooltip;  // empty: none shown
    };
    const Case cases[] = {
        {"periodo", QStringLiteral("Doble Click ")},  // trailing blank kept
        {"config", QStringLiteral("Configuraciones")},
        {"equipolocal", QStringLiteral("Doble Click para actualizar Nombre")},
        {"Image1", QStringLiteral("Bocina")},
        {"Command1", QStringLiteral("Agregar Minutos")},  // a real button
        {"gollocal", QString()},
    };
    for (const Case& c : cases) {
        QToolTip::hideText();
        ASSERT_TRUE(waitUntil([] { return !QToolTip::isVisible(); }));
        const QPoint at = run.centreOf(c.element);
        QWidget* target = view.childAt(at) ? view.childAt(at) : &view;
        QHelpEvent help(QEvent::ToolTip, target->mapFrom(&view, at), view.mapToGlobal(at));
        QApplication::sendEvent(target, &help);
        if (c.tooltip.isEmpty()) {
            settle();
            EXPECT_FALSE(QToolTip::isVisible()) << c.element;
        } else {
            EXPECT_TRUE(waitUntil([] { return QToolTip::isVisible(); })) << c.element;
            EXPECT_EQ(QToolTip::text(), c.tooltip) << c.element;
        }
    }
    QToolTip::hideText();
}

TEST_F(OperatorWindow, TooltipFollowsAChangeInTheModel) {
    f["Command1"].setTooltip("Más minutos");
    EXPECT_EQ(control("Command1")->toolTip(), QStringLiteral("Más minutos"));
}

TEST_F(OperatorWindow, AltXPressesTheCoveredPossessionButton) {
    int possession = 0, goals = 0;
    run.p.on("Form1", "Command9", Event::Click, [&] { ++possession; });
    run.p.on("Form1", "Command5", Event::Click, [&] { ++goals; });
    view.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&view));

    QTest::keyClick(&view, Qt::Key_X, Qt::AltModifier);
    EXPECT_EQ(possession, 1);
    EXPECT_EQ(goals, 0);

    // The pointer cannot reach it: Command5 lies in front.
    clickAt("Command9");
    EXPECT_EQ(possession, 1);
    EXPECT_EQ(goals, 1);

    // A hidden button has no access key.
    f["Command9"].setVisible(false);
    QTest::keyClick(&view, Qt::Key_X, Qt::AltModifier);
    EXPECT_EQ(possession, 1);
}

TEST_F(OperatorWindow, PicturesAreDrawnStretchedAndAMissingOneIsAPlainBox) {
    const QImage shot = view.grab().toImage();
    EXPECT_EQ(shot.pixel(view.boxOf("config").center()), PictureFolder::kGear);
    EXPECT_EQ(shot.pixel(view.boxOf("Image1").topLeft() + QPoint(1, 1)), PictureFolder::kHorn)
        << "stretched to the box";
    EXPECT_EQ(shot.pixel(view.boxOf("Image1").bottomRight() - QPoint(1, 1)), PictureFolder::kHorn);
    // Disabled at start, and looking no different for it.
    EXPECT_EQ(shot.pixel(view.boxOf("Image6").center()), PictureFolder::kRedCard);
    // No cross.svg in the folder: the reset icon is still there to see and
    // click, a plain box with its name.
    const QRect reset = view.boxOf("Image2");
    EXPECT_EQ(QColor(shot.pixel(reset.topLeft() + QPoint(3, 3))), QColor(0x30, 0x30, 0x30));
    int lit = 0;
    for (int y = reset.top() + 3; y < reset.bottom() - 3; ++y)
        for (int x = reset.left() + 3; x < reset.right() - 3; ++x) lit += qGray(shot.pixel(x, y)) > 0x80;
    EXPECT_GT(lit, 0) << "its name is written in it";
    // A hidden picture is not drawn.
    f["config"].setVisible(false);
    settle();
    EXPECT_EQ(pixel(view.boxOf("config").center()), QColor(Qt::black));
}

TEST_F(OperatorWindow, LabelTextIsClippedToItsBox) {
    // A long word cannot wrap, even at the smallest size a name is drawn at;
    // what does not fit in the box is not drawn, so the gap between the home
    // name and "MINUTO" stays black.
    const QRect name = view.boxOf("equipolocal");
    ASSERT_LT(name.right() + 4, view.boxOf("Label3a").left());
    const QPoint gap(name.right() + 3, name.center().y());
    f["equipolocal"].setText("MMMMMMMMMMMMMMMMMMMMMMMM");
    settle();
    EXPECT_EQ(pixel(gap), QColor(Qt::black));
    const QImage shot = view.grab().toImage();
    bool yellow = false;
    for (int y = name.top(); y <= name.bottom() && !yellow; ++y)
        for (int x = name.left(); x <= name.right() && !yellow; ++x) yellow = shot.pixel(x, y) == 0xFFFFFF00u;
    EXPECT_TRUE(yellow) << "the box itself shows the text";
}

TEST_F(OperatorWindow, LongLabelTextWrapsAtWordsInsideItsBox) {
    // Small letters in the home name's box, too many words for one line even
    // at half size: the words go on in lines below, never past the box's
    // right edge.
    const QRect name = view.boxOf("equipolocal");
    f["equipolocal"].setFontSize(24);
    f["equipolocal"].setText(
        "UNO DOS TRES CUATRO CINCO SEIS SIETE OCHO NUEVE DIEZ ONCE DOCE TRECE CATORCE "
        "QUINCE DIECISEIS DIECISIETE DIECIOCHO DIECINUEVE VEINTE VEINTIUNO VEINTIDOS "
        "VEINTITRES VEINTICUATRO VEINTICINCO VEINTISEIS VEINTISIETE VEINTIOCHO");
    settle();
    const QImage shot = view.grab().toImage();
    const auto yellowIn = [&](QRect r) {
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (shot.pixel(x, y) == 0xFFFFFF00u) return true;
        return false;
    };
    EXPECT_TRUE(yellowIn(QRect(name.left(), name.top() + name.height() / 2, name.width(), name.height() / 2)))
        << "a second line in the lower half";
    EXPECT_FALSE(yellowIn(QRect(name.right() + 1, name.top(), 3, name.height())));
}

TEST_F(OperatorWindow, RunningClockColourReachesTheScreen) {
    QTest::mouseClick(control("Command3"), Qt::LeftButton);
    clickAt("a");
    settle();
    // A lit segment of the last digit takes the running colour.
    const QImage shot = view.grab().toImage();
    const QRect digits = view.boxOf("b").intersected(view.rect());
    bool found = false;
    for (int y = digits.top(); y <= digits.bottom() && !found; y += 2)
        for (int x = digits.left(); x <= digits.right() && !found; x += 2) found = shot.pixel(x, y) == 0xFF00FF00u;
    EXPECT_TRUE(found) << "green digits while the clock runs";
}

TEST_F(OperatorWindow, OnlyTheChangedElementIsRepainted) {
    view.update();
    settle();
    const long before = view.repaints();
    view.update();
    settle();
    const long everything = view.repaints() - before;

    const long beforeChange = view.repaints();
    f["periodo"].setText("2");
    settle();
    const long one = view.repaints() - beforeChange;
    EXPECT_GE(one, 1);
    EXPECT_LE(one, 4) << "periodo and the few elements its box overlaps";
    EXPECT_GT(everything, 4 * one);

    // A write that changes nothing paints nothing.
    const long beforeSame = view.repaints();
    f["periodo"].setText("2");
    f["periodo"].setColor(f["periodo"].color());
    settle();
    EXPECT_EQ(view.repaints(), beforeSame);
}

TEST_F(OperatorWindow, ProgramChangesReachTheControls) {
    f["tramos"].setText("Sub 13");
    f["Command2"].setEnabled(false);
    f["Command4"].setVisible(false);
    settle();
    auto* tramos = qobject_cast<QComboBox*>(control("tramos"));
    ASSERT_NE(tramos, nullptr);
    EXPECT_EQ(tramos->currentText(), QStringLiteral("Sub 13"));
    EXPECT_EQ(tramos->count(), 15);
    EXPECT_FALSE(control("Command2")->isEnabled());
    EXPECT_FALSE(control("Command4")->isVisible());
    f["tramos"].clearList();
    f["tramos"].addItem("Alargue");
    EXPECT_EQ(tramos->count(), 1);
    EXPECT_EQ(tramos->currentText(), QStringLiteral("Sub 13")) << "the typed text survives a new list";
}

TEST_F(OperatorWindow, TypingInTheSeriesListFiresChangePickingFiresClick) {
    std::vector<std::string> changes, clicks;
    run.p.on("Form1", "tramos", Event::Change, [&] { changes.push_back(f["tramos"].text()); });
    run.p.on("Form1", "tramos", Event::Click, [&] { clicks.push_back(f["tramos"].text()); });
    auto* tramos = qobject_cast<QComboBox*>(control("tramos"));
    ASSERT_NE(tramos, nullptr);
    tramos->lineEdit()->selectAll();
    QTest::keyClicks(tramos->lineEdit(), "Sub");
    EXPECT_EQ(changes, (std::vector<std::string>{"S", "Su", "Sub"}));
    EXPECT_TRUE(clicks.empty());

    changes.clear();
    tramos->setFocus();
    QTest::keyClick(tramos, Qt::Key_Down);
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(clicks[0], tramos->currentText().toStdString());
    EXPECT_EQ(f["tramos"].text(), clicks[0]);
    EXPECT_TRUE(changes.empty()) << "a picked item is no typed change";
}

TEST_F(OperatorWindow, WindowsComeAndGoWithTheirViews) {
    Window& t = run.p.win("tenencia");
    WindowView* v = run.shell->view("tenencia");
    ASSERT_NE(v, nullptr);
    EXPECT_FALSE(v->isVisible()) << "created hidden";
    EXPECT_TRUE(v->windowFlags() & Qt::WindowDoesNotAcceptFocus) << "a public window leaves the keyboard alone";

    struct Case {
        float left;
        int screen;
    };
    for (const Case c : {Case{19200, 1}, Case{0, 0}, Case{25000, 1}}) {
        t.setState(WindowState::Normal);
        t.setLeft(c.left);
        t.setState(WindowState::Maximized);
        t.show();
        settle();
        EXPECT_TRUE(v->isVisible());
        EXPECT_EQ(v->geometry(), QGuiApplication::screens()[c.screen]->geometry()) << "left " << c.left;
    }
    t.hide();
    settle();
    EXPECT_FALSE(v->isVisible());

    run.p.unload("tenencia");
    EXPECT_EQ(run.shell->view("tenencia"), nullptr);
    settle();  // the view is freed by the event loop
}

TEST_F(OperatorWindow, ClosingTheOperatorWindowEndsTheProgram) {
    view.close();
    EXPECT_TRUE(run.p.exited());
    EXPECT_TRUE(run.fake.process.quitCalled);
    settle();
    EXPECT_FALSE(view.isVisible());
}

}  // namespace
}  // namespace tabrino::qt::test
