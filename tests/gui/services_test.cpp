// The Qt services: monitors over the screens, Spanish message and input
// boxes, the single running copy, fonts, the display check, timer driving.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QFontInfo>
#include <QFontMetrics>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QTimer>
#include <cstdlib>

#include "gui_support.h"
#include "qt/display_check.h"
#include "qt/fonts.h"
#include "qt/qt_dialogs.h"
#include "qt/qt_monitors.h"
#include "qt/qt_process.h"

namespace tabrino::qt::test {
namespace {

TEST(QtMonitorsTest, TwoScreensSideBySide) {
    QtMonitors m;
    EXPECT_EQ(m.systemMetric(MonitorApi::SM_CMONITORS), 2);
    EXPECT_EQ(m.systemMetric(MonitorApi::SM_XVIRTUALSCREEN), 0);
    EXPECT_EQ(m.systemMetric(MonitorApi::SM_YVIRTUALSCREEN), 0);
    EXPECT_EQ(m.systemMetric(MonitorApi::SM_CXVIRTUALSCREEN), 2560);
    EXPECT_EQ(m.systemMetric(MonitorApi::SM_CYVIRTUALSCREEN), 720);
    EXPECT_EQ(m.screenWidthTwips(), 19200);
    EXPECT_EQ(m.screenHeightTwips(), 10800);

    struct Case {
        int x, y;
        std::uint32_t flags, handle;
    };
    const Case cases[] = {
        {320, 240, 0, 1}, {1600, 240, 0, 2}, {2560, 240, 0, 0},  // right of the desktop: none
        {320, 960, 0, 0}, {320, 960, 1, 1},  {3000, 240, 2, 2},  // default to primary / nearest
    };
    for (const Case& c : cases)
        EXPECT_EQ(m.monitorFromRect({c.x, c.y, c.x + 1, c.y + 1}, c.flags), c.handle) << c.x << "," << c.y;

    MonitorInfo info;
    ASSERT_TRUE(m.monitorInfo(2, info));
    EXPECT_EQ(info.monitor.left, 1280);
    EXPECT_EQ(info.monitor.right, 2560);
    EXPECT_EQ(info.monitor.bottom, 720);
    EXPECT_EQ(info.flags & 1u, 0u);
    ASSERT_TRUE(m.monitorInfo(1, info));
    EXPECT_EQ(info.flags & 1u, 1u);
    EXPECT_FALSE(m.monitorInfo(0, info));
    EXPECT_FALSE(m.monitorInfo(3, info));
}

// Answers the next modal box from inside its event loop, recording it.
struct BoxSeen {
    QString title, text;
    QStringList buttons;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

void answerNextBox(BoxSeen& seen, const QString& press) {
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, &seen, press] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        poll->deleteLater();
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        for (QAbstractButton* b : box->buttons()) seen.buttons << b->text();
        for (QAbstractButton* b : box->buttons())
            if (b->text() == press) b->click();
        if (press.isEmpty()) box->reject();  // closed with Escape or the title bar
    });
    poll->start(5);
}

TEST(QtDialogsTest, MessageBoxesInSpanish) {
    struct Case {
        Buttons buttons;
        Icon icon;
        std::string title;
        QString press;
        Answer answer;
        QStringList shown;
        QString title_shown;
        QMessageBox::Icon icon_shown;
    };
    const Case cases[] = {
        {Buttons::YesNo,
         Icon::Question,
         "Confirmar",
         QStringLiteral("Sí"),
         Answer::Yes,
         {QStringLiteral("Sí"), QStringLiteral("No")},
         QStringLiteral("Confirmar"),
         QMessageBox::Question},
        {Buttons::YesNo,
         Icon::None,
         "Cuidado!!!",
         QStringLiteral("No"),
         Answer::No,
         {QStringLiteral("Sí"), QStringLiteral("No")},
         QStringLiteral("Cuidado!!!"),
         QMessageBox::NoIcon},
        {Buttons::YesNo,
         Icon::Question,
         "Confirmacion",
         QString(),
         Answer::No,
         {QStringLiteral("Sí"), QStringLiteral("No")},
         QStringLiteral("Confirmacion"),
         QMessageBox::Question},
        {Buttons::Ok,
         Icon::Error,
         "Atención!",
         QStringLiteral("Aceptar"),
         Answer::Ok,
         {QStringLiteral("Aceptar")},
         QStringLiteral("Atención!"),
         QMessageBox::Critical},
        {Buttons::Ok,
         Icon::Information,
         "",
         QStringLiteral("Aceptar"),
         Answer::Ok,
         {QStringLiteral("Aceptar")},
         QStringLiteral("Tabrino de Hockey"),
         QMessageBox::Information},
    };
    QtDialogs dialogs;
    for (const Case& c : cases) {
        BoxSeen seen;
        answerNextBox(seen, c.press);
        EXPECT_EQ(dialogs.message("Desea borrar los amonestados?", c.title, c.buttons, c.icon), c.answer) << c.title;
        EXPECT_EQ(seen.text, QStringLiteral("Desea borrar los amonestados?"));
        EXPECT_EQ(seen.title, c.title_shown);
        EXPECT_EQ(seen.icon, c.icon_shown);
        QStringList sorted = seen.buttons;
        sorted.sort();
        QStringList expected = c.shown;
        expected.sort();
        EXPECT_EQ(sorted, expected) << c.title;
    }
}

TEST(QtDialogsTest, InputBoxReturnsTheTextOrNothing) {
    struct Case {
        bool accept;
        std::string expected;
    };
    QtDialogs dialogs;
    for (const Case& c : {Case{true, "Patín Club"}, Case{false, ""}}) {
        QString title, ok, cancel;
        auto* poll = new QTimer(qApp);
        QObject::connect(poll, &QTimer::timeout, poll, [&, poll, c] {
            auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            if (!box) return;
            poll->deleteLater();
            title = box->windowTitle();
            ok = box->okButtonText();
            cancel = box->cancelButtonText();
            box->findChild<QLineEdit*>()->setText(QStringLiteral("Patín Club"));
            c.accept ? box->accept() : box->reject();
        });
        poll->start(5);
        EXPECT_EQ(dialogs.input("Nombre del equipo", "", "L O C A L"), c.expected);
        EXPECT_EQ(title, QStringLiteral("Tabrino de Hockey"));
        EXPECT_EQ(ok, QStringLiteral("Aceptar"));
        EXPECT_EQ(cancel, QStringLiteral("Cancelar"));
    }
}

TEST(QtProcessTest, OneRunningCopyAndACrashedCopyLeavesNoLock) {
    QTemporaryDir dir;
    const QString lock = dir.filePath(QStringLiteral("tabrino.lock"));
    {
        QtProcess first(lock), second(lock);
        EXPECT_FALSE(first.anotherCopyRunning());
        EXPECT_FALSE(first.anotherCopyRunning()) << "asking again keeps our own lock";
        EXPECT_TRUE(second.anotherCopyRunning());
    }
    QtProcess afterQuit(lock);
    EXPECT_FALSE(afterQuit.anotherCopyRunning());

    const QString crashed = dir.filePath(QStringLiteral("crashed.lock"));
    ASSERT_EQ(QProcess::execute(QCoreApplication::applicationFilePath(), {"--take-lock-and-crash", crashed}), 0);
    ASSERT_TRUE(QFile::exists(crashed)) << "the crashed copy left its lock behind";
    QtProcess next(crashed);
    EXPECT_FALSE(next.anotherCopyRunning());
}

TEST(QtProcessTest, NothingWrittenInTheLockFileKeepsTheProgramOut) {
    // What a crash, a full disk, another machine or a prankster can leave.
    struct Case {
        const char* what;
        QByteArray content;
        QFileDevice::Permissions mode;
    } cases[] = {
        {"empty", "", QFile::ReadOwner | QFile::WriteOwner},
        {"garbled", QByteArray("\xff\x00zz\n-7\n", 9), QFile::ReadOwner | QFile::WriteOwner},
        {"another host", "4242\ntabrino\notra-maquina\n", QFile::ReadOwner | QFile::WriteOwner},
        {"a live process's id", QByteArray::number(QCoreApplication::applicationPid()) + "\ntabrino\n",
         QFile::ReadOwner | QFile::WriteOwner},
        {"unreadable", "1\n", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        const QString lock = dir.filePath(QStringLiteral("tabrino.lock"));
        QFile f(lock);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(c.content);
        f.close();
        f.setPermissions(c.mode);
        QtProcess first(lock), second(lock);
        EXPECT_FALSE(first.anotherCopyRunning());
        EXPECT_TRUE(second.anotherCopyRunning()) << "and once taken, the lock still keeps a second copy out";
    }
}

TEST(QtProcessTest, TheLockLivesInAFolderOnlyThisUserCanWrite) {
    QTemporaryDir tmp;
    const QString own = tmp.filePath(QStringLiteral("tabrino-de-hockey-%1").arg(::geteuid()));
    const auto mode = [](const QString& path) {
        struct stat st {};
        return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? int(st.st_mode & 07777) : -1;
    };

    // A runtime folder that others may write is passed over for our own.
    QDir(tmp.path()).mkdir(QStringLiteral("run"));
    const QString run = tmp.filePath(QStringLiteral("run"));
    ::chmod(QFile::encodeName(run).constData(), 0777);
    EXPECT_EQ(QtProcess::lockFolder(run, tmp.path()), own);
    EXPECT_EQ(mode(own), 0700);
    ::chmod(QFile::encodeName(run).constData(), 0700);
    EXPECT_EQ(QtProcess::lockFolder(run, tmp.path()), run);

    // Our folder left open is closed up again.
    ::chmod(QFile::encodeName(own).constData(), 0777);
    EXPECT_EQ(QtProcess::lockFolder({}, tmp.path()), own);
    EXPECT_EQ(mode(own), 0700);

    // A link planted in its place is never followed.
    QDir(own).removeRecursively();
    ASSERT_TRUE(QFile::link(run, own));
    EXPECT_EQ(QtProcess::lockFolder({}, tmp.path()), QString());
    EXPECT_FALSE(QtProcess(QString()).anotherCopyRunning()) << "no safe folder: the operator is let in";
}

TEST(QtProcessTest, HighlightColourIsThePalettes) {
    QtProcess process(QTemporaryDir().filePath(QStringLiteral("x.lock")));
    EXPECT_EQ(process.highlightColor(), QApplication::palette().color(QPalette::Highlight).rgb() & 0xFFFFFFu);
}

TEST(FontsTest, DesignFacesMapToInstalledFaces) {
    struct Case {
        const char* face;
        bool bold;
        QString family;
    };
    const Case cases[] = {
        {"DS-Digital", true, QStringLiteral("DSEG7 Classic")},
        {"Impact", false, QStringLiteral("Roboto Condensed")},
        {"MS Sans Serif", false, QStringLiteral("Liberation Sans")},
    };
    for (const Case& c : cases) {
        const QFont f = qtFont(Font{c.face, 20, c.bold});
        EXPECT_EQ(QFontInfo(f).family(), c.family) << c.face;
    }
    EXPECT_TRUE(QFontInfo(qtFont(Font{"Impact", 20, false})).bold()) << "Impact is heavy at its regular weight";
    EXPECT_EQ(pixelSize(30), 40);
    EXPECT_EQ(pixelSize(8.25f), 11);
    EXPECT_EQ(pixelSize(30, 1.5), 60);
    EXPECT_EQ(qtFont(Font{"MS Sans Serif", 19.5f, true}).pixelSize(), 26);
}

TEST(FontsTest, AFaceThatIsNotInstalledStillDrawsAtItsSize) {
    // A face missing from the machine falls back to the system's default
    // at the design size instead of drawing nothing.
    const QFont f = qtFont(Font{"Cara Inexistente", 30, false});
    const QFontMetrics m(f);
    EXPECT_GT(m.horizontalAdvance(QStringLiteral("LOCAL")), 0);
    EXPECT_EQ(f.pixelSize(), pixelSize(30));
}

TEST(FontsTest, ClockDigitsFitTheirBoxes) {
    // Two digits of the big clock inside the 377-pixel box of `a`, and the
    // digits inside the 337-pixel height of the box.
    const FittedFont f = fittedFont(Font{"DS-Digital", 309.75f, true});
    const QFontMetricsF m(f.font);
    EXPECT_LE(m.horizontalAdvance(QStringLiteral("00")), 377.0);
    EXPECT_GE(m.horizontalAdvance(QStringLiteral("00")), 300.0);
    const QRectF digit = m.tightBoundingRect(QStringLiteral("0"));
    const double top = f.shift + m.ascent() + digit.top();
    EXPECT_GE(top, 64.0) << "below the window's top edge (the box starts 64 pixels above it)";
    EXPECT_LE(top + digit.height(), 337.0);
}

class EnvironmentGuard {
public:
    explicit EnvironmentGuard(std::initializer_list<const char*> names) {
        for (const char* n : names) saved_.emplace_back(n, qgetenv(n), qEnvironmentVariableIsSet(n));
    }
    ~EnvironmentGuard() {
        for (auto& [n, v, set] : saved_) set ? qputenv(n, v) : qunsetenv(n);
    }

private:
    std::vector<std::tuple<const char*, QByteArray, bool>> saved_;
};

TEST(DisplayCheckTest, SaysWhenNoDisplayCanOpen) {
    EnvironmentGuard guard{"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"};
    struct Case {
        const char* platform;
        const char* display;
        const char* wayland;
        bool missing;
    };
    const Case cases[] = {
        {nullptr, nullptr, nullptr, true},
        {"offscreen", nullptr, nullptr, false},
        {"offscreen:configfile=x.json", nullptr, nullptr, false},
        {"xcb", nullptr, nullptr, true},
        {"xcb", ":4711", nullptr, true},  // no such server
        {"wayland;xcb", nullptr, "wayland-0", false},
        {nullptr, "remote:0", nullptr, false},
    };
    for (const Case& c : cases) {
        auto set = [](const char* n, const char* v) { v ? qputenv(n, v) : qunsetenv(n); };
        set("QT_QPA_PLATFORM", c.platform);
        set("DISPLAY", c.display);
        set("WAYLAND_DISPLAY", c.wayland);
        const std::string why = missingDisplay();
        EXPECT_EQ(!why.empty(), c.missing) << (c.platform ? c.platform : "-") << " " << (c.display ? c.display : "-");
        if (c.missing) {
            EXPECT_NE(why.find("No se encontró una pantalla"), std::string::npos);
            EXPECT_NE(why.find("No display found"), std::string::npos);
        }
    }
}

TEST(TimerDriverTest, TicksRunFromTheEventLoopAndNotInsideAQuestion) {
    ShownProgram run;
    Window& f = run.f();
    f["b"].setText("05");
    WindowView& view = run.form1View();
    QTest::mouseClick(view.windowHandle(), Qt::LeftButton, {}, run.centreOf("b"));  // start
    ASSERT_TRUE(run.p.timer1.enabled());
    EXPECT_TRUE(waitUntil([&] { return run.shell->timers().armedFor().has_value(); }));

    run.fake.clock.now += 1000;
    EXPECT_TRUE(waitUntil([&] { return f["b"].text() == "04"; })) << "the loop ran the tick by itself";

    // A handler waiting on a question: the tick due meanwhile waits for it.
    run.p.on("Form1", "Image1", Event::Click, [&] {
        run.fake.clock.now += 1000;
        QTest::qWait(50);
        EXPECT_EQ(f["b"].text(), "04");
    });
    QTest::mouseClick(view.windowHandle(), Qt::LeftButton, {}, run.centreOf("Image1"));
    EXPECT_EQ(f["b"].text(), "03") << "taken as soon as the handler returned";
}

}  // namespace
}  // namespace tabrino::qt::test
