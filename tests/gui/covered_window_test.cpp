// A window of the program shown whole over another hides the one below and
// gives its image back (32 MiB on a 4K screen); the one below comes back,
// painted with what changed meanwhile, before the one above goes, so the
// screen never shows the desktop between them.
#include <gtest/gtest.h>

#include <QBackingStore>
#include <QEvent>
#include <string>
#include <vector>

#include "gui_support.h"

namespace tabrino::qt::test {
namespace {

// Notes the order in which windows are shown and hidden.
class ShowHideLog : public QObject {
public:
    std::vector<std::string> events;
    bool eventFilter(QObject* o, QEvent* e) override {
        if ((e->type() == QEvent::Show || e->type() == QEvent::Hide) && o->isWidgetType() &&
            static_cast<QWidget*>(o)->isWindow())
            events.push_back((e->type() == QEvent::Show ? "show " : "hide ") + o->objectName().toStdString());
        return false;
    }
    long indexOf(const std::string& event) const {
        for (std::size_t i = 0; i < events.size(); ++i)
            if (events[i] == event) return long(i);
        return -1;
    }
};

bool looksAsPaintedWhole(WindowView& v) {
    const QImage onScreen = v.screen()->grabWindow(v.winId()).toImage().convertToFormat(QImage::Format_RGB32);
    return onScreen == v.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

TEST(CoveredWindow, HidesUnderAWholeCoverAndComesBackFirst) {
    struct Case {
        const char* window;
        bool coversOperatorWindow;
    };
    const Case cases[] = {
        {"finpartido", true},      // the end screen, full screen over it
        {"configuracion", false},  // the settings window, smaller
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.window);
        ShownProgram s;
        WindowView& form1 = s.form1View();
        ASSERT_TRUE(form1.isVisible());
        ShowHideLog log;
        qApp->installEventFilter(&log);

        Window& cover = s.p.win(c.window);
        cover.show();
        settle();
        WindowView& above = *s.shell->view(c.window);
        ASSERT_TRUE(above.isVisible());
        EXPECT_EQ(form1.covered(), c.coversOperatorWindow);
        EXPECT_EQ(form1.isVisible(), !c.coversOperatorWindow);
        if (c.coversOperatorWindow) {
            EXPECT_EQ(form1.backingStore()->size(), QSize(1, 1)) << "image given back";
        }

        // What changes under the cover is there when it goes.
        s.f()["gollocal"].setText("7");
        cover.hide();
        settle();
        qApp->removeEventFilter(&log);
        EXPECT_FALSE(above.isVisible());
        EXPECT_TRUE(form1.isVisible());
        EXPECT_FALSE(form1.covered());
        EXPECT_EQ(form1.backingStore()->size(), form1.size());
        EXPECT_TRUE(looksAsPaintedWhole(form1));
        if (c.coversOperatorWindow) {
            const long back = log.indexOf("show Form1"), gone = log.indexOf("hide " + std::string(c.window));
            EXPECT_GE(back, 0);
            EXPECT_LT(back, gone) << "the operator window comes back before the cover goes";
        }
    }
}

}  // namespace
}  // namespace tabrino::qt::test
