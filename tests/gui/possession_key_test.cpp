// The possession count restarted by a real Alt+X on the operator window,
// with the clock running, from the magenta 00, with the possession window
// up on the second screen, and with the keyboard in the series list.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>

#include "gui_support.h"

namespace tabrino::qt::test {
namespace {

constexpr QRgb kYellow = 0xFFFFFF00, kMagenta = 0xFFFF00FF;

struct PossessionKey : ::testing::Test {
    ShownProgram run;
    WindowView& view = run.form1View();
    Window& f = run.f();
    Element& posesion = f["posesion"];

    void SetUp() override {
        // What the settings do when the count is switched on.
        run.p.conposesion = "SI";
        posesion.setVisible(true);
        f["Label9"].setVisible(true);
        view.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
    }
    void startClock() {
        QTest::mouseClick(view.control("Command1"), Qt::LeftButton);
        QTest::mouseClick(view.windowHandle(), Qt::LeftButton, {}, run.centreOf("a"));
        ASSERT_TRUE(run.p.timer1.enabled());
    }
    void wait(int seconds) {
        passSeconds(run.p, run.fake.clock, seconds);
        settle();
    }
    void altX(QWidget* target) { QTest::keyClick(target, Qt::Key_X, Qt::AltModifier); }
    // Whether the count's box on screen holds a pixel of that colour.
    bool drawnIn(QRgb colour) {
        const QImage shot = view.grab().toImage();
        const QRect box = view.boxOf("posesion").intersected(view.rect());
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x)
                if (shot.pixel(x, y) == colour) return true;
        return false;
    }
};

TEST_F(PossessionKey, RestartsTheRunningCountOnScreen) {
    startClock();
    wait(28);
    ASSERT_EQ(posesion.text(), "17");
    altX(&view);
    EXPECT_EQ(posesion.text(), "45");
    EXPECT_EQ(run.p.win("tenencia")["segunditos"].text(), "45");
    EXPECT_TRUE(run.p.timer1.enabled()) << "the game clock is not touched";
    wait(1);
    EXPECT_EQ(posesion.text(), "44");
}

TEST_F(PossessionKey, BringsTheMagentaZeroBackToYellow) {
    startClock();
    wait(45);
    ASSERT_EQ(posesion.text(), "00");
    ASSERT_TRUE(drawnIn(kMagenta));
    altX(&view);
    settle();
    EXPECT_EQ(posesion.text(), "45");
    EXPECT_TRUE(drawnIn(kYellow));
    EXPECT_FALSE(drawnIn(kMagenta));
    EXPECT_EQ(run.p.ceroavisado, "no");
}

TEST_F(PossessionKey, StillReachesTheOperatorWindowWithThePossessionWindowUp) {
    Window& big = run.p.win("tenencia");
    big.setLeft(19200);  // the second screen
    big.setState(WindowState::Maximized);
    big.show();
    settle();
    ASSERT_TRUE(run.shell->view("tenencia")->isVisible());
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
        // This platform activates every window it shows, whatever its
        // flags; on a real desktop the public window leaves the keyboard
        // where it was, which is what the other branch checks.
        view.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
    } else {
        EXPECT_EQ(QApplication::activeWindow(), &view) << "the public window took the keyboard";
    }

    startClock();
    wait(10);
    ASSERT_EQ(big["segunditos"].text(), "35");
    // Where the keyboard is, as the operator's key press would go.
    QWidget* keyboard = QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
    ASSERT_NE(keyboard, nullptr);
    altX(keyboard);
    EXPECT_EQ(posesion.text(), "45");
    EXPECT_EQ(big["segunditos"].text(), "45");
}

TEST_F(PossessionKey, WorksWhileTheSeriesListHasTheKeyboard) {
    auto* tramos = qobject_cast<QComboBox*>(view.control("tramos"));
    ASSERT_NE(tramos, nullptr);
    tramos->lineEdit()->setFocus();
    ASSERT_TRUE(waitUntil([&] { return tramos->lineEdit()->hasFocus(); }));
    posesion.setText("17");
    const std::string series = f["tramos"].text();

    altX(tramos->lineEdit());
    EXPECT_EQ(posesion.text(), "45");
    EXPECT_EQ(f["tramos"].text(), series) << "no x typed into the list";
}

}  // namespace
}  // namespace tabrino::qt::test
