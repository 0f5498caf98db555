#include "record/board.h"

#include <cstdio>
#include <cstdlib>
#include <unordered_set>

#include "app/procedures.h"

namespace tabrino::record {

const char* const kElementProperties[kElementPropertyCount] = {"text",    "color",   "visible", "enabled",
                                                               "checked", "picture", "list"};

namespace {

std::string yesNo(bool b) { return b ? "yes" : "no"; }

std::string colorText(Rgb c) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%06X", static_cast<unsigned>(c & 0xFFFFFF));
    return buf;
}

const char* presence(const Window* w) {
    if (!w) return "absent";
    return w->shown() ? "shown" : "hidden";
}

std::string get(const State& s, const std::string& key) {
    auto it = s.find(key);
    return it == s.end() ? std::string() : it->second;
}

// The machine's own screens are found afresh at each start: these are
// recorded for the story of the match but never put back.
const std::unordered_set<std::string>& machineVariables() {
    static const std::unordered_set<std::string> names = {
        "cantidadmonitores", "reintentosmonitor",  "anchopantalla",     "altopantalla",
        "resolucion",        "izquierdapantalla2", "izquierdapantalla3"};
    return names;
}

bool parseColor(const std::string& s, Rgb& out) {
    if (s.size() != 7 || s[0] != '#') return false;
    char* end = nullptr;
    unsigned long v = std::strtoul(s.c_str() + 1, &end, 16);
    if (!end || *end) return false;
    out = static_cast<Rgb>(v);
    return true;
}

void applyElement(Element& e, const State& s, const std::string& prefix) {
    auto it = s.find(prefix + "text");
    if (it != s.end()) e.setTextSilently(it->second);
    Rgb c = 0;
    if ((it = s.find(prefix + "color")) != s.end() && parseColor(it->second, c)) e.setColor(c);
    if ((it = s.find(prefix + "visible")) != s.end()) e.setVisible(it->second == "yes");
    if ((it = s.find(prefix + "enabled")) != s.end()) e.setEnabled(it->second == "yes");
    if ((it = s.find(prefix + "checked")) != s.end()) e.setChecked(it->second == "yes");
    if ((it = s.find(prefix + "picture")) != s.end()) e.setPicture(it->second);
    if ((it = s.find(prefix + "list")) != s.end()) {
        e.clearList();
        std::size_t from = 0;
        while (!it->second.empty() && from <= it->second.size()) {
            std::size_t nl = it->second.find('\n', from);
            if (nl == std::string::npos) nl = it->second.size();
            e.addItem(it->second.substr(from, nl - from));
            from = nl + 1;
        }
    }
}

// The big possession window goes to the screen it is put on when switched on.
void placePossessionWindow(Program& p, Window& w) {
    if (w.left() == 0) {
        if (p.cantidadmonitores >= 3)
            w.setLeft(static_cast<float>(p.izquierdapantalla3));
        else if (p.cantidadmonitores == 2)
            w.setLeft(static_cast<float>(p.izquierdapantalla2));
    }
    maximizeWindow(p, w);
}

}  // namespace

ElementValues elementValues(const Element& e) {
    std::string items;
    for (std::size_t i = 0; i < e.list().size(); ++i) items += (i ? "\n" : "") + e.list()[i];
    return {{e.text(), colorText(e.color()), yesNo(e.visible()), yesNo(e.enabled()), yesNo(e.checked()), e.picture(),
             std::move(items)}};
}

const std::vector<std::string>& variableNames() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> n = Variables::variableNames();
        for (int i = 0; i < 32; ++i) n.push_back("tablaseries(" + std::to_string(i) + ")");
        return n;
    }();
    return names;
}

std::string variableKey(const std::string& name) { return "var." + name; }

State capture(const Program& p) {
    State s;
    for (const std::string& n : variableNames()) s[variableKey(n)] = *p.variableText(n);
    for (const char* t : {"Timer1", "Timer2", "Timer3"})
        s[std::string("timer.") + t] = const_cast<Program&>(p).timer(t)->enabled() ? "on" : "off";
    for (const std::string& wn : Program::windowNames()) {
        const Window* w = p.existing(wn);
        s[wn + ".state"] = presence(w);
        if (!w) continue;
        for (const auto& e : w->elements()) {
            ElementValues v = elementValues(*e);
            const std::string prefix = wn + "." + e->name() + ".";
            for (int i = 0; i < kElementPropertyCount; ++i) s[prefix + kElementProperties[i]] = v.values[i];
        }
    }
    return s;
}

std::string summary(const State& s) {
    return get(s, "Form1.equipolocal.text") + " " + get(s, "Form1.gollocal.text") + " - " +
           get(s, "Form1.golvisita.text") + " " + get(s, "Form1.equipovisita.text") + ", periodo " +
           get(s, "Form1.periodo.text") + ", " + get(s, "Form1.a.text") + ":" + get(s, "Form1.b.text");
}

void restore(Program& p, const State& s) {
    struct Quiet {
        Program& p;
        explicit Quiet(Program& x) : p(x) { p.setQuiet(true); }
        ~Quiet() { p.setQuiet(false); }
    } quiet(p);

    auto variables = [&] {
        for (const std::string& n : variableNames()) {
            auto it = s.find(variableKey(n));
            if (it == s.end() || machineVariables().count(n)) continue;
            if (n.rfind("tablaseries(", 0) == 0) {
                p.tablaseries[static_cast<std::size_t>(std::atoi(n.c_str() + 12))] = it->second;
                continue;
            }
            p.setVariableText(n, it->second);
        }
    };
    // Before the windows load, so their loads see the match; and again
    // after, over what a load starts afresh (the shoot-out's counts).
    variables();

    // The settings window is the operator's dialog, not the match: it is
    // filled afresh from the settings when next opened.
    auto restorable = [](const std::string& wn) { return wn != "configuracion"; };
    for (const std::string& wn : Program::windowNames()) {
        const std::string st = get(s, wn + ".state");
        if (restorable(wn) && (st == "hidden" || st == "shown")) p.win(wn);
    }
    for (Window* w : p.windows()) {
        if (!restorable(w->name())) continue;
        for (const auto& e : w->elements()) applyElement(*e, s, w->name() + "." + e->name() + ".");
    }
    variables();

    p.timer1.setEnabled(false);
    p.timer2.setEnabled(get(s, "timer.Timer2") == "on");
    p.timer3.setEnabled(p.existing("minuto") != nullptr);

    for (const std::string& wn : Program::windowNames()) {
        if (wn == "Form1" || !restorable(wn) || get(s, wn + ".state") != "shown") continue;
        Window& w = p.win(wn);
        if (wn == "tenencia") placePossessionWindow(p, w);
        w.show();
    }
}

}  // namespace tabrino::record
