// The journal's lines: what goes in comes out, and a damaged record is told
// apart from one whose last write was cut short.
#include <gtest/gtest.h>

#include "record/journal.h"

using namespace tabrino::record;

namespace {

Entry sample(int n) {
    return {"accion",
            1710007200000 + n,
            "Form1.gollocal.Click",
            "2",
            "19:54",
            {{"Form1.gollocal.text", std::to_string(n), std::to_string(n + 1)},
             {"Form1.equipolocal.text", "a\tb\\c", "línea 1\r\nlínea 2"}}};
}

std::string threeEntries() { return header() + encode(sample(0)) + encode(sample(1)) + encode(sample(2)); }

}  // namespace

TEST(Journal, EntriesComeBackAsWrittenWithAwkwardText) {
    Journal j = read(threeEntries());
    ASSERT_EQ(j.fault, Fault::None);
    ASSERT_EQ(j.entries.size(), 3u);
    EXPECT_EQ(j.entries[1], sample(1));
    EXPECT_FALSE(j.tornTail);
    EXPECT_EQ(j.wholeBytes, threeEntries().size());
    EXPECT_EQ(replay(j.entries).at("Form1.gollocal.text"), "3");
}

TEST(Journal, EveryCutOfTheLastEntryKeepsTheOthers) {
    const std::string whole = threeEntries();
    const std::string two = header() + encode(sample(0)) + encode(sample(1));
    for (std::size_t cut = two.size() + 1; cut < whole.size(); ++cut) {
        Journal j = read(whole.substr(0, cut));
        ASSERT_EQ(j.fault, Fault::None) << "cut at " << cut;
        EXPECT_EQ(j.entries.size(), 2u) << "cut at " << cut;
        EXPECT_TRUE(j.tornTail);
        EXPECT_EQ(j.wholeBytes, two.size());
    }
}

TEST(Journal, FaultsOfRecordsThatCannotBeTrusted) {
    std::string flipped = threeEntries();
    flipped[header().size() + 20] ^= 0x01;  // a bit of the first entry
    std::string garbageLine = header() + encode(sample(0)) + "0000zz\tbasura\n" + encode(sample(1));
    const struct {
        const char* name;
        std::string bytes;
        Fault fault;
    } cases[] = {
        {"empty", "", Fault::Empty},
        {"random bytes", std::string("\x7f\x45\x4c\x46\x02\x01\x01\x00 binary", 16), Fault::NotARecord},
        {"another version", "TABRINO-REGISTRO 2\n" + encode(sample(0)), Fault::OtherVersion},
        {"bad entry before good ones", flipped, Fault::Damaged},
        {"garbage between entries", garbageLine, Fault::Damaged},
        {"only a torn line", header() + encode(sample(0)).substr(0, 30), Fault::Damaged},
    };
    for (const auto& c : cases) EXPECT_EQ(read(c.bytes).fault, c.fault) << c.name;
    EXPECT_FALSE(faultText(Fault::Damaged).empty());
}
