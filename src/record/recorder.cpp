#include "record/recorder.h"

#include <ctime>

#include "record/board.h"

namespace tabrino::record {

namespace {

// Actions the match report tells even when they change no field: the horn
// (on the board and on the shoot-out board) and the possession count
// restarted while it already reads 45.
bool toldWithoutChanges(const std::string& action) {
    return action == "Form1.Image1.Click" || action == "penales.Image22.Click" || action == "Form1.Command9.Click";
}

const char* const kTitle = "Registro del partido";

std::string get(const State& s, const std::string& key) {
    auto it = s.find(key);
    return it == s.end() ? std::string() : it->second;
}

void diffInto(State& shadow, const std::string& key, const std::string& now, std::vector<Change>& out) {
    auto [it, fresh] = shadow.try_emplace(key, now);
    if (fresh) {
        out.push_back({key, "", now});
    } else if (it->second != now) {
        out.push_back({key, it->second, now});
        it->second = now;
    }
}

}  // namespace

Recorder::Recorder(Program& p, RecordStorage& storage) : p_(p), storage_(storage) { p_.addListener(this); }

Recorder::~Recorder() { p_.removeListener(this); }

std::string Recorder::stamp() const {
    std::time_t t = static_cast<std::time_t>(p_.svc.clock.wallClockMs() / 1000);
    std::tm tm{};
    localtime_r(&t, &tm);
    char buf[32];
    std::strftime(buf, sizeof buf, "%Y%m%d-%H%M%S", &tm);
    return buf;
}

Entry Recorder::snapshot(const std::string& kind) {
    shadow_ = capture(p_);
    if (!shadow_.count("partido")) shadow_["partido"] = "libre";
    Entry e{kind,
            p_.svc.clock.wallClockMs(),
            "",
            get(shadow_, "Form1.periodo.text"),
            get(shadow_, "Form1.a.text") + ":" + get(shadow_, "Form1.b.text"),
            {}};
    for (const auto& [k, v] : shadow_) e.changes.push_back({k, "", v});
    dirty_.clear();
    return e;
}

void Recorder::begin() {
    std::string bytes;
    const RecordStorage::Read r = storage_.read(bytes);
    std::string problem;
    Journal j;
    if (r == RecordStorage::Read::Failed) {
        problem = "no se pudo abrir";
    } else if (r == RecordStorage::Read::Ok) {
        j = read(bytes);
        if (j.fault != Fault::None) problem = faultText(j.fault);
    }

    if (!problem.empty()) {
        const std::string kept = storage_.keepAside("dañado", stamp());
        p_.ask("El registro del partido anterior " + problem + " y no se puede recuperar." +
                   (kept.empty() ? std::string() : "\nSe guardó aparte como " + kept + ".") +
                   "\nEl programa empieza de cero.",
               kTitle, Buttons::Ok, Icon::Error);
        startRecord(false);
        return;
    }

    State last = replay(j.entries);
    if (r != RecordStorage::Read::Ok || get(last, "partido") != "en curso") {
        startRecord(false);
        return;
    }

    const Answer a = p_.ask("El programa se cerró con un partido en curso:\n" + summary(last) + "\n¿Desea recuperarlo?",
                            "Recuperar partido", Buttons::YesNo, Icon::Question);
    if (a != Answer::Yes) {
        storage_.keepAside("anterior", stamp());
        startRecord(false);
        return;
    }
    restore(p_, last);
    // The match goes on in the same record: its whole entries, a mark of
    // the recovery, and the state as it came back.
    recordBytes_ = bytes.substr(0, j.wholeBytes);
    startRecord(true);
}

void Recorder::startRecord(bool recovered) {
    std::string bytes = recordBytes_.empty() ? header() : recordBytes_;
    recordBytes_.clear();
    if (recovered) bytes += encode({"recuperado", p_.svc.clock.wallClockMs(), "", "", "", {}});
    Entry e = snapshot("estado");
    if (recovered) {
        shadow_["partido"] = "en curso";
        for (Change& c : e.changes)
            if (c.key == "partido") c.after = "en curso";
    }
    bytes += encode(e);
    storage_.reset(bytes);
    active_ = true;
    // A folder that cannot be written is said now, at the start.
    storage_.flush();
    warnOnce();
}

void Recorder::warnOnce() {
    std::string why = storage_.takeFailure();
    if (why.empty() || warned_) return;
    warned_ = true;
    p_.ask("No se puede guardar el registro del partido en " + storage_.place() + " (" + why +
               ").\nEl partido sigue, pero si el programa se cierra no se podrá recuperar.",
           kTitle, Buttons::Ok, Icon::Error);
}

void Recorder::write(const Entry& e) { storage_.append(encode(e)); }

void Recorder::windowCreated(Window& w) {
    for (const auto& e : w.elements()) dirty_.insert(e.get());
}

void Recorder::windowDestroyed(Window& w) {
    for (const auto& e : w.elements()) dirty_.erase(e.get());
}

void Recorder::elementChanged(Element& e, Property p) {
    if (p == Property::Text || p == Property::Color || p == Property::Visible || p == Property::Enabled ||
        p == Property::Checked || p == Property::Picture || p == Property::List)
        dirty_.insert(&e);
}

void Recorder::settled(const std::string& action) {
    if (!active_ || inSettle_) return;
    inSettle_ = true;
    Entry e{"accion",
            0,
            action,
            get(shadow_, "Form1.periodo.text"),
            get(shadow_, "Form1.a.text") + ":" + get(shadow_, "Form1.b.text"),
            {}};

    for (const std::string& n : variableNames()) diffInto(shadow_, variableKey(n), *p_.variableText(n), e.changes);
    for (const char* t : {"Timer1", "Timer2", "Timer3"})
        diffInto(shadow_, std::string("timer.") + t, p_.timer(t)->enabled() ? "on" : "off", e.changes);
    for (const std::string& wn : Program::windowNames()) {
        const Window* w = p_.existing(wn);
        diffInto(shadow_, wn + ".state", !w ? "absent" : w->shown() ? "shown" : "hidden", e.changes);
    }
    for (Element* el : dirty_) {
        ElementValues v = elementValues(*el);
        const std::string prefix = el->window().name() + "." + el->name() + ".";
        for (int i = 0; i < kElementPropertyCount; ++i)
            diffInto(shadow_, prefix + kElementProperties[i], v.values[i], e.changes);
    }
    dirty_.clear();

    if (!e.changes.empty()) {
        const std::string board = action == kMatchReset ? "libre" : "en curso";
        diffInto(shadow_, "partido", board, e.changes);
        e.wallMs = p_.svc.clock.wallClockMs();
        write(e);
    } else if (toldWithoutChanges(action)) {
        // Kept for the report only: it leaves the board as it was, fresh or not.
        e.wallMs = p_.svc.clock.wallClockMs();
        write(e);
    }
    warnOnce();
    inSettle_ = false;
}

void Recorder::programExited() {
    if (!active_) return;
    // exit() has hidden every window: that is not the board the match left.
    write({"fin",
           p_.svc.clock.wallClockMs(),
           "",
           get(shadow_, "Form1.periodo.text"),
           get(shadow_, "Form1.a.text") + ":" + get(shadow_, "Form1.b.text"),
           {}});
    active_ = false;
}

}  // namespace tabrino::record
