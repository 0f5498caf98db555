// Windowed controls kept in step with the model both ways, on a window of
// their own (check boxes, option buttons, text boxes, a frame with a label).
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <string>
#include <vector>

#include "form/design_rows.h"
#include "gui_support.h"
#include "qt/picture_book.h"

namespace tabrino::qt::test {
namespace {

using namespace rows;

WindowDesign controlsDesign() {
    WindowDesign d;
    d.name = "pruebas";
    d.title = "Pruebas";
    d.framed = true;
    d.scaled = false;
    d.width = 6000;
    d.height = 4500;
    d.background = 0xC0C0C0;
    const char* sans = "MS Sans Serif";
    d.elements = {
        control(Kind::Frame, "Frame1", {300, 300, 3000, 2400}, sans, 8.25f, false, "Opciones"),
        control(Kind::OptionButton, "Option1", {150, 300, 1200, 255}, sans, 8.25f, false, "SI", {}, "Frame1"),
        control(Kind::OptionButton, "Option2", {150, 600, 1200, 255}, sans, 8.25f, false, "NO", {}, "Frame1"),
        label("Label1", {150, 1000, 2500, 400}, "Impact", 14, false, colors::black, "Dentro", Align::Left),
        shape("Shape1", {150, 1600, 600, 600}, 0xFF0000, colors::black, "Frame1"),
        control(Kind::CheckBox, "Check1", {3600, 300, 2000, 255}, sans, 8.25f, false, "Bip"),
        control(Kind::TextBox, "Text1", {3600, 900, 735, 285}, sans, 8.25f, false, "12"),
        control(Kind::TextBox, "Text2", {3600, 1500, 735, 285}, sans, 8.25f, false, "15"),
    };
    d.elements[3].container = "Frame1";
    d.elements[1].checked = true;
    return d;
}

struct Controls : ::testing::Test {
    FakeServices fake;
    Program p{fake.services()};
    WindowDesign design = controlsDesign();
    Window w{design, &p};
    PictureBook pictures{QString()};
    WindowView view{p, w, pictures};
    std::vector<std::string> events;

    void SetUp() override {
        p.setStrict(true);
        p.knowDesign(design);
        for (const char* n : {"Option1", "Option2", "Check1", "Text1", "Text2"}) {
            const std::string name = n;
            p.on("pruebas", n, Event::Click, [this, name] { events.push_back(name + " Click"); });
            p.on("pruebas", n, Event::Change, [this, name] { events.push_back(name + " Change " + w[name].text()); });
            p.on("pruebas", n, Event::LostFocus, [this, name] { events.push_back(name + " LostFocus"); });
        }
        w.setBounds(1500, 1500, design.width, design.height);
        w.show();
        settle();
    }
    std::vector<std::string> eventsOf(const std::string& prefix) const {
        std::vector<std::string> out;
        for (const auto& e : events)
            if (e.rfind(prefix + " ", 0) == 0) out.push_back(e);
        return out;
    }
    // The focus moves as controls are clicked; only the clicks count here.
    std::vector<std::string> clicks() const {
        std::vector<std::string> out;
        for (const auto& e : events)
            if (e.size() > 6 && e.compare(e.size() - 6, 6, " Click") == 0) out.push_back(e);
        return out;
    }
    template <class T>
    T* widget(const char* name) {
        return qobject_cast<T*>(view.control(name));
    }
};

TEST_F(Controls, FramedWindowKeepsItsClientSize) {
    EXPECT_FALSE(view.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(view.windowTitle(), QStringLiteral("Pruebas"));
    EXPECT_EQ(view.geometry(), QRect(100, 100, 400, 300));
}

TEST_F(Controls, CheckBoxByPointerByKeyAndByProgram) {
    auto* check = widget<QCheckBox>("Check1");
    ASSERT_NE(check, nullptr);
    QTest::mouseClick(check, Qt::LeftButton);
    EXPECT_TRUE(w["Check1"].checked());
    check->setFocus();
    QTest::keyClick(check, Qt::Key_Space);
    EXPECT_FALSE(w["Check1"].checked());
    EXPECT_FALSE(check->isChecked());
    w["Check1"].setChecked(true);  // by program: its Click runs too
    EXPECT_TRUE(check->isChecked());
    EXPECT_EQ(clicks(), (std::vector<std::string>{"Check1 Click", "Check1 Click", "Check1 Click"}));

    w["Check1"].setEnabled(false);
    EXPECT_FALSE(check->isEnabled());
    QTest::mouseClick(check, Qt::LeftButton);
    EXPECT_TRUE(w["Check1"].checked());
    EXPECT_EQ(clicks().size(), 3u);
}

TEST_F(Controls, DisabledCaptionsGreyOut) {
    // The caption takes the element's colour while enabled, the system's
    // disabled grey otherwise, so the operator sees which boxes are off.
    w["Check1"].setColor(0x0000FF);
    settle();
    auto* check = widget<QCheckBox>("Check1");
    ASSERT_NE(check, nullptr);
    const QColor own = check->palette().color(QPalette::Active, QPalette::WindowText);
    EXPECT_EQ(own, QColor(0, 0, 255));
    w["Check1"].setEnabled(false);
    settle();
    EXPECT_NE(check->palette().color(QPalette::Disabled, QPalette::WindowText), own);
}

TEST_F(Controls, OneOptionSelectedPerFrame) {
    auto* one = widget<QRadioButton>("Option1");
    auto* two = widget<QRadioButton>("Option2");
    ASSERT_TRUE(one && two);
    EXPECT_TRUE(one->isChecked());
    QTest::mouseClick(two, Qt::LeftButton);
    EXPECT_TRUE(w["Option2"].checked());
    EXPECT_FALSE(w["Option1"].checked());
    EXPECT_TRUE(two->isChecked());
    EXPECT_FALSE(one->isChecked());
    // Clicking the selected option again leaves it selected.
    QTest::mouseClick(two, Qt::LeftButton);
    EXPECT_TRUE(two->isChecked());
    EXPECT_TRUE(w["Option2"].checked());
    w["Option1"].setChecked(true);
    EXPECT_TRUE(one->isChecked());
    EXPECT_FALSE(two->isChecked());
}

TEST_F(Controls, TextBoxTypingAndLostFocus) {
    auto* one = widget<QLineEdit>("Text1");
    auto* two = widget<QLineEdit>("Text2");
    ASSERT_TRUE(one && two);
    view.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
    one->setFocus(Qt::MouseFocusReason);
    one->selectAll();
    QTest::keyClicks(one, "20");
    EXPECT_EQ(w["Text1"].text(), "20");
    EXPECT_EQ(p.focus(), &w["Text1"]);
    two->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(eventsOf("Text1"), (std::vector<std::string>{"Text1 Change 2", "Text1 Change 20", "Text1 LostFocus"}));

    w["Text2"].setTextSilently("07");
    EXPECT_EQ(two->text(), QStringLiteral("07"));
}

TEST_F(Controls, FrameDrawsWhatLiesInItAndHidesWithIt) {
    QWidget* frame = view.control("Frame1");
    ASSERT_NE(frame, nullptr);
    const QImage shot = view.grab().toImage();
    EXPECT_EQ(shot.pixel(view.boxOf("Shape1").center()), 0xFFFF0000u);
    const QRect label = view.boxOf("Label1");
    bool ink = false;
    for (int y = label.top(); y <= label.bottom() && !ink; ++y)
        for (int x = label.left(); x <= label.right() && !ink; ++x) ink = qGray(shot.pixel(x, y)) < 60;
    EXPECT_TRUE(ink) << "the label inside the frame is drawn";

    w["Frame1"].setVisible(false);
    settle();
    EXPECT_FALSE(frame->isVisible());
    EXPECT_FALSE(view.control("Option1")->isVisible());
}

}  // namespace
}  // namespace tabrino::qt::test
