#include "script/scenario.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "app/text.h"
#include "app/window_catalog.h"
#include "script/words.h"

namespace tabrino::script {

namespace {

struct Failure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

[[noreturn]] void fail(const std::string& m) { throw Failure(m); }

std::string quoted(const std::string& s) {
    std::string out = "\"";
    for (char c : s) {
        if (c == '\n')
            out += "\\n";
        else if (c == '"')
            out += "\\\"";
        else if (c == '\\')
            out += "\\\\";
        else
            out += c;
    }
    return out + "\"";
}

std::string colorText(Rgb c) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%06X", static_cast<unsigned>(c & 0xFFFFFF));
    return buf;
}

bool parseColor(const std::string& s, Rgb& out) {
    if (s.size() != 7 || s[0] != '#') return false;
    for (std::size_t i = 1; i < 7; ++i)
        if (!std::isxdigit(static_cast<unsigned char>(s[i]))) return false;
    out = static_cast<Rgb>(std::stoul(s.substr(1), nullptr, 16));
    return true;
}

int parseCount(const std::string& s, const char* what) {
    if (s.empty() || s.find_first_not_of("0123456789") != std::string::npos || s.size() > 9)
        fail(std::string("expected a whole number for ") + what + ", found " + quoted(s));
    return std::stoi(s);
}

bool parseYesNo(const std::string& s) {
    if (s == "yes") return true;
    if (s == "no") return false;
    fail("expected yes or no, found " + quoted(s));
}

bool parseNumber(const std::string& s, double& out) {
    if (s.empty()) return false;
    char* end = nullptr;
    out = std::strtod(s.c_str(), &end);
    return end && *end == '\0';
}

const char* alignText(Align a) {
    switch (a) {
        case Align::Left: return "left";
        case Align::Center: return "center";
        case Align::Right: return "right";
    }
    return "?";
}

const char* presenceText(const Window* w) {
    if (!w) return "absent";
    return w->shown() ? "shown" : "hidden";
}

const char* stateText(WindowState s) {
    switch (s) {
        case WindowState::Normal: return "normal";
        case WindowState::Maximized: return "maximized";
        case WindowState::Minimized: return "minimized";
    }
    return "?";
}

std::string joinList(const std::vector<std::string>& items) {
    std::string out;
    for (std::size_t i = 0; i < items.size(); ++i) out += (i ? "|" : "") + items[i];
    return out;
}

std::string whole(float v) { return numberText(std::round(v)); }

void need(const std::vector<std::string>& w, std::size_t n, const char* usage) {
    if (w.size() != n) fail(std::string("usage: ") + usage);
}

}  // namespace

Scenario::Scenario() = default;
Scenario::~Scenario() {
    recorder_.reset();  // before the program it listens to
}

void Scenario::startRun() {
    if (runs_++ > 0) {
        // Counted plays, messages and inputs start again from zero.
        recorder_.reset();
        program_.reset();
        fake_.sounds.plays.clear();
        fake_.sounds.log.clear();
        fake_.sounds.files.clear();
        fake_.dialogs.messages = 0;
        fake_.dialogs.inputs = 0;
        fake_.process.quitCalled = false;
        beforeMinimize_.clear();
    }
    program_ = std::make_unique<Program>(fake_.services());
    program_->setStrict(true);
    program_->start();
    if (program_->exited()) return;  // a refused copy never touches the record
    recorder_ = std::make_unique<record::Recorder>(*program_, fake_.storage);
    recorder_->begin();
}

Program& Scenario::program() {
    if (!program_)
        fail(runs_ ? "the program is not running (missing \"start\" after \"crash\")"
                   : "the program has not been started (missing \"start\")");
    return *program_;
}

void Scenario::requireWindowName(const std::string& name) const {
    if (!designFor(name)) fail("unknown window " + quoted(name));
}

Element* Scenario::element(const std::string& target, bool mustExist) {
    auto dot = target.find('.');
    if (dot == std::string::npos || dot == 0 || dot + 1 == target.size())
        fail("expected WINDOW.ELEMENT, found " + quoted(target));
    std::string wn = target.substr(0, dot), en = target.substr(dot + 1);
    requireWindowName(wn);
    const WindowDesign& d = *designFor(wn);
    bool known = false;
    for (const ElementDesign& e : d.elements) known = known || e.name == en;
    if (!known) fail("unknown element " + quoted(en) + " on window " + wn);
    Window* w = program().existing(wn);
    if (!w) {
        if (mustExist) fail("window " + wn + " is absent, so " + target + " cannot be read");
        return nullptr;
    }
    return &(*w)[en];
}

void Scenario::pointer(Window& w, float x, float y, bool dbl) {
    if (dbl)
        program().dblClickAt(w, x, y);
    else
        program().clickAt(w, x, y);
}

void Scenario::advance(int seconds) {
    for (int i = 0; i < seconds; ++i) {
        fake_.clock.now += 1000;
        if (program_) program_->runDueTimers();
    }
}

void Scenario::monitors(const std::vector<std::string>& w) {
    if (w.size() < 2) fail("usage: monitors WIDTHxHEIGHT[@X,Y][*]... | monitors none");
    fake_.monitors.monitors.clear();
    fake_.monitors.noMultiMonitor = false;
    if (w.size() == 2 && w[1] == "none") {
        fake_.monitors.noMultiMonitor = true;
        return;
    }
    bool anyPrimary = false;
    for (std::size_t i = 1; i < w.size(); ++i) {
        std::string s = w[i];
        bool primary = !s.empty() && s.back() == '*';
        if (primary) s.pop_back();
        int wd = 0, ht = 0, x = 0, y = 0;
        char extra = 0;
        bool ok = std::sscanf(s.c_str(), "%dx%d@%d,%d%c", &wd, &ht, &x, &y, &extra) == 4 ||
                  (s.find('@') == std::string::npos && std::sscanf(s.c_str(), "%dx%d%c", &wd, &ht, &extra) == 2);
        if (!ok || wd <= 0 || ht <= 0) fail("bad monitor " + quoted(w[i]) + ", expected WxH@X,Y");
        fake_.monitors.monitors.push_back({{x, y, x + wd, y + ht}, primary});
        anyPrimary = anyPrimary || primary;
    }
    if (!anyPrimary) fake_.monitors.monitors[0].primary = true;
    // After start-up it is a change of the desktop, told as the window system tells it.
    if (program_) program_->screensChanged();
}

Outcome Scenario::run(const std::vector<std::string>& lines) {
    Outcome out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        out.line = static_cast<int>(i + 1);
        std::string error;
        auto words = splitWords(lines[i], error);
        try {
            if (!words) fail(error);
            if (words->empty() || (*words)[0].rfind('#', 0) == 0) continue;
            command(*words);
        } catch (const Failure& f) {
            out.passed = false;
            out.message = f.what();
            return out;
        } catch (const Unanswered& u) {
            out.passed = false;
            out.message = u.what();
            return out;
        } catch (const std::exception& e) {
            out.passed = false;
            out.message = std::string("the program failed: ") + e.what();
            return out;
        }
    }
    if (!fake_.dialogs.queue.empty()) {
        out.passed = false;
        out.line = static_cast<int>(lines.size());
        out.message = "expected every queued answer to be used, found " + std::to_string(fake_.dialogs.queue.size()) +
                      " still queued";
    }
    return out;
}

void Scenario::command(const std::vector<std::string>& w) {
    const std::string& c = w[0];
    if (c == "repeat") {
        if (w.size() < 3) fail("usage: repeat N COMMAND...");
        int n = parseCount(w[1], "repeat");
        std::vector<std::string> rest(w.begin() + 2, w.end());
        for (int i = 0; i < n; ++i) command(rest);
        return;
    }
    if (c == "monitors") return monitors(w);
    if (c == "other-copy") {
        need(w, 1, "other-copy");
        if (program_) fail("\"other-copy\" must come before \"start\"");
        fake_.process.otherCopy = true;
        return;
    }
    if (c == "start") {
        need(w, 1, "start");
        if (program_ && !program_->exited()) fail("the program has already started");
        return startRun();
    }
    if (c == "crash") {
        need(w, 1, "crash");
        if (!program_ || program_->exited()) fail("\"crash\" needs a running program");
        // Nothing runs and nothing more is written: the objects simply go.
        recorder_.reset();
        program_.reset();
        return;
    }
    if (c == "answer") {
        if (w.size() == 2 && w[1] == "yes") return fake_.dialogs.answer(Answer::Yes);
        if (w.size() == 2 && w[1] == "no") return fake_.dialogs.answer(Answer::No);
        if (w.size() == 2 && w[1] == "ok") return fake_.dialogs.answer(Answer::Ok);
        if (w.size() == 2 && w[1] == "cancel") return fake_.dialogs.cancel();
        if (w.size() == 3 && w[1] == "input") return fake_.dialogs.reply(w[2]);
        fail("usage: answer yes|no|ok|cancel | answer input TEXT");
    }
    if (c == "wait") {
        need(w, 2, "wait N");
        program();
        return advance(parseCount(w[1], "wait"));
    }
    if (c == "tick") {
        if (w.size() != 2 && w.size() != 3) fail("usage: tick TIMER [N]");
        OneSecondTimer* t = program().timer(w[1]);
        if (!t) fail("unknown timer " + quoted(w[1]));
        int n = w.size() == 3 ? parseCount(w[2], "tick") : 1;
        for (int i = 0; i < n; ++i) program().tickNow(*t);
        return;
    }
    if (c == "expect") return check(w);
    if (c == "clear") {
        need(w, 1, "clear");
        fake_.sounds.plays.clear();
        fake_.dialogs.messages = 0;
        fake_.dialogs.inputs = 0;
        return;
    }
    if (c == "click" || c == "dblclick") {
        need(w, 2, "click W.E");
        Element* e = element(w[1], false);
        if (!e) return;
        Rect r = e->absoluteGeometry();
        return pointer(e->window(), r.left + r.width / 2, r.top + r.height / 2, c == "dblclick");
    }
    if (c == "click-at" || c == "dblclick-at") {
        need(w, 4, "click-at W X Y");
        requireWindowName(w[1]);
        double x = 0, y = 0;
        if (!parseNumber(w[2], x) || !parseNumber(w[3], y)) fail("expected X and Y in twips");
        Window* win = program().existing(w[1]);
        if (!win) return;
        return pointer(*win, static_cast<float>(x), static_cast<float>(y), c == "dblclick-at");
    }
    if (c == "key") {
        need(w, 2, "key alt+x");
        if (w[1] != "alt+x") fail("unknown key " + quoted(w[1]));
        Window* f = program().existing("Form1");
        if (f) program().press((*f)["Command9"]);
        return;
    }
    if (c == "type" || c == "pick") {
        need(w, 3, "type W.E TEXT");
        Element* e = element(w[1], false);
        if (c == "type" && e && e->kind() != Kind::TextBox && e->kind() != Kind::ComboBox)
            fail(w[1] + " is a " + kindName(e->kind()) + ", not a text box or drop-down");
        if (c == "pick" && e && e->kind() != Kind::ComboBox) fail(w[1] + " is not a drop-down");
        if (!e || !e->window().shown() || !e->effectivelyVisible() || !e->effectivelyEnabled()) return;
        if (c == "type") {
            program().setFocus(e);
            return e->setText(w[2]);
        }
        bool inList = false;
        for (const auto& item : e->list()) inList = inList || item == w[2];
        if (!inList)
            fail("expected " + quoted(w[2]) + " in the list of " + w[1] + ", found " + quoted(joinList(e->list())));
        e->setTextSilently(w[2]);
        return program().fire(*e, Event::Click);
    }
    if (c == "check" || c == "select") {
        if (c == "check" && (w.size() != 3 || (w[2] != "on" && w[2] != "off"))) fail("usage: check W.E on|off");
        if (c == "select") need(w, 2, "select W.E");
        Element* e = element(w[1], false);
        Kind want = c == "check" ? Kind::CheckBox : Kind::OptionButton;
        if (e && e->kind() != want) fail(w[1] + " is a " + kindName(e->kind()) + ", not a " + kindName(want));
        if (!e || !e->window().shown() || !e->effectivelyVisible() || !e->effectivelyEnabled()) return;
        return e->setChecked(c == "select" || w[2] == "on");
    }
    if (c == "leave") {
        need(w, 2, "leave W.E");
        Element* e = element(w[1], false);
        if (e) program().leave(*e);
        return;
    }
    if (c == "close" || c == "minimize" || c == "restore") {
        need(w, 2, "close W");
        requireWindowName(w[1]);
        Window* win = program().existing(w[1]);
        if (!win || !win->shown()) return;
        if (c == "close") return program().unload(w[1]);
        if (c == "minimize") {
            if (win->state() != WindowState::Minimized) beforeMinimize_[w[1]] = win->state();
            return win->setState(WindowState::Minimized);
        }
        if (win->state() != WindowState::Minimized) return;
        auto it = beforeMinimize_.find(w[1]);
        return win->setState(it == beforeMinimize_.end() ? WindowState::Normal : it->second);
    }
    fail("unknown command " + quoted(c));
}

void Scenario::check(const std::vector<std::string>& w) {
    if (w.size() < 3) fail("usage: expect WHAT VALUE");
    const std::string& what = w[1];
    auto count = [&](int found, const char* name) {
        need(w, 3, "expect messages N");
        int want = parseCount(w[2], name);
        if (found != want) fail("expected " + std::to_string(want) + " " + name + ", found " + std::to_string(found));
    };
    auto same = [&](const std::string& found, const char* name) {
        need(w, 3, "expect message TEXT");
        if (normalizeBreaks(found) != normalizeBreaks(w[2]))
            fail(std::string("expected ") + name + " " + quoted(w[2]) + ", found " + quoted(found));
    };
    if (what == "var") {
        need(w, 4, "expect var NAME VALUE");
        auto v = program().variableText(w[2]);
        if (!v) fail("unknown variable " + quoted(w[2]));
        if (normalizeBreaks(*v) != normalizeBreaks(w[3]))
            fail("expected " + w[2] + " " + quoted(w[3]) + ", found " + quoted(*v));
        return;
    }
    if (what == "timer") {
        need(w, 4, "expect timer NAME on|off");
        OneSecondTimer* t = program().timer(w[2]);
        if (!t) fail("unknown timer " + quoted(w[2]));
        if (w[3] != "on" && w[3] != "off") fail("expected on or off, found " + quoted(w[3]));
        bool want = w[3] == "on";
        if (t->enabled() != want) fail("expected " + w[2] + " " + w[3] + ", found " + (t->enabled() ? "on" : "off"));
        return;
    }
    if (what == "played") {
        need(w, 4, "expect played FILE N");
        int want = parseCount(w[3], "plays");
        int found = fake_.sounds.played(w[2]);
        if (found != want)
            fail("expected " + w[2] + " played " + std::to_string(want) + " times, found " + std::to_string(found));
        return;
    }
    if (what == "messages") return count(fake_.dialogs.messages, "message boxes");
    if (what == "inputs") return count(fake_.dialogs.inputs, "input boxes");
    if (what == "message") return same(fake_.dialogs.messages ? fake_.dialogs.lastText : "", "message");
    if (what == "title") return same(fake_.dialogs.messages ? fake_.dialogs.lastTitle : "", "title");
    if (what == "input") return same(fake_.dialogs.inputs ? fake_.dialogs.lastPrompt : "", "input prompt");
    if (what == "exited") {
        need(w, 3, "expect exited yes|no");
        bool want = parseYesNo(w[2]);
        bool found = program_ && program_->exited();
        if (found != want) fail(std::string("expected exited ") + w[2] + ", found " + (found ? "yes" : "no"));
        return;
    }
    if (what == "focus") {
        need(w, 3, "expect focus W.E");
        Element* e = element(w[2], true);
        Element* f = program().focus();
        if (f != e)
            fail("expected the focus on " + w[2] + ", found " +
                 (f ? f->window().name() + "." + f->name() : std::string("no element")));
        return;
    }
    need(w, 3, "expect W.E.PROP VALUE");
    auto dot = what.find('.');
    if (dot == std::string::npos) fail("unknown check " + quoted(what));
    std::string first = what.substr(0, dot), rest = what.substr(dot + 1);
    if (rest.find('.') == std::string::npos) return checkWindow(first, rest, w[2]);
    checkElement(what, w[2]);
}

void Scenario::checkWindow(const std::string& wn, const std::string& prop, const std::string& value) {
    requireWindowName(wn);
    Window* win = program().existing(wn);
    std::string found;
    if (prop == "state") {
        found = presenceText(win);
    } else if (prop == "windowstate" || prop == "left" || prop == "top" || prop == "width" || prop == "height") {
        if (!win) fail("window " + wn + " is absent, so its " + prop + " cannot be read");
        if (prop == "windowstate")
            found = stateText(win->state());
        else if (prop == "left")
            found = whole(win->left());
        else if (prop == "top")
            found = whole(win->top());
        else if (prop == "width")
            found = whole(win->width());
        else
            found = whole(win->height());
    } else {
        fail("unknown window property " + quoted(prop));
    }
    if (found != value) fail("expected " + wn + "." + prop + " " + quoted(value) + ", found " + quoted(found));
}

void Scenario::checkElement(const std::string& target, const std::string& value) {
    auto last = target.rfind('.');
    std::string prop = target.substr(last + 1);
    Element* e = element(target.substr(0, last), true);
    std::string found;
    auto yesNo = [](bool b) { return std::string(b ? "yes" : "no"); };
    if (prop == "text") {
        if (normalizeBreaks(e->text()) == normalizeBreaks(value)) return;
        found = e->text();
    } else if (prop == "visible") {
        found = yesNo(e->visible());
    } else if (prop == "enabled") {
        found = yesNo(e->enabled());
    } else if (prop == "checked") {
        found = yesNo(e->checked());
    } else if (prop == "color" || prop == "border") {
        Rgb want = 0;
        if (!parseColor(value, want)) fail("expected a colour #RRGGBB, found " + quoted(value));
        Rgb have = prop == "color" ? e->color() : e->border();
        if (have == want) return;
        fail("expected " + target + " " + value + ", found " + colorText(have));
    } else if (prop == "left" || prop == "top" || prop == "width" || prop == "height") {
        const Rect& r = e->geometry();
        float v = prop == "left" ? r.left : prop == "top" ? r.top : prop == "width" ? r.width : r.height;
        found = whole(v);
    } else if (prop == "fontsize") {
        double want = 0;
        if (!parseNumber(value, want)) fail("expected a size in points, found " + quoted(value));
        if (std::fabs(e->font().size - want) < 0.005) return;
        found = numberText(std::round(e->font().size * 100) / 100);
    } else if (prop == "tooltip") {
        found = e->tooltip();
    } else if (prop == "align") {
        found = alignText(e->align());
    } else if (prop == "list") {
        found = joinList(e->list());
    } else {
        fail("unknown property " + quoted(prop));
    }
    if (found != value) fail("expected " + target + " " + quoted(value) + ", found " + quoted(found));
}

void Scenario::dump(std::ostream& out) const {
    if (!program_) {
        out << "  (not started)\n";
        return;
    }
    const Program& p = *program_;
    for (const std::string& n : Variables::variableNames())
        out << "  var " << n << " " << quoted(*p.variableText(n)) << "\n";
    for (int i = 0; i < 32; ++i)
        out << "  var tablaseries(" << i << ") " << quoted(p.tablaseries[static_cast<std::size_t>(i)]) << "\n";
    out << "  timer Timer1 " << (p.timer1.enabled() ? "on" : "off") << "\n";
    out << "  timer Timer2 " << (p.timer2.enabled() ? "on" : "off") << "\n";
    out << "  timer Timer3 " << (p.timer3.enabled() ? "on" : "off") << "\n";
    for (const std::string& wn : Program::windowNames()) {
        Window* w = p.existing(wn);
        out << "  " << wn << ".state " << presenceText(w);
        if (!w) {
            out << "\n";
            continue;
        }
        out << " " << stateText(w->state()) << " " << whole(w->left()) << "," << whole(w->top()) << " "
            << whole(w->width()) << "x" << whole(w->height()) << "\n";
        for (const auto& e : w->elements()) {
            const Rect& r = e->geometry();
            out << "  " << wn << "." << e->name() << " " << quoted(e->text()) << " " << colorText(e->color())
                << (e->visible() ? " shown" : " hidden") << (e->enabled() ? "" : " disabled")
                << (e->checked() ? " checked" : "") << " " << whole(r.left) << "," << whole(r.top) << " "
                << whole(r.width) << "x" << whole(r.height) << "\n";
        }
    }
}

int runFiles(const std::vector<std::string>& args, std::ostream& out) {
    int passed = 0, failed = 0;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& file = args[i];
        if (file == "--dump") continue;
        bool dump = i + 1 < args.size() && args[i + 1] == "--dump";
        std::ifstream in(file, std::ios::binary);
        Outcome o;
        Scenario s;
        if (!in) {
            o = {false, 0, "cannot read the file"};
        } else {
            std::vector<std::string> lines;
            std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            std::string cur;
            for (std::size_t k = 0; k < all.size(); ++k) {
                char ch = all[k];
                if (ch == '\n' || ch == '\r') {
                    lines.push_back(cur);
                    cur.clear();
                    if (ch == '\r' && k + 1 < all.size() && all[k + 1] == '\n') ++k;
                } else {
                    cur += ch;
                }
            }
            if (!cur.empty()) lines.push_back(cur);
            o = s.run(lines);
        }
        if (o.passed) {
            ++passed;
            out << "PASS " << file << "\n";
        } else {
            ++failed;
            out << "FAIL " << file << ":" << o.line << ": " << o.message << "\n";
        }
        if (dump) s.dump(out);
    }
    out << passed << " passed, " << failed << " failed\n";
    return failed == 0 ? 0 : 1;
}

}  // namespace tabrino::script
