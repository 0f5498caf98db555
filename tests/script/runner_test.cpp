// The scenario runner reports every false expectation, every unknown name
// and every question left unanswered, with its file and line.
#include <gtest/gtest.h>

#include <unistd.h>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "script/scenario.h"
#include "script/words.h"

namespace tabrino::script {
namespace {

struct RunResult {
    int status;
    std::string output;
};

RunResult runText(const std::string& text, bool dump = false) {
    // One file per process and call: the test cases run in parallel
    // processes, and an unseeded rand() gives each of them the same name.
    static int calls = 0;
    const std::string path =
        ::testing::TempDir() + "scenario_" + std::to_string(getpid()) + "_" + std::to_string(++calls) + ".scn";
    std::ofstream(path, std::ios::binary) << text;
    std::ostringstream out;
    std::vector<std::string> args{path};
    if (dump) args.push_back("--dump");
    int status = runFiles(args, out);
    std::remove(path.c_str());
    return {status, out.str()};
}

TEST(Runner, PassingScenarioAndClosingCount) {
    RunResult r = runText("# comment\n\nstart\nexpect Form1.a.text 00\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.output.find("PASS "), std::string::npos);
    EXPECT_NE(r.output.find("1 passed, 0 failed\n"), std::string::npos);
}

TEST(Runner, FailuresNameTheLineAndWhatWasFound) {
    struct Case {
        const char* script;
        int line;
        const char* message;
    } cases[] = {
        {"start\nexpect Form1.a.text 05\n", 2, "expected Form1.a.text \"05\", found \"00\""},
        {"start\nfrobnicate\n", 2, "unknown command \"frobnicate\""},
        {"start\nclick Form9.a\n", 2, "unknown window \"Form9\""},
        {"start\nclick Form1.zz\n", 2, "unknown element \"zz\" on window Form1"},
        {"start\nexpect var nadie 0\n", 2, "unknown variable \"nadie\""},
        {"start\nexpect Form1.a.shine yes\n", 2, "unknown property \"shine\""},
        {"start\nexpect tenencia.segunditos.text 45\n", 2, "absent"},
        {"start\nexpect timer Timer1 on\n", 2, "expected Timer1 on, found off"},
        {"start\nexpect played bip.wav 1\n", 2, "expected bip.wav played 1 times, found 0"},
        {"expect var estadoinicio noiniciado\n", 1, "has not been started"},
        {"start\nanswer yes\n", 2, "1 still queued"},
        {"start\nexpect Form1.a.color #FF0000\n", 2, "found #FFFFFF"},
        {"start\nexpect Form1.state hidden\n", 2, "found \"shown\""},
        {"other-copy\nstart\n", 2, "unanswered message box"},
        {"start\nexpect Form1.a.text \"00\n", 2, "unterminated quote"},
        {"start\nmonitors 1280x\n", 2, "bad monitor \"1280x\""},
    };
    for (const Case& c : cases) {
        RunResult r = runText(c.script);
        EXPECT_EQ(r.status, 1) << c.script;
        EXPECT_NE(r.output.find(":" + std::to_string(c.line) + ": "), std::string::npos) << r.output;
        EXPECT_NE(r.output.find(c.message), std::string::npos) << c.script << "\n" << r.output;
        EXPECT_NE(r.output.find("0 passed, 1 failed"), std::string::npos) << r.output;
    }
}

TEST(Runner, StopsAtTheFirstFailure) {
    RunResult r = runText("start\nexpect Form1.a.text 01\nexpect Form1.b.text 01\n");
    EXPECT_NE(r.output.find(":2: "), std::string::npos);
    EXPECT_EQ(r.output.find(":3: "), std::string::npos);
}

TEST(Runner, CountsFilesAcrossARun) {
    std::string dir = ::testing::TempDir();
    std::ofstream(dir + "good.scn") << "start\n";
    std::ofstream(dir + "bad.scn") << "start\nexpect exited yes\n";
    std::ostringstream out;
    int status = runFiles({dir + "good.scn", dir + "bad.scn", dir + "missing.scn"}, out);
    EXPECT_EQ(status, 1);
    EXPECT_NE(out.str().find("1 passed, 2 failed"), std::string::npos) << out.str();
}

TEST(Runner, QuotesEscapesAndLineBreaks) {
    std::string err;
    auto w = splitWords(R"(type "a b" "" "x\ny" "q\"" "s\\")", err);
    ASSERT_TRUE(w);
    EXPECT_EQ(*w, (std::vector<std::string>{"type", "a b", "", "x\ny", "q\"", "s\\"}));
    EXPECT_EQ(normalizeBreaks("a\r\nb\rc\nd"), "a\nb\nc\nd");
    // CR LF files read like LF files.
    EXPECT_EQ(runText("start\r\nexpect Form1.a.text 00\r\n").status, 0);
}

TEST(Runner, RepeatAndVirtualTime) {
    RunResult r = runText(
        "start\nrepeat 2 click Form1.Command1\nclick Form1.a\nwait 61\n"
        "expect Form1.a.text 00\nexpect Form1.b.text 59\ntick Timer1 3\nexpect Form1.b.text 56\n");
    EXPECT_EQ(r.status, 0) << r.output;
}

TEST(Runner, DumpPrintsTheState) {
    RunResult r = runText("start\n", true);
    EXPECT_NE(r.output.find("var estadoinicio \"noiniciado\""), std::string::npos);
    EXPECT_NE(r.output.find("Form1.gollocal \"0\""), std::string::npos);
}

}  // namespace
}  // namespace tabrino::script
