// Records that cannot be read or written never stop the program: one
// message, the defaults, the bad file kept aside; and what the record
// keeps of a match for its story.
#include <gtest/gtest.h>

#include "record/journal.h"
#include "script/scenario.h"

using namespace tabrino;
using tabrino::script::Scenario;

namespace {

script::Outcome run(Scenario& s, const std::string& text) {
    std::vector<std::string> lines;
    std::string cur;
    for (char c : text) {
        if (c == '\n') {
            lines.push_back(cur);
            cur.clear();
        } else {
            cur += c;
        }
    }
    if (!cur.empty()) lines.push_back(cur);
    return s.run(lines);
}

}  // namespace

TEST(Recovery, BadRecordsAreSaidOnceKeptAsideAndTheRunStartsFresh) {
    const struct {
        const char* name;
        std::string bytes;
        bool unreadable;
        const char* words;
    } cases[] = {
        {"random bytes", std::string("\x89PNG\r\n\x1a\n\0\0", 10), false, "no es un registro de partido"},
        {"another version", "TABRINO-REGISTRO 9\nx\n", false, "es de otra versión del programa"},
        {"emptied", "", false, "está vacío"},
        {"cannot be opened", "", true, "no se pudo abrir"},
    };
    for (const auto& c : cases) {
        Scenario s;
        s.storage().exists = true;
        s.storage().bytes = c.bytes;
        s.storage().unreadable = c.unreadable;
        auto o = run(s,
                     "answer ok\nstart\nexpect messages 1\nexpect title \"Registro del partido\"\n"
                     "expect Form1.gollocal.text 0\nclick Form1.gollocal\n");
        EXPECT_TRUE(o.passed) << c.name << ": " << o.line << " " << o.message;
        EXPECT_NE(s.dialogs().lastText.find(std::string("anterior ") + c.words), std::string::npos)
            << s.dialogs().lastText;
        ASSERT_EQ(s.storage().keptAside.size(), 1u) << c.name;
        EXPECT_EQ(s.storage().keptAside.begin()->second, c.bytes) << c.name;
        EXPECT_NE(s.storage().keptAside.begin()->first.find("dañado"), std::string::npos);
        // The new run keeps its own, good record.
        EXPECT_EQ(record::read(s.storage().bytes).fault, record::Fault::None) << c.name;
    }
}

TEST(Recovery, ADiskThatCannotBeWrittenIsSaidOnceAndTheMatchGoesOn) {
    Scenario s;
    s.storage().unwritable = true;
    auto o = run(s,
                 "answer ok\nstart\nexpect messages 1\nexpect title \"Registro del partido\"\n"
                 "pick Form1.tramos \"Sub 9\"\nclick Form1.a\nwait 30\nclick Form1.gollocal\n"
                 "expect messages 1\nexpect Form1.a.text 14\nexpect Form1.b.text 30\n"
                 "expect Form1.gollocal.text 1\n");
    EXPECT_TRUE(o.passed) << o.line << " " << o.message;
    EXPECT_GT(s.storage().writes, 30);
}

TEST(Recovery, TheRecordTellsTheMatchInOrder) {
    Scenario s;
    auto o = run(s,
                 "start\npick Form1.tramos \"Sub 9\"\nclick Form1.a\nwait 2\nclick Form1.gollocal\n"
                 "click Form1.a\nclick Form1.Command1\n");
    ASSERT_TRUE(o.passed) << o.line << " " << o.message;
    record::Journal j = record::read(s.storage().bytes);
    ASSERT_EQ(j.fault, record::Fault::None);
    std::vector<std::string> actions;
    for (const auto& e : j.entries) actions.push_back(e.kind + " " + e.action);
    const std::vector<std::string> want = {"estado ",
                                           "accion Form1.tramos.Click",
                                           "accion Form1.a.Click",
                                           "accion Timer1.Timer",
                                           "accion Timer1.Timer",
                                           "accion Form1.gollocal.Click",
                                           "accion Form1.a.Click"};
    // The last click is on a hidden button: nothing changed, nothing written.
    EXPECT_EQ(actions, want);
    const record::Entry& goal = j.entries[5];
    EXPECT_EQ(goal.period, "1");
    EXPECT_EQ(goal.clock, "14:58");
    EXPECT_EQ(goal.wallMs, 1710007200000 + 2000);
    bool found = false;
    for (const auto& c : goal.changes)
        if (c.key == "Form1.gollocal.text") found = c.before == "0" && c.after == "1";
    EXPECT_TRUE(found);
    // A tick names its clock change, old and new.
    bool tick = false;
    for (const auto& c : j.entries[3].changes)
        tick = tick || (c.key == "Form1.b.text" && c.before == "00" && c.after == "59");
    EXPECT_TRUE(tick);
}
