// Handlers and stacking lists are wired by name: a name that matches
// nothing must stop a test run at once instead of waiting for a click that
// never comes; in the real program it is reported and the match goes on.
#include <gtest/gtest.h>

#include <stdexcept>

#include "app/program.h"
#include "app/window_catalog.h"
#include "platform/fake/drive.h"
#include "platform/fake/fakes.h"

namespace tabrino {
namespace {

struct Names : ::testing::Test {
    FakeServices fake;
    Program p{fake.services()};
    void SetUp() override { p.setStrict(true); }
};

TEST_F(Names, MisspeltRegistrationsStopAStrictRun) {
    struct Case {
        const char* what;
        std::function<void(Program&)> registration;
        const char* named;
    } cases[] = {
        {"element", [](Program& q) { q.on("Form1", "gollocla", Event::Click, [] {}); }, "Form1.gollocla"},
        {"window", [](Program& q) { q.on("Form", "gollocal", Event::Click, [] {}); }, "Form"},
        {"window event", [](Program& q) { q.onWindow("minutos", WindowEvent::Load, [] {}); }, "minutos"},
        {"timer", [](Program& q) { q.onTimer("Timer4", [] {}); }, "Timer4"},
        {"handler name", [](Program& q) { q.handle("Form1", "tiempolocal_DblClik", [] {}); }, "tiempolocal_DblClik"},
        {"element of another window", [](Program& q) { q.handle("clonminuto", "finmiuto_Click", [] {}); },
         "clonminuto.finmiuto"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        try {
            c.registration(p);
            ADD_FAILURE() << "accepted";
        } catch (const std::logic_error& e) {
            EXPECT_NE(std::string(e.what()).find(c.named), std::string::npos) << e.what();
        }
    }
}

TEST_F(Names, HandlerNamesRegisterTheirElementAndEvent) {
    p.start();
    int clicks = 0, doubles = 0;
    p.handle("Form1", "gollocal_Click", [&] { ++clicks; });
    p.handle("Form1", "gollocal_DblClick", [&] { ++doubles; });
    clickCentre(p, p.form1(), "gollocal", true);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(doubles, 1);
}

TEST(DesignNames, EveryWindowOfTheProgramIsSound) {
    for (const std::string& name : catalogWindowNames()) {
        SCOPED_TRACE(name);
        const WindowDesign* d = designFor(name);
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->name, name);
        EXPECT_EQ(designFaults(*d), std::vector<std::string>{});
    }
}

TEST(DesignNames, ListsNamingMissingElementsAreFaults) {
    WindowDesign d;
    d.name = "prueba";
    d.elements.resize(3);
    d.elements[0].name = "fin";
    d.elements[1].name = "fin";
    d.elements[2].name = "Check1";
    d.elements[2].container = "Frame1";
    d.frontToBack = {"fin", "finmiuto"};
    d.controlsFrontToBack = {"Check2"};
    const std::vector<std::string> faults = designFaults(d);
    ASSERT_EQ(faults.size(), 4u);
    for (const char* named : {"two elements named fin", "finmiuto", "Check2", "Frame1"}) {
        bool found = false;
        for (const std::string& f : faults) found = found || f.find(named) != std::string::npos;
        EXPECT_TRUE(found) << named;
    }
}

// Outside strict mode a handler that fails is written to the standard error
// output with where it ran, and the match goes on.
TEST(HandlerFailure, IsReportedAndTheMatchGoesOn) {
    FakeServices fake;
    Program p{fake.services()};
    p.start();
    p.on("Form1", "gollocal", Event::Click, [] { throw std::runtime_error("sin marcador"); });
    ::testing::internal::CaptureStderr();
    clickCentre(p, p.form1(), "gollocal");
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("Form1.gollocal Click"), std::string::npos) << err;
    EXPECT_NE(err.find("sin marcador"), std::string::npos) << err;
    clickCentre(p, p.form1(), "golvisita");
    EXPECT_EQ(p.form1()["golvisita"].text(), "1");
    EXPECT_FALSE(p.exited());
}

}  // namespace
}  // namespace tabrino
