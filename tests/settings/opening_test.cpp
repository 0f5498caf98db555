// The settings window's layout, its opening and the opening fill.
#include "settings_fixture.h"

namespace tabrino {
namespace {

using Opening = SettingsTest;

TEST_F(Opening, LayoutKeepsEveryElementInsideItsFrameAndEveryControlReachable) {
    Window& w = openSettingsWindow();
    EXPECT_TRUE(w.design().framed);
    EXPECT_FALSE(w.design().scaled);
    EXPECT_EQ(w.design().title, "Configuracion de Constantes");
    EXPECT_EQ(w.width(), 10710);
    EXPECT_EQ(w.height(), 8310);
    // Centred on the 1280 x 720 primary screen.
    EXPECT_EQ(w.left(), (19200 - 10710) / 2);
    EXPECT_EQ(w.top(), (10800 - 8310) / 2);

    for (const auto& e : w.elements()) {
        Rect r = e->absoluteGeometry();
        Rect outer = e->container() ? e->container()->absoluteGeometry() : Rect{0, 0, w.width(), w.height()};
        EXPECT_TRUE(r.left >= outer.left && r.top >= outer.top && r.left + r.width <= outer.left + outer.width &&
                    r.top + r.height <= outer.top + outer.height)
            << e->name() << " sticks out of its frame";
        if (isWindowed(e->kind()) && e->kind() != Kind::Frame) {
            float x, y;
            centre(*e, x, y);
            EXPECT_EQ(w.hitTest(x, y), e.get()) << e->name() << " is covered at its centre";
        }
    }
}

TEST_F(Opening, SwatchesShowTheirColours) {
    Window& w = openSettingsWindow();
    const std::pair<const char*, Rgb> swatches[] = {{"Shape1", 0xFFC080}, {"Shape2", 0x80FF80}, {"Shape3", 0xFFFF80},
                                                    {"Shape4", 0xFFC0FF}, {"Shape5", 0xC0C0FF}, {"Shape6", 0xFF80FF},
                                                    {"Shape7", 0x00FF00}};
    for (auto [name, rgb] : swatches) {
        EXPECT_EQ(w[name].kind(), Kind::Shape) << name;
        EXPECT_EQ(w[name].color(), rgb) << name;
        EXPECT_EQ(w[name].container()->name(), "Frame7") << name;
    }
}

TEST_F(Opening, OptionGroupsFollowTheirFrames) {
    Window& w = openSettingsWindow();
    struct Group {
        const char* frame;
        std::vector<const char*> options;
    } groups[] = {{"Frame1", {"Option1", "Option2"}},
                  {"Frame5", {"Option3", "Option4"}},
                  {"Frame8", {"Option12", "Option13"}},
                  {"Frame7", {"Option5", "Option6", "Option7", "Option8", "Option9", "Option10", "Option11"}}};
    for (const Group& g : groups) {
        for (const char* o : g.options) {
            ASSERT_NE(w[o].container(), nullptr) << o;
            EXPECT_EQ(w[o].container()->name(), g.frame) << o;
        }
        // Selecting one clears the others of its group only.
        for (const char* o : g.options) {
            click(o);
            for (const char* other : g.options) EXPECT_EQ(on(other), other == o) << o << " then " << other;
        }
    }
    EXPECT_TRUE(on("Option12") || on("Option13"));
}

TEST_F(Opening, DefaultsAsTheProgramStarts) {
    Window& w = openSettingsWindow();
    EXPECT_TRUE(w.shown());
    for (const char* o : {"Option2", "Option4", "Option13", "Option11"}) EXPECT_TRUE(on(o)) << o;
    for (const char* o : {"Option1", "Option3", "Option12", "Option5", "Option10"}) EXPECT_FALSE(on(o)) << o;
    EXPECT_TRUE(on("Check5"));
    for (const char* c : {"Check1", "Check2", "Check4", "Check3"}) {
        EXPECT_FALSE(on(c)) << c;
        EXPECT_FALSE(enabled(c)) << c;
    }
    const std::pair<const char*, const char*> durations[] = {
        {"Text1", "12"},  {"Text2", "15"},  {"Text3", "15"},  {"Text4", "15"},  {"Text5", "15"},   {"Text6", "18"},
        {"Text7", "20"},  {"Text8", "20"},  {"Text9", "20"},  {"Text10", "25"}, {"Text10b", "25"}, {"Text11", "05"},
        {"Text12", "03"}, {"Text13", "02"}, {"Text14", "05"}, {"Text15", "15"}};
    for (auto [box, text] : durations) {
        EXPECT_EQ(w[box].text(), text) << box;
        EXPECT_EQ(w[box].align(), Align::Center) << box;
    }
    EXPECT_EQ(w["Label28"].text(),
              "Se han detectado 1 Monitores disponibles, Si desea activar ambas funciones debe tener tres monitores.");
    // The fill ran every control's effect, which leaves the start-up values.
    EXPECT_EQ(p().conalargue, "NO");
    EXPECT_EQ(p().conpenales, "NO");
    EXPECT_EQ(p().conposesion, "NO");
    EXPECT_EQ(p().avisocinco, "no");
    EXPECT_EQ(p().avisocero, "no");
    EXPECT_EQ(p().sonarbip, "SI");
    EXPECT_EQ(p().colorreloj, "65280");
    EXPECT_EQ(p().tenenciaauxiliar, "");  // Check2 was clear already: its effect does not run
    EXPECT_FALSE(f()["posesion"].visible());
    EXPECT_FALSE(f()["Label9"].visible());
    EXPECT_EQ(fake().dialogs.messages, 0);
}

TEST_F(Opening, FillShowsTheCurrentState) {
    p().conalargue = "SI";
    p().conpenales = "SI";
    p().conposesion = "SI";
    p().avisocinco = "si";
    p().avisocero = "no";
    p().sonarbip = "NO";
    p().colorreloj = "&HFF80FF";
    p().tablaseries[31] = "7";  // an entry of one character shows as two
    Window& w = openSettingsWindow();
    for (const char* o : {"Option1", "Option3", "Option12", "Option10", "Check1"}) EXPECT_TRUE(on(o)) << o;
    for (const char* o : {"Option2", "Option4", "Option13", "Option11", "Check4", "Check5"}) EXPECT_FALSE(on(o)) << o;
    EXPECT_TRUE(enabled("Check1"));
    EXPECT_TRUE(enabled("Check4"));
    EXPECT_FALSE(enabled("Check2"));  // one screen
    EXPECT_EQ(w["Text10b"].text(), "07");
    EXPECT_EQ(p().sonarbip, "NO");
    EXPECT_EQ(p().avisocinco, "si");
    EXPECT_TRUE(f()["posesion"].visible());
    EXPECT_TRUE(f()["Label9"].visible());
}

TEST_F(Opening, UnknownClockColourSelectsNoneAndIsKept) {
    p().colorreloj = "255";
    openSettingsWindow();
    for (const char* o : {"Option5", "Option6", "Option7", "Option8", "Option9", "Option10", "Option11"})
        EXPECT_FALSE(on(o)) << o;
    EXPECT_EQ(p().colorreloj, "255");
}

TEST_F(Opening, ClickOnlyBeforeTheStartDoubleClickAlways) {
    p().estadoinicio = "iniciado";
    click(f(), "config");
    EXPECT_EQ(p().existing("configuracion"), nullptr);
    dblclick(f(), "config");
    EXPECT_TRUE(open());
    closeByItsControl();
    EXPECT_EQ(p().existing("configuracion"), nullptr);

    p().estadoinicio = "noiniciado";
    dblclick(f(), "config");  // its click opens, the double click finds it open
    EXPECT_TRUE(open());
}

TEST_F(Opening, OneInstanceRefilledOnlyWhenCreatedAgain) {
    openSettingsWindow();
    type("Text3", "44");
    click(f(), "config");  // already open: brought to the front, not refilled
    EXPECT_EQ(cfg()["Text3"].text(), "44");

    closeByItsControl();
    EXPECT_EQ(p().tablaseries[18], "44");
    p().tablaseries[18] = "16";
    Window& again = openSettingsWindow();  // a new window, filled from the table
    EXPECT_EQ(again["Text3"].text(), "16");

    // A window touched while closed (created hidden) is filled when opened.
    closeByItsControl();
    p().win("configuracion");
    p().tablaseries[18] = "17";
    openSettingsWindow();
    EXPECT_EQ(cfg()["Text3"].text(), "17");
}

TEST_F(Opening, LinkedOptions) {
    struct Case {
        const char* first;
        const char* then;
        const char* alargue;
        const char* penales;
        std::vector<const char*> selected;
    } cases[] = {
        {"Option3", nullptr, "SI", "SI", {"Option1", "Option3"}},    // a shoot-out needs overtime
        {"Option3", "Option2", "NO", "NO", {"Option2", "Option4"}},  // no overtime, no shoot-out
        {"Option1", nullptr, "SI", "NO", {"Option1", "Option4"}},
        {"Option3", "Option4", "SI", "NO", {"Option1", "Option4"}},
        {"Option1", "Option2", "NO", "NO", {"Option2", "Option4"}},
    };
    for (const Case& c : cases) {
        openSettingsWindow();
        click(c.first);
        if (c.then) click(c.then);
        EXPECT_EQ(p().conalargue, c.alargue) << c.first;
        EXPECT_EQ(p().conpenales, c.penales) << c.first;
        for (const char* o : c.selected) EXPECT_TRUE(on(o)) << c.first << " " << o;
        closeByItsControl();
        // And the next opening shows the same.
        openSettingsWindow();
        for (const char* o : c.selected) EXPECT_TRUE(on(o)) << "reopened " << c.first << " " << o;
        closeByItsControl();
        p().conalargue = p().conpenales = "NO";
    }
}

TEST_F(Opening, ClockColourIsFoundAgainAtTheNextOpening) {
    const std::pair<const char*, const char*> colours[] = {
        {"Option5", "&H80C0FF"}, {"Option6", "&H80FF80"},  {"Option7", "&H80FFFF"}, {"Option8", "&HFFC0FF"},
        {"Option9", "&HFFC0C0"}, {"Option10", "&HFF80FF"}, {"Option11", "65280"}};
    for (auto [option, stored] : colours) {
        openSettingsWindow();
        click(option == std::string("Option11") ? "Option5" : "Option11");  // start from another choice
        click(option);
        EXPECT_EQ(p().colorreloj, stored);
        closeByItsControl();
        openSettingsWindow();
        EXPECT_TRUE(on(option)) << option;
        closeByItsControl();
    }
}

TEST_F(Opening, ChosenColourIsTheRunningClocksColour) {
    openSettingsWindow();
    click("Option5");
    closeByItsControl();
    f()["a"].setText("05");
    click(f(), "a");
    EXPECT_TRUE(p().timer1.enabled());
    EXPECT_EQ(f()["a"].color(), 0xFFC080u);
}

}  // namespace
}  // namespace tabrino
