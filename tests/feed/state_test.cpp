// The public state as the feed sends it: texts escaped so no name can break
// the JSON, a batch of changes announced once, and the match as the public
// sees it after operator actions.
#include <gtest/gtest.h>

#include <string>

#include "feed/public_state.h"
#include "platform/fake/fakes.h"
#include "script/drive.h"

namespace tabrino {
namespace {

TEST(FeedJsonString, EscapesWhatWouldBreakTheDocumentAndKeepsAccents) {
    struct Case {
        std::string in, out;
    } cases[] = {
        {"DEPORTIVO LICEO", "\"DEPORTIVO LICEO\""},
        {"CLUB PATÍN VOLTREGÀ", "\"CLUB PATÍN VOLTREGÀ\""},
        {"A\"B\\C", "\"A\\\"B\\\\C\""},
        {"</script><b>", "\"\\u003c/script\\u003e\\u003cb\\u003e\""},
        {std::string("a\nb\x01") + '\x7f', "\"a\\nb\\u0001\\u007f\""},
        // Broken UTF-8: a lone continuation byte, a cut sequence, an overlong
        // form and a surrogate each become one replacement character.
        {"x\x80y", "\"x\xEF\xBF\xBDy\""},
        {"\xC3", "\"\xEF\xBF\xBD\""},
        {"\xC0\xAF", "\"\xEF\xBF\xBD\xEF\xBF\xBD\""},
        {"\xED\xA0\x80", "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\""},
        {"\xF0\x9F\x8F\x92", "\"\xF0\x9F\x8F\x92\""},
    };
    for (const Case& c : cases) EXPECT_EQ(jsonString(c.in), c.out) << c.in;
}

struct Feed : ::testing::Test {
    FakeServices fake;
    Program p{fake.services()};
    std::unique_ptr<PublicState> state;
    int announced = 0;

    void SetUp() override {
        p.setStrict(true);
        p.start();
        state = std::make_unique<PublicState>(p);
        state->setOnStale([this] { ++announced; });
    }
    void click(const char* name, bool dbl = false) { clickCentre(p, p.form1(), name, dbl); }
    bool has(const std::string& fragment) {
        const std::string j = state->json();
        return j.find(fragment) != std::string::npos;
    }
};

TEST_F(Feed, ABatchOfChangesIsAnnouncedOnceUntilTheStateIsRead) {
    const std::string before = state->json();
    const auto version = state->version();
    click("gollocal");
    click("gollocal");
    click("faltavisita");
    EXPECT_EQ(announced, 1);
    const std::string after = state->json();
    EXPECT_NE(after, before);
    EXPECT_EQ(state->version(), version + 1);
    EXPECT_EQ(state->json(), after) << "reading twice builds nothing new";
    click("golvisita");
    EXPECT_EQ(announced, 2);
}

TEST_F(Feed, ShowsTheMatchAsThePublicSeesIt) {
    fake.dialogs.reply("CLUB PATIN VOLTREGA");
    click("equipolocal", true);
    fake.dialogs.reply("DEPORTIVO LICEO");
    click("equipovisita", true);
    p.form1()["a"].setText("10");
    click("a");  // the clock runs
    click("gollocal");
    click("a");       // play stops for the cards
    click("Image5");  // blue card, home: a two-minute suspension
    click("Image7");  // red card, away: four minutes
    click("a");
    passSeconds(p, fake.clock, 3);
    EXPECT_TRUE(has(R"("nombre":"CLUB PATIN VOLTREGA","goles":"1")"));
    EXPECT_TRUE(has(R"("nombre":"DEPORTIVO LICEO","goles":"0")"));
    EXPECT_TRUE(has(R"("reloj":{"minutos":"09","segundos":"57")"));
    EXPECT_TRUE(has(R"("azules_visible":true,"azules":"1")"));
    EXPECT_TRUE(has(R"("castigos":[{"activo":true,"minutos":"01","segundos":"57")"));
    EXPECT_TRUE(has(R"("castigos":[{"activo":true,"minutos":"03","segundos":"57")"));
    EXPECT_TRUE(has(R"("minuto":null,"penales":null,"final":null)"));
}

TEST_F(Feed, TheTimeOutBoardIsPartOfTheStateOnlyWhileShown) {
    p.form1()["a"].setText("10");
    click("a");
    click("a");  // stopped: a time-out may be asked for
    fake.dialogs.answer(Answer::Yes);
    click("tiempolocal", true);
    ASSERT_TRUE(p.existing("minuto") && p.existing("minuto")->shown()) << "the time-out did not start";
    EXPECT_TRUE(has(R"("minuto":{"titulo":)"));
    passSeconds(p, fake.clock, 2);
    EXPECT_TRUE(has(R"("segundos":"58")")) << state->json();
    p.unload("minuto");
    EXPECT_TRUE(has(R"("minuto":null)"));
}

TEST_F(Feed, StopsListeningWhenDropped) {
    state.reset();
    click("gollocal");  // a dropped state must not be told anything
    SUCCEED();
}

}  // namespace
}  // namespace tabrino
