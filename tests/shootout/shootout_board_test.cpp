// The penalty shoot-out board and its public twin.
#include <vector>

#include "fixture.h"

namespace tabrino::testing {
namespace {

constexpr Rgb kWhite = 0xFFFFFF, kGreen = 0x00FF00, kRed = 0xFF0000;

// Each shot's mark and its buttons, as the operator board lays them out.
struct Shot {
    const char* mark;
    const char* goal;
    const char* miss;
    const char* blank;
    bool home;
};
const Shot kBoard[] = {
    {"penal1l", "Image3", "Image2", "Image23", true},    {"penal2l", "Image5", "Image4", "Image24", true},
    {"penal3l", "Image7", "Image6", "Image25", true},    {"penal4l", "Image9", "Image8", "Image26", true},
    {"penal5l", "Image11", "Image10", "Image27", true},  {"penal1v", "Image20", "Image21", "Image28", false},
    {"penal2v", "Image18", "Image19", "Image29", false}, {"penal3v", "Image16", "Image17", "Image30", false},
    {"penal4v", "Image14", "Image15", "Image31", false}, {"penal5v", "Image12", "Image13", "Image32", false},
};
const Shot& home(int n) { return kBoard[n - 1]; }
const Shot& away(int n) { return kBoard[4 + n]; }

struct Shootout : Scoreboard {
    void open() {
        form1()["leyendapenal"].setVisible(true);
        click("Form1", "leyendapenal");
    }
    void goal(const Shot& s) { click("penales", s.goal); }
    void miss(const Shot& s) { click("penales", s.miss); }
    void blank(const Shot& s) { click("penales", s.blank); }
    // Colour of a mark on both boards; they must agree, fill and outline.
    Rgb mark(const char* name) {
        Element& op = at("penales", name);
        Element& pub = at("clonpenales", name);
        EXPECT_EQ(op.border(), op.color()) << name;
        EXPECT_EQ(pub.color(), op.color()) << name;
        EXPECT_EQ(pub.border(), op.color()) << name;
        return op.color();
    }
    // "home-away" as both boards show them.
    std::string counts() {
        std::string op = at("penales", "tabrinogollocal").text() + "-" + at("penales", "tabrinogolvisita").text();
        std::string pub =
            at("clonpenales", "tabrinogollocal").text() + "-" + at("clonpenales", "tabrinogolvisita").text();
        EXPECT_EQ(pub, op);
        EXPECT_EQ(op, std::to_string(p.golespenallocal) + "-" + std::to_string(p.golespenalvisita));
        return op;
    }
    bool resetShown() { return at("penales", "resetpenal").visible(); }
    void expectAllWhite() {
        for (const Shot& s : kBoard) EXPECT_EQ(mark(s.mark), kWhite) << s.mark;
    }
};

TEST_F(Shootout, OpeningShowsTheBoardsWithTheNamesOfTheMoment) {
    struct Case {
        const char* pantallaauxiliar;
        bool publicShown;
    } cases[] = {{"NO", false}, {"SI", true}, {"no", false}};
    for (const Case& c : cases) {
        FakeServices f;
        f.monitors.monitors = {{{0, 0, 1280, 720}, true}, {{1280, 0, 2560, 720}, false}};
        Program q{f.services()};
        q.setStrict(true);
        q.start();
        q.pantallaauxiliar = c.pantallaauxiliar;
        q.form1()["equipolocal"].setText("ÑANDÚ  HC");
        q.form1()["equipovisita"].setText("V I S I T A");
        Element& legend = q.form1()["leyendapenal"];
        legend.setVisible(true);
        clickCentre(q, q.form1(), legend.name());
        SCOPED_TRACE(c.pantallaauxiliar);
        EXPECT_TRUE(q.win("penales").shown());
        EXPECT_EQ(q.win("clonpenales").shown(), c.publicShown);
        for (const char* w : {"penales", "clonpenales"}) {
            EXPECT_EQ(q.win(w)["equipopenall"].text(), "ÑANDÚ  HC") << w;
            EXPECT_EQ(q.win(w)["equipopenalv"].text(), "V I S I T A") << w;
            EXPECT_EQ(q.win(w)["tabrinogollocal"].text(), "0") << w;
        }
        EXPECT_FALSE(q.win("penales")["resetpenal"].visible());
        EXPECT_TRUE(legend.visible());
        EXPECT_TRUE(q.form1().shown());
    }
}

TEST_F(Shootout, EachButtonActsOnItsOwnMarkAndSide) {
    open();
    for (const Shot& s : kBoard) {
        SCOPED_TRACE(s.mark);
        goal(s);
        EXPECT_EQ(mark(s.mark), kGreen);
        EXPECT_EQ(counts(), s.home ? "1-0" : "0-1");
        for (const Shot& other : kBoard) {
            if (&other != &s) {
                EXPECT_EQ(mark(other.mark), kWhite) << other.mark;
            }
        }
        miss(s);
        EXPECT_EQ(mark(s.mark), kRed);
        EXPECT_EQ(counts(), "0-0");
        blank(s);
        EXPECT_EQ(mark(s.mark), kWhite);
        EXPECT_EQ(counts(), "0-0");
    }
}

TEST_F(Shootout, MarkOperationsCountAGoalOnlyWhileTheMarkIsGreen) {
    enum Op { G, M, B };
    struct Case {
        std::vector<Op> ops;  // on home shot 3, with a goal already on home shot 1
        Rgb colour;
        const char* counts;
    } cases[] = {
        {{G, G}, kGreen, "2-0"},       {{G, M}, kRed, "1-0"},
        {{G, B}, kWhite, "1-0"},       {{M}, kRed, "1-0"},
        {{B}, kWhite, "1-0"},          {{M, B}, kWhite, "1-0"},
        {{M, M, B, B}, kWhite, "1-0"}, {{M, G}, kGreen, "2-0"},
        {{G, M, G}, kGreen, "2-0"},    {{G, B, G, G}, kGreen, "2-0"},
        {{G, M, M, B}, kWhite, "1-0"},
    };
    for (const Case& c : cases) {
        open();
        const Shot& s = home(3);
        goal(home(1));
        for (Op op : c.ops) op == G ? goal(s) : op == M ? miss(s) : blank(s);
        EXPECT_EQ(mark(s.mark), c.colour);
        EXPECT_EQ(counts(), c.counts);
        click("penales", "finmiuto");
    }
}

TEST_F(Shootout, LevelTestOnlyOnTheAwayFifthShot) {
    enum Op { G, M, B };
    struct Step {
        bool home;
        int shot;
        Op op;
    };
    struct Case {
        const char* what;
        std::vector<Step> steps;
        const char* counts;
        bool resetShown;
    } cases[] = {
        {"away fifth scores to level",
         {{true, 1, G},
          {true, 2, G},
          {true, 3, G},
          {false, 1, G},
          {false, 2, M},
          {false, 3, G},
          {false, 4, M},
          {false, 5, G}},
         "3-3",
         true},
        {"away fifth misses, not level",
         {{true, 1, G}, {true, 2, G}, {true, 3, G}, {false, 1, G}, {false, 2, G}, {false, 5, M}},
         "3-2",
         false},
        {"away fifth misses, level", {{true, 1, G}, {false, 1, G}, {false, 5, M}}, "1-1", true},
        {"level on the away fourth shot", {{true, 1, G}, {true, 2, G}, {false, 3, G}, {false, 4, G}}, "2-2", false},
        {"level on the home fifth shot", {{false, 1, G}, {true, 5, G}}, "1-1", false},
        {"level by a blank on the fifth", {{true, 1, G}, {false, 1, G}, {false, 5, G}, {false, 5, B}}, "1-1", false},
        {"shown stays shown", {{false, 5, M}, {true, 1, G}, {false, 5, G}}, "1-1", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        open();
        for (const Step& st : c.steps) {
            const Shot& s = st.home ? home(st.shot) : away(st.shot);
            st.op == G ? goal(s) : st.op == M ? miss(s) : blank(s);
        }
        EXPECT_EQ(counts(), c.counts);
        EXPECT_EQ(resetShown(), c.resetShown);
        click("penales", "finmiuto");
    }
}

TEST_F(Shootout, ResetStartsAFurtherSeriesKeepingTheCounts) {
    names("AZULES", "ROJOS");
    open();
    for (int n : {1, 2, 3}) goal(home(n));
    miss(home(4));
    blank(home(5));
    for (int n : {1, 3}) goal(away(n));
    miss(away(2));
    miss(away(4));
    goal(away(5));
    ASSERT_EQ(counts(), "3-3");
    ASSERT_TRUE(resetShown());

    click("penales", "resetpenal");
    expectAllWhite();
    EXPECT_EQ(counts(), "3-3");
    EXPECT_TRUE(resetShown());
    EXPECT_EQ(at("penales", "equipopenall").text(), "AZULES");
    EXPECT_EQ(at("clonpenales", "equipopenalv").text(), "ROJOS");

    goal(home(1));
    EXPECT_EQ(counts(), "4-3");
    miss(home(1));
    EXPECT_EQ(counts(), "3-3");  // only the goal of this series is taken back
    goal(home(2));
    goal(away(5));
    EXPECT_EQ(counts(), "4-4");
    EXPECT_TRUE(resetShown());
    click("penales", "resetpenal");
    goal(home(1));
    miss(away(5));
    EXPECT_EQ(counts(), "5-4");
    EXPECT_TRUE(resetShown());  // never hidden again while the board is open
}

TEST_F(Shootout, HornPlaysTheEndOfPeriodSound) {
    open();
    click("penales", "Image22");
    EXPECT_EQ(fake.sounds.played("final.wav"), 1);
    EXPECT_EQ(fake.sounds.log.size(), 1u);
    expectAllWhite();
}

TEST_F(Shootout, CloseAndASecondShootoutStartFromZero) {
    p.pantallaauxiliar = "SI";
    names("ALFA", "BETA");
    open();
    goal(home(1));
    miss(away(1));
    goal(away(2));
    click("penales", "finmiuto");
    EXPECT_EQ(p.existing("penales"), nullptr);
    EXPECT_FALSE(shown("clonpenales"));
    Window& pub = p.win("clonpenales");
    for (const Shot& s : kBoard) {
        EXPECT_EQ(pub[s.mark].color(), kWhite) << s.mark;
        EXPECT_EQ(pub[s.mark].border(), kWhite) << s.mark;
    }
    EXPECT_EQ(pub["tabrinogollocal"].text(), "0");
    EXPECT_EQ(pub["tabrinogolvisita"].text(), "0");
    EXPECT_EQ(pub["equipopenall"].text(), "ALFA");  // kept while hidden

    names("GAMMA", "DELTA");
    open();
    EXPECT_TRUE(shown("penales"));
    EXPECT_TRUE(shown("clonpenales"));
    EXPECT_EQ(counts(), "0-0");
    expectAllWhite();
    EXPECT_FALSE(resetShown());
    for (const char* w : {"penales", "clonpenales"}) {
        EXPECT_EQ(at(w, "equipopenall").text(), "GAMMA");
        EXPECT_EQ(at(w, "equipopenalv").text(), "DELTA");
    }
    goal(away(1));
    EXPECT_EQ(counts(), "0-1");
}

TEST_F(Shootout, PublicBoardKeptInStepWhileHidden) {
    p.pantallaauxiliar = "NO";
    open();
    goal(home(1));
    goal(away(1));
    miss(away(2));
    goal(away(5));
    blank(away(5));
    EXPECT_FALSE(shown("clonpenales"));
    EXPECT_EQ(mark("penal1l"), kGreen);
    EXPECT_EQ(mark("penal2v"), kRed);
    EXPECT_EQ(mark("penal5v"), kWhite);
    EXPECT_EQ(counts(), "1-1");

    // Switched on later: opening again shows the public board as it stands.
    p.pantallaauxiliar = "SI";
    click("Form1", "leyendapenal");
    EXPECT_TRUE(shown("clonpenales"));
    EXPECT_EQ(mark("penal1l"), kGreen);
    EXPECT_EQ(mark("penal1v"), kGreen);
    EXPECT_EQ(mark("penal2v"), kRed);
    EXPECT_EQ(counts(), "1-1");
}

TEST_F(Shootout, ABoardClosedByTheWindowSystemIsClosedLikeByItsPicture) {
    p.pantallaauxiliar = "SI";
    open();
    goal(home(2));
    miss(away(1));
    p.unload("penales");
    EXPECT_FALSE(shown("clonpenales"));
    EXPECT_EQ(at("clonpenales", "tabrinogollocal").text(), "0");
    EXPECT_EQ(at("clonpenales", "penal2l").color(), kWhite);
    EXPECT_EQ(at("clonpenales", "penal1v").border(), kWhite);
    p.golespenallocal = 7;  // whatever was left
    open();
    EXPECT_EQ(counts(), "0-0");
    expectAllWhite();
}

}  // namespace
}  // namespace tabrino::testing
