#include "soak.h"

#include <cctype>
#include <memory>
#include <random>
#include <sstream>
#include <vector>

#include "app/program.h"
#include "invariants.h"
#include "platform/fake/fakes.h"

namespace tabrino::soak {

void Coverage::merge(const Coverage& o) {
    for (const auto& [w, names] : o.elements) elements[w].insert(names.begin(), names.end());
    for (const auto& [w, n] : o.sizes) sizes[w] = n;
    keys.insert(o.keys.begin(), o.keys.end());
}

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
        static const char* const names[] = {"",   "ñandú fc", "Club Atlético", "⚽ equipo", "a", "   ", "x\ny",
                                            "12", "-3"};
        if (rng_() % 10 == 0) return std::string(500 + rng_() % 200, 'w');
        return names[rng_() % (sizeof names / sizeof *names)];
    }

private:
    std::mt19937_64& rng_;
};

const char* const kTexts[] = {"",
                              "0",
                              "5",
                              "05",
                              "12",
                              "30",
                              "31",
                              "-5",
                              "100",
                              "12a",
                              "abc",
                              "1e3",
                              "99",
                              "Adulta",
                              "Adulta Honor",
                              "Alargue",
                              "Serie que jugara?",
                              "ÁÉÍ ñ"};

// The access key of a caption: the letter after a single "&", upper case.
char accessKey(const std::string& caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] == '&') {
            ++i;
            continue;
        }
        return static_cast<char>(std::toupper(static_cast<unsigned char>(caption[i + 1])));
    }
    return 0;
}

struct Session {
    std::mt19937_64& rng;
    Coverage& coverage;
    FakeServices fake;
    RandomDialogs dialogs{rng};
    std::unique_ptr<Program> p;
    std::string lastAction;  // for the failure report
    bool mirrorMayLag = false;
    // An operator who mostly keeps the clock running, so that matches go
    // through every period, extra time and the shoot-out.
    bool playsThrough = false;

    Session(std::mt19937_64& r, Coverage& c) : rng(r), coverage(c) {
        Services s{dialogs, fake.sounds, fake.monitors, fake.process, fake.clock};
        int layout = static_cast<int>(rng() % 4);
        if (layout >= 1) fake.monitors.monitors.push_back({{1280, 0, 2560, 720}, false});
        if (layout == 2) fake.monitors.monitors.push_back({{2560, 0, 3840, 720}, false});
        if (layout == 3) fake.monitors.monitors[1].rect = {1280, 0, 3200, 1080};
        p = std::make_unique<Program>(s);
        p->setStrict(true);
        p->start();
        // A third of the matches, and every played-through one, are played
        // with a shoot-out on a draw, chosen in the settings first, so the
        // shoot-out boards get soaked.
        playsThrough = rng() % 4 == 0;
        if ((playsThrough || rng() % 3 == 0) && !p->exited()) {
            clickCentre(p->form1(), "config");
            if (Window* settings = p->existing("configuracion")) {
                (*settings)["Option3"].setChecked(true);
                // and, where there is a second screen, half of them with the mirror
                if (fake.monitors.monitors.size() > 1 && rng() % 2) (*settings)["Check3"].setChecked(true);
                p->unload("configuracion");
            }
        }
    }

    void clickCentre(Window& w, const char* name) {
        const Rect r = w[name].absoluteGeometry();
        p->clickAt(w, r.left + r.width / 2, r.top + r.height / 2);
    }

    std::size_t pick(std::size_t n) { return static_cast<std::size_t>(rng() % n); }

    void advance(int ms) {
        lastAction = "time +" + std::to_string(ms) + " ms";
        fake.clock.now += ms;
        p->runDueTimers();
    }

    void reached(Window& w, const Element& e) {
        coverage.elements[w.name()].insert(e.name());
        coverage.sizes[w.name()] = w.elements().size();
    }

    // An access key of a shown window, as the keyboard gives it: the
    // program itself ignores it on a hidden or disabled control.
    void pressKey(const std::vector<Window*>& shown) {
        std::vector<std::pair<Window*, Element*>> keyed;
        for (Window* w : shown)
            for (const auto& e : w->elements())
                if (e->kind() != Kind::Label && accessKey(e->text())) keyed.emplace_back(w, e.get());
        if (keyed.empty()) return;
        auto [w, e] = keyed[pick(keyed.size())];
        coverage.keys.insert(w->name() + " Alt+" + accessKey(e->text()));
        reached(*w, *e);
        lastAction = w->name() + " Alt+" + accessKey(e->text());
        p->press(*e);
    }

    void act() {
        mirrorMayLag = false;
        std::vector<Window*> shown;
        for (Window* w : p->windows())
            if (w->shown()) shown.push_back(w);
        if (playsThrough && rng() % 10 < 6) {
            if (p->timer1.enabled()) return advance(static_cast<int>(20000 + rng() % 60000));
            lastAction = "start the clock";
            return clickCentre(p->form1(), "a");
        }
        int what = static_cast<int>(rng() % 100);
        if (what < 12) return advance(static_cast<int>(200 + rng() % 3000));
        if (what < 14) return advance(static_cast<int>(30000 + rng() % 300000));
        if (what < 17) return pressKey(shown);
        if (shown.empty()) return;
        Window& w = *shown[pick(shown.size())];
        if (what < 19) {
            lastAction = "close " + w.name();
            // The close box of a framed window; the operator window's ends the program.
            if (w.design().framed && (w.name() != "Form1" || rng() % 20 == 0)) p->unload(w.name());
            return;
        }
        if (what < 21) {
            lastAction = "state of " + w.name();
            static const WindowState states[] = {WindowState::Minimized, WindowState::Maximized, WindowState::Normal};
            if (w.design().framed) w.setState(states[pick(3)]);
            return;
        }
        if (w.elements().empty()) return;
        Element& e = *w.elements()[pick(w.elements().size())];
        // Keep the program alive most of the time: the exit picture ends it.
        if (e.name() == "apagar" && w.name() == "Form1" && rng() % 20) return;
        reached(w, e);
        lastAction = w.name() + "." + e.name();
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
                    mirrorMayLag = w.name() == "Form1" && e.name() == "tramos";
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

}  // namespace

Result run(std::uint64_t seed, std::uint64_t actions, std::uint64_t actionsPerMatch) {
    Result res;
    std::mt19937_64 rng(seed);
    std::unique_ptr<Session> s;
    std::uint64_t inMatch = 0;
    for (std::uint64_t i = 0; i < actions; ++i) {
        if (!s || s->p->exited() || inMatch >= actionsPerMatch) {
            s = std::make_unique<Session>(rng, res.coverage);
            inMatch = 0;
            ++res.matches;
        }
        std::string what;
        try {
            s->act();
            what = broken(*s->p, s->mirrorMayLag);
        } catch (const std::exception& e) {
            what = std::string("exception: ") + e.what();
        }
        ++inMatch;
        ++res.actions;
        if (!what.empty()) {
            std::ostringstream m;
            m << "seed " << seed << ", action " << i << " (" << s->lastAction << "): " << what;
            res.ok = false;
            res.failure = m.str();
            return res;
        }
    }
    return res;
}

}  // namespace tabrino::soak
