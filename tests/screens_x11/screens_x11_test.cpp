// Screens plugged in and pulled out while the program runs, on a real X
// server without a window manager: the operator window keeps its screen,
// the mirror follows the extra screen, hides when it goes (never over the
// operator window) and comes back filled when a screen returns.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QTest>
#include <cstdio>
#include <functional>

#include "app/program.h"
#include "platform/fake/fakes.h"
#include "qt/geometry.h"
#include "qt/qt_monitors.h"
#include "qt/shell.h"
#include "qt/window_view.h"
#include "xorg_dummy.h"

namespace tabrino::qt::test {
namespace {

XorgDummy* server = nullptr;

bool waitUntil(const std::function<bool()>& done, int limitMs = 10000) {
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > limitMs) return false;
        QTest::qWait(10);
    }
    return true;
}

void plug(const char* mode) {
    QString why;
    server->xrandr({QStringLiteral("--addmode"), QStringLiteral("DUMMY1"), QString::fromLatin1(mode)});
    ASSERT_TRUE(server->xrandr({QStringLiteral("--output"), QStringLiteral("DUMMY1"), QStringLiteral("--mode"),
                                QString::fromLatin1(mode), QStringLiteral("--right-of"), QStringLiteral("DUMMY0")},
                               &why))
        << why.toStdString();
}

void pull() {
    QString why;
    ASSERT_TRUE(server->xrandr({QStringLiteral("--output"), QStringLiteral("DUMMY1"), QStringLiteral("--off")}, &why))
        << why.toStdString();
}

// Remembers whether a window was ever on screen over a given rectangle.
class OverWatch : public QObject {
public:
    OverWatch(QWidget* w, QRect forbidden) : w_(w), forbidden_(forbidden) { w->installEventFilter(this); }
    bool seen = false;
    bool eventFilter(QObject*, QEvent* ev) override {
        if ((ev->type() == QEvent::Show || ev->type() == QEvent::Move || ev->type() == QEvent::Resize) &&
            w_->isVisible() && w_->geometry().intersects(forbidden_))
            seen = true;
        return false;
    }

private:
    QWidget* w_;
    QRect forbidden_;
};

// Red pixels inside a box of a window's picture.
int redPixels(QWidget& w, QRect box) {
    const QImage img = w.grab(box).toImage();
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QColor c = img.pixelColor(x, y);
            if (c.red() > 150 && c.green() < 90 && c.blue() < 90) ++n;
        }
    return n;
}

TEST(ScreensX11, MirrorFollowsAScreenThatComesAndGoes) {
    FakeServices fake;
    QtMonitors monitors;
    Program p{Services{fake.dialogs, fake.sounds, monitors, fake.process, fake.clock}};
    p.setStrict(true);
    Shell shell(p, QStringLiteral(TABRINO_PROGRAM_DIR));
    p.start();

    // One screen: the operator window fills it, without a window manager.
    WindowView& op = *shell.view("Form1");
    const QRect primary(0, 0, 1920, 1080);
    ASSERT_TRUE(waitUntil([&] { return op.isVisible() && op.geometry() == primary; }))
        << "operator window at " << op.geometry().x() << "," << op.geometry().y() << " " << op.width() << "x"
        << op.height();
    EXPECT_EQ(p.cantidadmonitores, 1);

    // The TV is switched on after the program.
    plug("1920x1080");
    ASSERT_TRUE(waitUntil([&] { return p.cantidadmonitores == 2; })) << "screenAdded never reached the program";
    EXPECT_EQ(p.resolucion, "1920x1080");
    EXPECT_EQ(shell.screens().changesTold() >= 1, true);

    // The operator switches the mirror on: it goes to the new screen, filled.
    op.routeClick(toPixels(p.form1()["config"].absoluteGeometry()).center(), false);
    ASSERT_NE(p.existing("configuracion"), nullptr);
    (*p.existing("configuracion"))["Check3"].setChecked(true);
    p.unload("configuracion");
    WindowView* mirror = shell.view("clontabrino");
    ASSERT_NE(mirror, nullptr);
    OverWatch watch(mirror, primary);
    ASSERT_TRUE(waitUntil([&] { return mirror->isVisible() && mirror->geometry() == QRect(1920, 0, 1920, 1080); }))
        << "mirror at " << mirror->geometry().x() << " " << mirror->width() << "x" << mirror->height();
    EXPECT_FLOAT_EQ(p.win("clontabrino")["gollocal"].font().size, 249.75f * 1.5f);

    // The public never sees the red cross; the operator's pointer shows it.
    const QRect cross = toPixels(p.win("clontabrino")["finmiuto"].geometry());
    QCursor::setPos(primary.center());
    QTest::qWait(50);
    EXPECT_EQ(redPixels(*mirror, cross), 0);
    QCursor::setPos(mirror->geometry().center());
    EXPECT_TRUE(waitUntil([&] { return redPixels(*mirror, cross) > 0; }, 3000)) << "no cross under the pointer";
    QCursor::setPos(primary.center());
    EXPECT_TRUE(waitUntil([&] { return redPixels(*mirror, cross) == 0; }, 3000)) << "cross left behind";

    // The clock runs; the cable is pulled: the mirror hides, the match goes on.
    Window& f = p.form1();
    auto clickCentre = [&](const char* name) {
        const Rect g = f[name].absoluteGeometry();
        p.clickAt(f, g.left + g.width / 2, g.top + g.height / 2);
    };
    for (int i = 0; i < 3; ++i) clickCentre("Command1");
    clickCentre("a");
    ASSERT_TRUE(p.timer1.enabled());
    pull();
    ASSERT_TRUE(waitUntil([&] { return p.cantidadmonitores == 1; })) << "screenRemoved never reached the program";
    EXPECT_TRUE(waitUntil([&] { return !mirror->isVisible(); }));
    EXPECT_FALSE(p.win("clontabrino").shown());
    EXPECT_EQ(p.clonactivo, "SI");
    EXPECT_TRUE(p.timer1.enabled());
    EXPECT_TRUE(op.isVisible());
    EXPECT_EQ(op.geometry(), primary);

    // A smaller screen comes back: the mirror returns, filled and scaled for it.
    plug("1280x720");
    ASSERT_TRUE(waitUntil([&] { return mirror->isVisible() && mirror->geometry() == QRect(1920, 0, 1280, 720); }))
        << "mirror at " << mirror->geometry().x() << " " << mirror->width() << "x" << mirror->height();
    EXPECT_FLOAT_EQ(p.win("clontabrino")["gollocal"].font().size, 249.75f);
    EXPECT_FLOAT_EQ(p.win("clontabrino").width(), 19200);
    EXPECT_EQ(op.geometry(), primary);
    EXPECT_FALSE(watch.seen) << "the mirror was shown over the operator window";
}

}  // namespace
}  // namespace tabrino::qt::test

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    tabrino::qt::test::XorgDummy xorg;
    QString why;
    if (!xorg.start(40, 49, why)) {
        std::printf("SKIP: no X server with the dummy driver here: %s\n", qPrintable(why));
        return 77;
    }
    // The operator's screen alone to begin with.
    xorg.xrandr(
        {QStringLiteral("--output"), QStringLiteral("DUMMY0"), QStringLiteral("--mode"), QStringLiteral("1920x1080")});
    qputenv("DISPLAY", xorg.display().toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "xcb");
    tabrino::qt::test::server = &xorg;
    int status = 0;
    {
        QApplication app(argc, argv);
        QApplication::setQuitOnLastWindowClosed(false);
        status = RUN_ALL_TESTS();
    }
    return status;
}
