// The public screens through the real shell: the mirror maximised on the
// second screen, in step with the operator window, and the possession
// window on the third screen (run in a child process on three screens).
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QProcess>
#include <QScreen>
#include <cstdio>
#include <cstdlib>

#include "gui_support.h"

namespace tabrino::qt::test {
namespace {

constexpr const char* kThreeScreensVar = "TABRINO_GUI_THREE_SCREENS";

struct PublicScreen : ::testing::Test {
    ShownProgram run;
    Program& p = run.p;

    void SetUp() override {
        if (QGuiApplication::screens().size() < 2) GTEST_SKIP() << "needs an extra screen";
    }

    // The operator ticks the settings window's mirror box.
    WindowView& mirrorOn() {
        run.form1View().routeClick(run.centreOf("config"), false);
        settle();
        Window* settings = p.existing("configuracion");
        EXPECT_NE(settings, nullptr);
        if (settings) (*settings)["Check3"].setChecked(true);
        settle();
        EXPECT_EQ(p.clonactivo, "SI");
        return *run.shell->view("clontabrino");
    }
};

// The first screen that is not the operator's.
QScreen* extraScreen() {
    for (QScreen* s : QGuiApplication::screens())
        if (s != QGuiApplication::primaryScreen()) return s;
    return nullptr;
}

void expectFillsScreen(const WindowView& v, const QScreen* screen) {
    ASSERT_NE(screen, nullptr);
    EXPECT_TRUE(v.isVisible());
    EXPECT_EQ(v.screen(), screen);
    EXPECT_TRUE(v.windowState() & Qt::WindowMaximized);
    EXPECT_EQ(v.geometry(), screen->geometry());
    ASSERT_NE(v.model(), nullptr);
    // The model was scaled to the same screen: the mirror's scores sit where
    // the screen's proportions put them.
    const Window& m = *v.model();
    EXPECT_FLOAT_EQ(m.width() / 15, static_cast<float>(screen->geometry().width()));
    EXPECT_FLOAT_EQ(m.height() / 15, static_cast<float>(screen->geometry().height()));
}

TEST_F(PublicScreen, MirrorOpensMaximisedOnTheSecondScreen) {
    WindowView& mirror = mirrorOn();
    expectFillsScreen(mirror, extraScreen());
    EXPECT_EQ(run.form1View().screen(), QGuiApplication::primaryScreen());
    // Shown without taking the keyboard from the operator.
    EXPECT_TRUE(mirror.windowFlags() & Qt::WindowDoesNotAcceptFocus);
    const QImage shot = mirror.grab().toImage();
    EXPECT_EQ(shot.size(), extraScreen()->geometry().size());
    EXPECT_EQ(shot.pixelColor(shot.width() / 2, shot.height() - 2), QColor(Qt::black));
}

TEST_F(PublicScreen, GoalReachesBothViewsInTheSameAction) {
    WindowView& mirror = mirrorOn();
    settle();
    const long operatorBefore = run.form1View().repaints(), mirrorBefore = mirror.repaints();
    run.form1View().routeClick(run.centreOf("gollocal"), false);
    // Before the event loop runs again the mirror holds the new score.
    EXPECT_EQ(p.form1()["gollocal"].text(), "1");
    EXPECT_EQ((*mirror.model())["gollocal"].text(), "1");
    // One pass of the loop paints the score on both screens.
    QCoreApplication::processEvents();
    EXPECT_GT(run.form1View().repaints(), operatorBefore);
    EXPECT_GT(mirror.repaints(), mirrorBefore);
}

TEST_F(PublicScreen, TickRepaintsOnlyTheChangedFieldsOnBothWindows) {
    WindowView& mirror = mirrorOn();
    Window& f = p.form1();
    f["a"].setText("05");
    f["b"].setText("30");
    run.form1View().routeClick(run.centreOf("a"), false);  // the clock starts
    ASSERT_TRUE(p.timer1.enabled());
    ASSERT_TRUE(waitUntil([&] { return run.shell->timers().armedFor().has_value(); }));
    // The first tick copies everything to the mirror; count the second.
    run.fake.clock.now += 1000;
    ASSERT_TRUE(waitUntil([&] { return f["b"].text() == "29"; }));
    settle();
    const long operatorBefore = run.form1View().repaints(), mirrorBefore = mirror.repaints();
    run.fake.clock.now += 1000;
    ASSERT_TRUE(waitUntil([&] { return f["b"].text() == "28"; }));
    // Within the same tick, never a second behind.
    EXPECT_EQ((*mirror.model())["b"].text(), "28");
    EXPECT_EQ((*mirror.model())["a"].text(), "05");
    settle();
    const long onOperator = run.form1View().repaints() - operatorBefore;
    const long onMirror = mirror.repaints() - mirrorBefore;
    std::printf("elements repainted by one tick: operator %ld, mirror %ld\n", onOperator, onMirror);
    // The seconds field and the few elements its box overlaps; a full
    // repaint is some fifty.
    EXPECT_GE(onOperator, 1);
    EXPECT_LE(onOperator, 4);
    EXPECT_GE(onMirror, 1);
    EXPECT_LE(onMirror, 4);
}

TEST_F(PublicScreen, ClosingCrossSwitchesTheMirrorOff) {
    WindowView& mirror = mirrorOn();
    mirror.routeClick(mirror.boxOf("finmiuto").center(), false);
    settle();
    EXPECT_EQ(p.existing("clontabrino"), nullptr);
    EXPECT_EQ(run.shell->view("clontabrino"), nullptr);
    EXPECT_EQ(p.clonactivo, "NO");
    run.form1View().routeClick(run.centreOf("gollocal"), false);
    EXPECT_EQ(p.existing("clontabrino"), nullptr);
}

// Run only in the child process started below, on three screens.
TEST(PublicScreenThree, MirrorOnTheSecondAndPossessionOnTheThird) {
    if (!qEnvironmentVariableIsSet(kThreeScreensVar)) GTEST_SKIP() << "run by ThreeScreensInAChildProcess";
    const auto screens = QGuiApplication::screens();
    ASSERT_EQ(screens.size(), 3);
    ShownProgram run;
    Program& p = run.p;
    EXPECT_EQ(p.cantidadmonitores, 3);
    run.form1View().routeClick(run.centreOf("config"), false);
    settle();
    Window& settings = p.win("configuracion");
    settings["Check3"].setChecked(true);
    settings["Option12"].setChecked(true);  // possession count on
    settings["Check2"].setChecked(true);    // its own window
    settle();
    EXPECT_EQ(p.clonactivo, "SI");
    EXPECT_EQ(p.tenenciaauxiliar, "si");
    WindowView* mirror = run.shell->view("clontabrino");
    WindowView* possession = run.shell->view("tenencia");
    ASSERT_NE(mirror, nullptr);
    ASSERT_NE(possession, nullptr);
    expectFillsScreen(*mirror, screens.at(1));
    expectFillsScreen(*possession, screens.at(2));
    EXPECT_EQ(run.form1View().screen(), QGuiApplication::primaryScreen());
}

TEST(PublicScreenThreeHost, ThreeScreensInAChildProcess) {
    if (qEnvironmentVariableIsSet(kThreeScreensVar)) GTEST_SKIP() << "already the child";
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("three_screens.json"));
    {
        QFile f(config);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        QByteArray json = "{\"screens\":[";
        for (int i = 0; i < 3; ++i)
            json += QStringLiteral(
                        "%1{\"name\":\"s%2\",\"x\":%3,\"y\":0,\"width\":1280,\"height\":720,"
                        "\"logicalDpi\":96,\"logicalBaseDpi\":96,\"dpr\":1}")
                        .arg(i ? "," : "")
                        .arg(i)
                        .arg(i * 1280)
                        .toUtf8();
        f.write(json + "]}");
    }
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen:configfile=") + config);
    env.insert(QString::fromLatin1(kThreeScreensVar), QStringLiteral("1"));
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--gtest_filter=PublicScreenThree.*")});
    ASSERT_TRUE(child.waitForFinished(60000));
    const QString out = QString::fromLocal8Bit(child.readAll());
    EXPECT_EQ(child.exitCode(), 0) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("[  PASSED  ] 1 test"))) << out.toStdString();
    EXPECT_FALSE(out.contains(QStringLiteral("SKIPPED"))) << out.toStdString();
}

}  // namespace
}  // namespace tabrino::qt::test
