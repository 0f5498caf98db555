// Goals, fouls, cards and team names through the real operator window: the
// operator's clicks on the shown elements change the fields, and the screen
// follows.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <string>

#include "gui_support.h"

namespace tabrino::qt::test {
namespace {

struct TeamEventsOnScreen : ::testing::Test {
    ShownProgram run;
    WindowView& view = run.form1View();
    Window& f = run.f();

    void clickAt(const std::string& element) {
        QTest::mouseClick(view.windowHandle(), Qt::LeftButton, {}, run.centreOf(element));
    }
    void doubleClickAt(const std::string& element) {
        QTest::mouseDClick(view.windowHandle(), Qt::LeftButton, {}, run.centreOf(element));
    }
    void press(const std::string& button) { QTest::mouseClick(view.control(button), Qt::LeftButton); }
    QImage boxImage(const std::string& element) {
        settle();
        return view.grab().toImage().copy(view.boxOf(element).intersected(view.rect()));
    }
    static bool shows(const QImage& image, QRgb colour) {
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if ((image.pixel(x, y) & 0xFFFFFFu) == (colour & 0xFFFFFFu)) return true;
        return false;
    }
    // Time on the clock, started and stopped: the match is under way and
    // the card pictures are enabled.
    void startAndStop() {
        press("Command1");
        clickAt("a");
        clickAt("a");
        ASSERT_FALSE(run.p.timer1.enabled());
    }
};

TEST_F(TeamEventsOnScreen, ScoreAndGoalButtonsChangeTheShownScore) {
    const QImage zero = boxImage("gollocal");
    clickAt("gollocal");
    EXPECT_EQ(f["gollocal"].text(), "1");
    EXPECT_NE(boxImage("gollocal"), zero) << "the new score is drawn";
    press("Command5");
    press("Command6");
    press("Command6");
    press("Command6");
    EXPECT_EQ(f["gollocal"].text(), "0");
    EXPECT_EQ(boxImage("gollocal"), zero);

    clickAt("golvisita");
    press("Command7");
    press("Command8");
    EXPECT_EQ(f["golvisita"].text(), "1");
    EXPECT_EQ(f["gollocal"].text(), "0");
}

TEST_F(TeamEventsOnScreen, FoulClicksWarnAndAwardTheFreeHit) {
    press("Command3");  // 00:01, so fouls count
    for (int i = 0; i < 9; ++i) clickAt("faltalocal");
    EXPECT_EQ(f["faltalocal"].text(), "9");
    EXPECT_TRUE(shows(boxImage("faltalocal"), 0xFF80FF)) << "the warning colour reaches the screen";

    const QImage noFreeHit = boxImage("librelocal");
    clickAt("faltalocal");
    EXPECT_EQ(f["faltalocal"].text(), "0");
    EXPECT_EQ(f["librelocal"].text(), "1");
    EXPECT_TRUE(f["Label2"].visible());
    EXPECT_NE(boxImage("librelocal"), noFreeHit) << "the free-hit count is drawn";
    EXPECT_EQ(run.fake.sounds.played("timbre.wav"), 1);
    for (const char* card : {"Image4", "Image5", "Image6", "Image7"}) EXPECT_TRUE(f[card].enabled()) << card;

    // A double click on "FALTAS" takes one back; never below 0.
    clickAt("faltalocal");
    doubleClickAt("titulofalta");
    doubleClickAt("titulofalta");
    EXPECT_EQ(f["faltalocal"].text(), "0");
    EXPECT_EQ(f["librelocal"].text(), "1");
}

TEST_F(TeamEventsOnScreen, CardPictureOverTheFoulsCountsNoFoulDisabledOrEnabled) {
    press("Command3");
    ASSERT_FALSE(f["Image6"].enabled());
    clickAt("Image6");
    clickAt("Image4");
    EXPECT_EQ(f["faltalocal"].text(), "0");
    EXPECT_EQ(f["faltavisita"].text(), "0");
    EXPECT_EQ(run.p.castigadoslocal, 0);

    startAndStop();
    clickAt("Image6");
    EXPECT_EQ(f["faltalocal"].text(), "0");
    EXPECT_EQ(f["numrojaslocal"].text(), "1");
}

TEST_F(TeamEventsOnScreen, CardsFillSlotsThatTheOperatorFreesAgain) {
    constexpr QRgb kPlayer = 0xFF30A0F0;
    run.folder.write("away_player", kPlayer);
    startAndStop();
    const QImage emptySlot = boxImage("amonvisita");
    clickAt("Image7");
    EXPECT_TRUE(f["amonvisita"].visible());
    EXPECT_EQ(boxImage("amonvisita").pixel(5, 5), kPlayer) << "the suspended player is drawn";
    EXPECT_EQ(f["e"].text() + ":" + f["f"].text(), "04:00");
    EXPECT_EQ(f["numrojasvisita"].text(), "1");
    settle();
    EXPECT_TRUE(shows(boxImage("e"), 0xFF0000)) << "red countdown on screen";

    run.fake.dialogs.answer(Answer::Yes);
    clickAt("Image4");
    EXPECT_EQ(run.fake.dialogs.lastTitle, "Confirmar!!!");
    EXPECT_TRUE(f["amonvisita2"].visible());
    EXPECT_EQ(run.p.castigadosvisita, 2);

    doubleClickAt("amonvisita");
    EXPECT_FALSE(f["amonvisita"].visible());
    EXPECT_EQ(run.p.castigadosvisita, 1);
    EXPECT_EQ(boxImage("amonvisita"), emptySlot) << "the freed slot is gone from the screen";

    doubleClickAt("numrojasvisita");
    EXPECT_EQ(f["numrojasvisita"].text(), "");
    EXPECT_FALSE(f["numrojasvisita"].visible());
    EXPECT_TRUE(run.fake.dialogs.queue.empty());
}

// Long names, emoji and accents are kept whole and stay inside their field:
// the gap beside the home name and the away name's neighbours stay black.
TEST_F(TeamEventsOnScreen, UnusualNamesAreStoredWholeAndStayInTheirField) {
    std::string accents, accentsUpper;
    for (int i = 0; i < 100; ++i) {
        accents += "ñandú ";
        accentsUpper += "ÑANDÚ ";
    }
    const std::string names[][2] = {
        {std::string(500, 'm'), std::string(500, 'M')},
        {"los 🏑 ángeles ⚽ " + accents, "LOS 🏑 ÁNGELES ⚽ " + accentsUpper},
    };
    const QRect name = view.boxOf("equipolocal");
    const QPoint gap(name.right() + 3, name.center().y());
    ASSERT_LT(gap.x(), view.boxOf("Label3a").left());
    for (const auto& n : names) {
        run.fake.dialogs.reply(n[0]);
        doubleClickAt("equipolocal");
        EXPECT_EQ(f["equipolocal"].text(), n[1]);
        EXPECT_EQ(view.grab().toImage().pixelColor(gap), QColor(Qt::black));
        EXPECT_TRUE(shows(boxImage("equipolocal"), 0xFFFF00)) << "the field shows the name";
    }
}

}  // namespace
}  // namespace tabrino::qt::test
