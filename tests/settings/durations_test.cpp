// Storing the duration boxes, the messages that refuse them, and the
// range check of the time-out warning second.
#include "settings/settings.h"
#include "settings_fixture.h"

namespace tabrino {
namespace {

using Durations = SettingsTest;

constexpr const char* kNotNumbers = "Debe ingresar solo numeros, favor de correjir";
constexpr const char* kTooLong = "Tiene periodos superiores a 100 minutos)";
constexpr const char* kSeconds = "El valor debe corresponder a segundos";

TEST_F(Durations, TypedValuesAreStoredAsTwoDigitsOrRefused) {
    struct Case {
        const char* box;
        int entry;
        const char* typed;
        const char* stored;   // nullptr: refused
        const char* message;  // when refused
    } cases[] = {
        {"Text1", 16, "5", "05", nullptr},
        {"Text1", 16, "0", "00", nullptr},
        {"Text1", 16, "07", "07", nullptr},
        {"Text1", 16, " 9", "09", nullptr},
        {"Text1", 16, "100", nullptr, kTooLong},
        {"Text1", 16, "", nullptr, kNotNumbers},
        {"Text1", 16, "ab", nullptr, kNotNumbers},
        {"Text1", 16, "-5", nullptr, kNotNumbers},
        {"Text1", 16, ".5", nullptr, kNotNumbers},
        {"Text1", 16, "12a", nullptr, kNotNumbers},
        {"Text1", 16, "1a", nullptr, kNotNumbers},  // a slip, not one minute
        {"Text1", 16, "9 ", "09", nullptr},
        {"Text1", 16, "-0", "00", nullptr},
        {"Text10", 25, "", nullptr, kNotNumbers},
        {"Text10b", 31, "30", "30", nullptr},
        {"Text10b", 31, "", "00", nullptr},  // outside the number check: read as 0
        {"Text10b", 31, "-5", nullptr, kNotNumbers},
        {"Text11", 26, "x", "00", nullptr},
        {"Text12", 27, "", "00", nullptr},
        {"Text12", 27, "-5", nullptr, kNotNumbers},
        {"Text12", 27, "12a", nullptr, kTooLong},
        {"Text14", 29, "100", nullptr, kTooLong},
        {"Text15", 30, "5", "05", nullptr},
        {"Text15", 30, "99", "99", nullptr},  // the limit of 30 is checked on leaving the box only
        {"Text15", 30, "100", nullptr, kSeconds},
        {"Text15", 30, "-5", nullptr, kNotNumbers},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.box) + " \"" + c.typed + "\"");
        const std::string before = p().tablaseries[static_cast<std::size_t>(c.entry)];
        openSettingsWindow();
        type(c.box, c.typed);
        int messages = fake().dialogs.messages;
        if (c.message) expectOk();
        click("Command1");
        if (c.stored) {
            EXPECT_EQ(fake().dialogs.messages, messages);
            EXPECT_FALSE(open());
            EXPECT_EQ(p().tablaseries[static_cast<std::size_t>(c.entry)], c.stored);
        } else {
            EXPECT_EQ(fake().dialogs.lastText, c.message);
            if (c.message == kNotNumbers)
                expectLastMessage(kNotNumbers, "Error", Icon::Error);
            else
                expectLastMessage(c.message, "", Icon::None);
            EXPECT_TRUE(open()) << "Command1 keeps the window open";
            EXPECT_EQ(cfg()[c.box].text(), c.typed);
            EXPECT_EQ(p().tablaseries[static_cast<std::size_t>(c.entry)], before);
            // Closing it instead shows the message again and goes.
            expectOk();
            closeByItsControl();
            EXPECT_FALSE(open());
        }
        p().tablaseries[static_cast<std::size_t>(c.entry)] = before;
    }
}

// A negative duration would load a negative clock or warning second.
TEST_F(Durations, NegativeRefusedInEveryBox) {
    const auto startUp = p().tablaseries;
    for (const DurationField& field : durationFields()) {
        SCOPED_TRACE(field.box);
        openSettingsWindow();
        type(field.box, "-5");
        expectOk();
        click("Command1");
        expectLastMessage(kNotNumbers, "Error", Icon::Error);
        EXPECT_TRUE(open());
        type(field.box, field.defaultText);
        click("Command1");
        EXPECT_FALSE(open());
    }
    EXPECT_EQ(p().tablaseries, startUp);
}

TEST_F(Durations, NotNumbersStoresNothingAtAll) {
    openSettingsWindow();
    type("Text2", "08");
    type("Text12", "09");
    type("Text9", "zz");
    expectOk();
    click("Command1");
    EXPECT_EQ(p().tablaseries[17], "15");
    EXPECT_EQ(p().tablaseries[27], "03");
}

// The store goes box by box: the one that is too long stops it there.
TEST_F(Durations, FieldFailingMidwayKeepsTheBoxesBeforeIt) {
    const auto startUp = p().tablaseries;
    for (bool byButton : {true, false}) {
        SCOPED_TRACE(byButton ? "Command1" : "close control");
        p().tablaseries = startUp;
        openSettingsWindow();
        const char* typed[] = {"01", "02", "03", "04", "05", "123", "07"};
        for (int i = 0; i < 7; ++i) type("Text" + std::to_string(i + 1), typed[i]);
        type("Text12", "09");
        expectOk();
        if (byButton)
            click("Command1");
        else
            closeByItsControl();
        expectLastMessage(kTooLong, "", Icon::None);
        for (int i = 0; i < 5; ++i) EXPECT_EQ(p().tablaseries[static_cast<std::size_t>(16 + i)], typed[i]);
        EXPECT_EQ(p().tablaseries[21], "18");
        EXPECT_EQ(p().tablaseries[22], "20");
        EXPECT_EQ(p().tablaseries[27], "03");
        EXPECT_EQ(open(), byButton);
        if (byButton) {
            for (int i = 0; i < 7; ++i) EXPECT_EQ(cfg()["Text" + std::to_string(i + 1)].text(), typed[i]);
            expectOk();
            closeByItsControl();
        }
        // A closing stopped by a message leaves the series list alone.
        EXPECT_EQ(f()["tramos"].text(), "Mini Hockey");
        EXPECT_EQ(f()["tramos"].list().front(), "Mini Hockey");
    }
}

TEST_F(Durations, WarningSecondAboveThirtyOnLeavingTheBox) {
    struct Case {
        const char* typed;
        bool refused;
    } cases[] = {{"31", true}, {"99", true}, {"45x", true}, {"30", false}, {"5", false}, {"", false}, {"abc", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        openSettingsWindow();
        Element& box = cfg()["Text15"];
        p().setFocus(&box);
        type("Text15", c.typed);
        int messages = fake().dialogs.messages;
        if (c.refused) expectOk();
        p().leave(box);
        if (c.refused) {
            expectLastMessage("El numero no puede ser mayor a 30", "Error", Icon::Error);
            EXPECT_EQ(p().focus(), &box);
        } else {
            EXPECT_EQ(fake().dialogs.messages, messages);
            EXPECT_EQ(p().focus(), nullptr);
        }
        EXPECT_EQ(p().tablaseries[30], "15") << "nothing is stored on leaving";
        EXPECT_EQ(box.text(), c.typed);
        type("Text15", "15");
        closeByItsControl();
    }
}

}  // namespace
}  // namespace tabrino
