// The About window, opened from the small label at the foot of the operator
// window through the real Qt process service.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>

#include "gui_support.h"
#include "qt/about_window.h"
#include "qt/qt_process.h"

namespace tabrino::qt::test {
namespace {

std::vector<AboutWindow*> aboutWindows() {
    std::vector<AboutWindow*> out;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* a = qobject_cast<AboutWindow*>(w); a && a->isVisible()) out.push_back(a);
    return out;
}

struct AboutFromLabel4 : ::testing::Test {
    PictureFolder folder;
    FakeServices fake;
    QTemporaryDir lockDir;
    std::unique_ptr<QtProcess> process = std::make_unique<QtProcess>(lockDir.filePath(QStringLiteral("lock")));
    Program p{Services{fake.dialogs, fake.sounds, fake.monitors, *process, fake.clock}};
    std::unique_ptr<Shell> shell;

    AboutFromLabel4() { shell = startShown(fake, p, folder.path()); }
    ~AboutFromLabel4() override {
        shell.reset();
        process.reset();
    }
    void click(const std::string& element) {
        WindowView& view = *shell->view("Form1");
        QTest::mouseClick(view.windowHandle(), Qt::LeftButton, {}, view.boxOf(element).center());
    }
};

TEST_F(AboutFromLabel4, OpensOneFramedWindowWithTheVersionThatNeverBlocksTheMatch) {
    ASSERT_TRUE(aboutWindows().empty());
    click("Label4");
    ASSERT_TRUE(waitUntil([] { return aboutWindows().size() == 1; }));
    AboutWindow* about = aboutWindows().front();
    EXPECT_FALSE(about->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(about->windowTitle(), QStringLiteral("Acerca del Tabrino de Hockey"));
    EXPECT_FALSE(about->isModal());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    auto* version = about->findChild<QLabel*>(QStringLiteral("version"));
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version->text(), QStringLiteral("Versión " TABRINO_VERSION));
    EXPECT_TRUE(QString::fromLatin1(TABRINO_VERSION).contains(QLatin1Char('.')));

    // The operator goes on with the match while it is open.
    click("gollocal");
    EXPECT_EQ(p.form1()["gollocal"].text(), "1");

    // A second click brings the same window forward instead of a copy.
    click("Label4");
    settle();
    ASSERT_EQ(aboutWindows().size(), 1u);
    EXPECT_EQ(aboutWindows().front(), about);
}

TEST_F(AboutFromLabel4, ClosedByItsButtonOrWithTheProgram) {
    click("Label4");
    ASSERT_TRUE(waitUntil([] { return aboutWindows().size() == 1; }));
    QPointer<AboutWindow> first = aboutWindows().front();
    auto* closeButton = first->findChild<QPushButton*>();
    ASSERT_NE(closeButton, nullptr);
    EXPECT_EQ(closeButton->text(), QStringLiteral("Cerrar"));
    QTest::mouseClick(closeButton, Qt::LeftButton);
    ASSERT_TRUE(waitUntil([&] { return first.isNull(); }));

    click("Label4");
    ASSERT_TRUE(waitUntil([] { return aboutWindows().size() == 1; }));
    QPointer<AboutWindow> second = aboutWindows().front();
    shell.reset();
    process.reset();
    EXPECT_TRUE(second.isNull());
}

}  // namespace
}  // namespace tabrino::qt::test
