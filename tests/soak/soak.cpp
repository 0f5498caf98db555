#include "soak.h"

#include <cmath>
#include <random>
#include <sstream>
#include <vector>

#include "app/procedures.h"
#include "app/program.h"
#include "app/text.h"
#include "platform/fake/fakes.h"

namespace tabrino::soak {

namespace {

// Answers every question at random, as a hurried operator would.
class RandomDialogs : public Dialogs {
public:
    explicit RandomDialogs(std::mt19937_64& rng) : rng_(rng) {}
    Answer message(const std::string&, const std::string&, Buttons b, Icon) override {
        if (b == Buttons::Ok) return Answer::Ok;
        return rng_() % 2 ? Answer::Yes : Answer::No;
    }
    std::string input(const std::string&, const std::string&, const std::string&) override {
        static const char* const names[] = {"", "ñandú fc", "Club Atlético", "⚽ equipo", "a",
                                            "   ", "x\ny"};
        if (rng_() % 10 == 0) return std::string(500 + rng_() % 200, 'w');
        return names[rng_() % (sizeof names / sizeof *names)];
    }

private:
    std::mt19937_64& rng_;
};

const char* const kTexts[] = {"", "0", "5", "05", "12", "30", "31", "-5", "100", "12a", "abc",
                              "99", "Adulta", "Adulta Honor", "Alargue", "Serie que jugara?"};

struct Session {
    std::mt19937_64& rng;
    FakeServices fake;
    RandomDialogs dialogs{rng};
    std::unique_ptr<Program> p;

    explicit Session(std::mt19937_64& r) : rng(r) {
        Services s{dialogs, fake.sounds, fake.monitors, fake.process, fake.clock};
        int layout = static_cast<int>(rng() % 4);
        if (layout >= 1) fake.monitors.monitors.push_back({{1280, 0, 2560, 720}, false});
        if (layout == 2) fake.monitors.monitors.push_back({{2560, 0, 3840, 720}, false});
        if (layout == 3) fake.monitors.monitors[1].rect = {1280, 0, 3200, 1080};
        p = std::make_unique<Program>(s);
        p->setStrict(true);
        p->start();
    }

    std::size_t pick(std::size_t n) { return static_cast<std::size_t>(rng() % n); }

    void advance(int ms) {
        fake.clock.now += ms;
        p->runDueTimers();
    }

    void act() {
        std::vector<Window*> shown;
        for (Window* w : p->windows())
            if (w->shown()) shown.push_back(w);
        int what = static_cast<int>(rng() % 100);
        if (what < 12) return advance(static_cast<int>(200 + rng() % 3000));
        if (what < 14) return advance(static_cast<int>(30000 + rng() % 300000));
        if (what < 16) return p->press(p->form1()["Command9"]);  // Alt+X
        if (shown.empty()) return;
        Window& w = *shown[pick(shown.size())];
        if (what < 18) {
            if (w.name() != "Form1") p->unload(w.name());
            return;
        }
        if (what < 20) {
            w.setState(rng() % 2 ? WindowState::Minimized : WindowState::Maximized);
            return;
        }
        if (w.elements().empty()) return;
        Element& e = *w.elements()[pick(w.elements().size())];
        // Keep the program alive most of the time: the exit picture ends it.
        if (e.name() == "apagar" && w.name() == "Form1" && rng() % 20) return;
        Rect r = e.absoluteGeometry();
        float x = r.left + r.width * static_cast<float>(rng() % 100) / 100.0f;
        float y = r.top + r.height * static_cast<float>(rng() % 100) / 100.0f;
        bool usable = e.effectivelyVisible() && e.effectivelyEnabled();
        switch (rng() % 7) {
            case 0:
            case 1: return p->clickAt(w, x, y);
            case 2:
            case 3: return p->dblClickAt(w, x, y);
            case 4:
                if (usable && (e.kind() == Kind::TextBox || e.kind() == Kind::ComboBox)) {
                    p->setFocus(&e);
                    return e.setText(kTexts[pick(sizeof kTexts / sizeof *kTexts)]);
                }
                return;
            case 5:
                if (usable && e.kind() == Kind::ComboBox && !e.list().empty()) {
                    e.setTextSilently(e.list()[pick(e.list().size())]);
                    return p->fire(e, Event::Click);
                }
                if (usable && e.kind() == Kind::CheckBox) return e.setChecked(!e.checked());
                if (usable && e.kind() == Kind::OptionButton) return e.setChecked(true);
                return;
            default:
                if (e.kind() == Kind::TextBox) return p->leave(e);
                return p->clickAt(w, x, y);
        }
    }
};

bool twoDigitText(const std::string& t) {
    return t.size() == 2 && std::isdigit(static_cast<unsigned char>(t[0])) &&
           std::isdigit(static_cast<unsigned char>(t[1]));
}

// Empty when every invariant holds, else what broke.
std::string broken(Program& p) {
    if (p.exited()) return {};
    Window& f = p.form1();
    for (const char* n : {"gollocal", "golvisita", "faltalocal", "faltavisita", "tiempolocal", "tiempovisita",
                          "numazuleslocal", "numrojaslocal", "numazulesvisita", "numrojasvisita", "librelocal",
                          "librevisita"})
        if (numericValue(f[n].text()) < 0) return std::string(n) + " went below 0: \"" + f[n].text() + "\"";
    if (p.golespenallocal < 0 || p.golespenalvisita < 0) return "a shoot-out count went below 0";
    struct Side {
        const char* name;
        std::int16_t count;
        const std::string* s1;
        const std::string* s2;
        const char* pic1;
        const char* pic2;
    } sides[] = {{"home", p.castigadoslocal, &p.castigolocal1, &p.castigolocal2, "amonlocal", "amonlocal2"},
                 {"away", p.castigadosvisita, &p.castigovisita1, &p.castigovisita2, "amonvisita", "amonvisita2"}};
    for (const Side& s : sides) {
        if (s.count < 0 || s.count > 2) return std::string(s.name) + " suspension count " + std::to_string(s.count);
        if ((*s.s1 == "activo") != f[s.pic1].visible()) return std::string(s.name) + " slot 1 state and picture disagree";
        if ((*s.s2 == "activo") != f[s.pic2].visible()) return std::string(s.name) + " slot 2 state and picture disagree";
    }
    for (const char* n : {"a", "b", "c", "d", "c2", "d2", "e", "f", "e2", "f2"})
        if (!twoDigitText(f[n].text())) return std::string("clock field ") + n + " is \"" + f[n].text() + "\"";
    if (p.clonactivo == "SI") {
        if (Window* m = p.existing("clontabrino")) {
            refrescaclon(p);
            for (const char* n : {"a", "b", "c", "d", "e", "f", "c2", "d2", "e2", "f2", "equipolocal", "equipovisita",
                                  "tiempolocal", "tiempovisita", "gollocal", "golvisita", "periodo", "faltalocal",
                                  "faltavisita", "posesion", "librelocal", "librevisita", "numazuleslocal",
                                  "numrojaslocal", "numazulesvisita", "numrojasvisita"}) {
                Element* me = m->find(n);
                if (me && me->text() != f[n].text())
                    return std::string("mirror ") + n + " shows \"" + me->text() + "\" for \"" + f[n].text() + "\"";
            }
        }
    }
    return {};
}

}  // namespace

Result run(std::uint64_t seed, std::uint64_t actions, std::uint64_t actionsPerMatch) {
    Result res;
    std::mt19937_64 rng(seed);
    std::unique_ptr<Session> s;
    std::uint64_t inMatch = 0;
    for (std::uint64_t i = 0; i < actions; ++i) {
        if (!s || s->p->exited() || inMatch >= actionsPerMatch) {
            s = std::make_unique<Session>(rng);
            inMatch = 0;
            ++res.matches;
        }
        std::string what;
        try {
            s->act();
            what = broken(*s->p);
        } catch (const std::exception& e) {
            what = std::string("exception: ") + e.what();
        }
        ++inMatch;
        ++res.actions;
        if (!what.empty()) {
            std::ostringstream m;
            m << "seed " << seed << ", action " << i << ": " << what;
            res.ok = false;
            res.failure = m.str();
            return res;
        }
    }
    return res;
}

}  // namespace tabrino::soak
