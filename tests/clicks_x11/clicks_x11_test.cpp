// The real program on a real X server (Xorg's dummy driver, one 1280 x 720
// screen), as the operator meets it: started over an empty lock file left
// where the lock lives, then driven with xdotool's mouse clicks and key
// presses. A double click whose question box took the release must not eat
// the next click; ten quick clicks on the foul count are ten fouls. What
// the program holds is read from its own match record.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPoint>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>
#include <functional>
#include <string>

#include "app/window_catalog.h"
#include "form/window.h"
#include "record/journal.h"
#include "xorg_dummy.h"

using namespace tabrino;

namespace {

tabrino::qt::test::XorgDummy* server = nullptr;

bool waitFor(const std::function<bool()>& condition, int limitMs = 10000) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < limitMs) {
        if (condition()) return true;
        QThread::msleep(50);
    }
    return condition();
}

QString xdotool(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral("xdotool"), args);
    p.waitForFinished(10000);
    return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
}

// The first visible window whose name matches, or empty.
QString window(const QString& name) {
    return xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"), name})
        .section(QLatin1Char('\n'), 0, 0);
}

// Screen position of an element's centre: on a 1280 x 720 screen the
// operator window is its design at one pixel for 15 twips.
QPoint onScreen(const QString& windowId, const char* element) {
    const QString g = xdotool({QStringLiteral("getwindowgeometry"), windowId});
    int x = 0, y = 0;
    std::sscanf(g.section(QLatin1Char('\n'), 1, 1).toLatin1().constData(), " Position: %d,%d", &x, &y);
    Window w(*designFor("Form1"), nullptr);
    const Rect r = w[element].absoluteGeometry();
    return {x + static_cast<int>((r.left + r.width / 2) / 15), y + static_cast<int>((r.top + r.height / 2) / 15)};
}

class ClicksX11 : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        ASSERT_FALSE(QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty()) << "xdotool is needed";
        // The lock's folder, private, with a lock file of zero bytes in it:
        // what a crash or a full disk can leave behind.
        const QString run = dir_.filePath(QStringLiteral("run"));
        ASSERT_TRUE(QDir().mkpath(run));
        ASSERT_TRUE(QFile::setPermissions(run, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QFile lock(run + QStringLiteral("/tabrino-de-hockey.lock"));
        ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
        lock.close();
        ASSERT_EQ(QFileInfo(lock).size(), 0);

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), server->display());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), run);
        env.insert(QStringLiteral("XDG_DATA_HOME"), dir_.filePath(QStringLiteral("data")));
        env.insert(QStringLiteral("PULSE_SERVER"), QStringLiteral("unix:/nonexistent"));  // one known box
        program_.setProcessEnvironment(env);
        program_.setProcessChannelMode(QProcess::MergedChannels);
        program_.setStandardOutputFile(dir_.filePath(QStringLiteral("tabrino.out")));
        program_.start(QStringLiteral(TABRINO_PROGRAM), {});
        ASSERT_TRUE(program_.waitForStarted());
    }

    void TearDown() override {
        if (program_.state() != QProcess::NotRunning) {
            program_.kill();
            program_.waitForFinished();
        }
        if (HasFailure()) {
            dir_.setAutoRemove(false);
            std::printf("kept for a look: %s\n", qPrintable(dir_.path()));
        }
    }

    record::State recorded() {
        const record::Journal j =
            record::readFile(dir_.filePath(QStringLiteral("data/tabrino/partido.registro")).toStdString());
        return record::replay(j.entries);
    }

    bool reads(const char* field, const char* text) { return recorded()[field] == text; }

    void clicks(const QString& windowId, const char* element, int count, int apartMs) {
        const QPoint at = onScreen(windowId, element);
        xdotool({QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y()), QStringLiteral("sleep"),
                 QStringLiteral("0.05"), QStringLiteral("click"), QStringLiteral("--repeat"), QString::number(count),
                 QStringLiteral("--delay"), QString::number(apartMs), QStringLiteral("1")});
    }

    void answer(const QString& boxId, const char* key) {
        xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), boxId, QStringLiteral("key"),
                 QString::fromLatin1(key)});
    }

    QTemporaryDir dir_;
    QProcess program_;
};

}  // namespace

TEST_F(ClicksX11, EveryClickCountsUnderRealX) {
    // The empty lock did not stop the start: the board comes up (after the
    // box saying there is no sound here, answered with Return).
    QString board;
    ASSERT_TRUE(waitFor([&] {
        if (program_.waitForFinished(0)) return true;  // ended: said below
        if (const QString box = window(QStringLiteral("^Sonidos$")); !box.isEmpty()) {
            answer(box, "Return");
            return false;
        }
        board = window(QStringLiteral("^Tabrino de Hockey$"));
        return !board.isEmpty();
    })) << "the operator window never came up";
    ASSERT_EQ(program_.state(), QProcess::Running) << "the program stopped at start over the empty lock";

    // A double click on the period asks; "No" (Escape) keeps the period.
    clicks(board, "periodo", 2, 80);
    QString box;
    ASSERT_TRUE(waitFor([&] { return !(box = window(QStringLiteral("^Confirmacion$"))).isEmpty(); }))
        << "no question on the double click";
    answer(box, "Escape");
    ASSERT_TRUE(waitFor([&] { return window(QStringLiteral("^Confirmacion$")).isEmpty(); }));
    // The box took the double click's release; the next click is still one.
    clicks(board, "golvisita", 1, 0);
    EXPECT_TRUE(waitFor([&] { return reads("Form1.golvisita.text", "1"); }, 5000))
        << "the first click after the box was lost: golvisita reads " << recorded()["Form1.golvisita.text"];
    EXPECT_EQ(recorded()["Form1.periodo.text"], "1");

    // Minutes on the clock, then ten fouls as fast as an operator counts.
    const std::string minutes = recorded()["Form1.a.text"];
    clicks(board, "Command1", 1, 0);
    ASSERT_TRUE(waitFor([&] {
        const std::string now = recorded()["Form1.a.text"];
        return now != minutes && now != "00";
    })) << "no minutes on the clock";
    clicks(board, "faltalocal", 10, 150);
    EXPECT_TRUE(waitFor([&] { return reads("Form1.librelocal.text", "1"); }, 5000))
        << "no free hit after ten clicks: faltalocal reads " << recorded()["Form1.faltalocal.text"];
    record::State s = recorded();
    EXPECT_EQ(s["Form1.faltalocal.text"], "0");
    EXPECT_EQ(s["Form1.librelocal.visible"], "yes");
}

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    tabrino::qt::test::XorgDummy xorg;
    QString why;
    if (!xorg.start(50, 59, why)) {
        std::printf("SKIP: no X server with the dummy driver here: %s\n", qPrintable(why));
        return 77;
    }
    // One screen, the size the operator window is designed for.
    xorg.xrandr({QStringLiteral("--addmode"), QStringLiteral("DUMMY0"), QStringLiteral("1280x720")});
    if (!xorg.xrandr({QStringLiteral("--output"), QStringLiteral("DUMMY0"), QStringLiteral("--mode"),
                      QStringLiteral("1280x720")},
                     &why)) {
        std::printf("SKIP: the X server has no 1280x720 screen: %s\n", qPrintable(why));
        return 77;
    }
    qputenv("DISPLAY", xorg.display().toLocal8Bit());  // for xdotool
    server = &xorg;
    return RUN_ALL_TESTS();
}
