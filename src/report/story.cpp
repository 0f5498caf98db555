#include "report/story.h"

#include <algorithm>
#include <ctime>
#include <map>
#include <unordered_map>

#include "app/text.h"

namespace tabrino::report {

namespace {

using record::Entry;
using record::State;

const char* const kReset = "Form1.Image3.Click";
const char* const kTick = "Timer1.Timer";

struct SideKeys {
    Side side;
    const char* word;  // "local" / "visita"
    const char* name;
    const char* score;
    const char* fouls;
    const char* freeHits;
    const char* blue;
    const char* red;
    const char* timeOuts;
    const char* giveBack;  // the action that gives a time-out back
    const char* cancel;    // the action that cancels the request
    const char* foulOff;   // the action that takes a foul back
    const char* slotVar[2];
    const char* slotClock[2][2];  // minutes, seconds fields
};

const SideKeys kSides[2] = {
    {Side::Local,
     "local",
     "Form1.equipolocal.text",
     "Form1.gollocal.text",
     "Form1.faltalocal.text",
     "Form1.librelocal.text",
     "Form1.numazuleslocal.text",
     "Form1.numrojaslocal.text",
     "Form1.tiempolocal.text",
     "Form1.Label3a.DblClick",
     "Form1.Image8.DblClick",
     "Form1.titulofalta.DblClick",
     {"var.castigolocal1", "var.castigolocal2"},
     {{"Form1.c.text", "Form1.d.text"}, {"Form1.c2.text", "Form1.d2.text"}}},
    {Side::Visita,
     "visita",
     "Form1.equipovisita.text",
     "Form1.golvisita.text",
     "Form1.faltavisita.text",
     "Form1.librevisita.text",
     "Form1.numazulesvisita.text",
     "Form1.numrojasvisita.text",
     "Form1.tiempovisita.text",
     "Form1.Label3b.DblClick",
     "Form1.Image9.DblClick",
     "Form1.titulofalta2.DblClick",
     {"var.castigovisita1", "var.castigovisita2"},
     {{"Form1.e.text", "Form1.f.text"}, {"Form1.e2.text", "Form1.f2.text"}}},
};

std::string get(const State& s, const std::string& key) {
    auto it = s.find(key);
    return it == s.end() ? std::string() : it->second;
}

int num(const State& s, const std::string& key) { return static_cast<int>(numericValue(get(s, key))); }

int seconds(const std::string& reading) {
    const auto colon = reading.find(':');
    if (colon == std::string::npos) return 0;
    return static_cast<int>(numericValue(reading.substr(0, colon)) * 60 + numericValue(reading.substr(colon + 1)));
}

std::string clockOf(const State& s) { return get(s, "Form1.a.text") + ":" + get(s, "Form1.b.text"); }

// The first penalty shots of each side and their numbers, by mark.
struct ShotMark {
    const char* key;
    Side side;
    int number;
};
const ShotMark kShotMarks[10] = {
    {"penales.penal1l.color", Side::Local, 1},  {"penales.penal2l.color", Side::Local, 2},
    {"penales.penal3l.color", Side::Local, 3},  {"penales.penal4l.color", Side::Local, 4},
    {"penales.penal5l.color", Side::Local, 5},  {"penales.penal1v.color", Side::Visita, 1},
    {"penales.penal2v.color", Side::Visita, 2}, {"penales.penal3v.color", Side::Visita, 3},
    {"penales.penal4v.color", Side::Visita, 4}, {"penales.penal5v.color", Side::Visita, 5},
};

class Reader {
public:
    std::vector<Match> matches;

    Reader() { newMatch(); }

    void read(const Entry& e) {
        if (e.kind == "estado") {
            for (const auto& c : e.changes) st_[c.key] = c.after;
            syncNames();
            return;
        }
        if (e.kind == "recuperado") {
            add(e.wallMs, Kind::Recovered, Side::None, "Partido recuperado",
                "el programa se había cerrado con el partido en curso", clockOf(st_));
            return;
        }
        if (e.kind == "fin") {
            add(e.wallMs, Kind::Closed, Side::None, "Programa cerrado", "", clockOf(st_));
            return;
        }
        if (e.kind != "accion") return;

        // Only what the entry changed has another value before it.
        before_.clear();
        for (const auto& c : e.changes) {
            before_[c.key] = c.before;
            st_[c.key] = c.after;
        }
        action_ = e.action;
        ms_ = e.wallMs;
        const bool tick = action_ == kTick;
        // A tick's moment is the second it has just counted; an operator's
        // is the reading when he acted.
        reading_ = tick ? get(st_, "var.relojperiodo") : e.clock;
        if (reading_.empty() || reading_ == ":") reading_ = was("Form1.a.text") + ":" + was("Form1.b.text");

        if (action_ == kReset) {
            // The match it closes keeps its own final score and names.
            Event& ev = add(ms_, Kind::MatchReset, Side::None, "Partido restablecido", "el tablero vuelve a cero",
                            reading_, true);
            ev.home = m().homeGoals = numWas("Form1.gollocal.text");
            ev.away = m().awayGoals = numWas("Form1.golvisita.text");
            closeMatch();
            newMatch();
            syncNames();
            return;
        }
        names();
        series();
        clockCorrections();
        for (const SideKeys& s : kSides) goals(s);
        for (const SideKeys& s : kSides) fouls(s);
        for (const SideKeys& s : kSides) cards(s);
        for (const SideKeys& s : kSides) suspensions(s, tick);
        for (const SideKeys& s : kSides) timeOuts(s);
        // A new request first, then the one it replaced.
        for (const SideKeys& s : kSides) timeOutRequested(s);
        for (const SideKeys& s : kSides) timeOutRequestDropped(s, tick);
        if (action_ == "Form1.Command9.Click")
            add(ms_, Kind::Possession, Side::None, "Posesión reiniciada", "45 segundos", reading_);
        if (action_ == "Form1.Image1.Click" || action_ == "penales.Image22.Click")
            add(ms_, Kind::Horn, Side::None, "Bocina", "", reading_);
        shots();
        clockRunning(tick);
        phases();
    }

    void finish() { closeMatch(); }

private:
    Match& m() { return matches.back(); }
    Phase& phase() { return m().phases.back(); }

    bool changed(const std::string& key) const { return before_.count(key) > 0; }
    std::string was(const std::string& key) const {
        auto it = before_.find(key);
        return it == before_.end() ? get(st_, key) : it->second;
    }
    int numWas(const std::string& key) const { return static_cast<int>(numericValue(was(key))); }

    void newMatch() {
        matches.emplace_back();
        startPhase("1", "1.er tiempo", false, 0);
        phaseStartClock_.clear();
    }

    void closeMatch() {
        Match& x = m();
        // The names as the match left them, before a reset could clear them.
        if (!endHome_.empty()) x.home = endHome_;
        if (!endAway_.empty()) x.away = endAway_;
        if (!x.events.empty()) x.firstMs = x.events.front().wallMs;
    }

    void syncNames() {
        endHome_ = get(st_, "Form1.equipolocal.text");
        endAway_ = get(st_, "Form1.equipovisita.text");
    }

    void startPhase(const std::string& name, const std::string& title, bool isBreak, std::int64_t ms) {
        Phase p;
        p.name = name;
        p.title = title;
        p.isBreak = isBreak;
        p.beginMs = ms;
        m().phases.push_back(p);
        phaseStartClock_.clear();
    }

    int minuteNow() {
        if (phaseStartClock_.empty() || m().phases.back().isBreak || m().phases.back().name == "Penales") return 0;
        const int played = seconds(phaseStartClock_) - seconds(reading_);
        return std::max(1, (played + 59) / 60);
    }

    Event& add(std::int64_t ms, Kind k, Side side, std::string text, std::string detail, const std::string& clock,
               bool correction = false) {
        Event ev;
        ev.kind = k;
        ev.wallMs = ms;
        ev.phase = m().phases.back().name;
        ev.clock = clock;
        ev.minute = minuteNow();
        ev.side = side;
        if (side != Side::None) ev.team = get(st_, kSides[side == Side::Local ? 0 : 1].name);
        ev.text = std::move(text);
        ev.detail = std::move(detail);
        ev.correction = correction;
        ev.home = num(st_, "Form1.gollocal.text");
        ev.away = num(st_, "Form1.golvisita.text");
        m().events.push_back(ev);
        m().homeGoals = ev.home;
        m().awayGoals = ev.away;
        return m().events.back();
    }

    Event& add(Kind k, Side side, std::string text, std::string detail = {}, bool correction = false) {
        return add(ms_, k, side, std::move(text), std::move(detail), reading_, correction);
    }

    void names() {
        for (const SideKeys& s : kSides)
            if (changed(s.name) && !get(st_, s.name).empty())
                add(Kind::Name, s.side, std::string("Nombre del equipo ") + s.word, get(st_, s.name));
        syncNames();
    }

    void series() {
        if (action_ != "Form1.tramos.Click") return;
        add(ms_, Kind::Series, Side::None, "Serie elegida",
            get(st_, "Form1.tramos.text") + ", reloj en " + clockOf(st_), reading_);
    }

    void clockCorrections() {
        if (!changed("Form1.a.text") && !changed("Form1.b.text")) return;
        const std::string from = was("Form1.a.text") + ":" + was("Form1.b.text"), to = clockOf(st_);
        // Setting the time before the period's clock first runs is no correction.
        const bool ran = !phaseStartClock_.empty();
        if (action_ == "Form1.Command1.Click" || action_ == "Form1.Command2.Click" ||
            action_ == "Form1.Command3.Click" || action_ == "Form1.Command4.Click")
            add(ms_, Kind::ClockSet, Side::None, ran ? "Reloj corregido" : "Reloj ajustado", from + " → " + to, to,
                ran);
        else if (action_ == "Form1.Image2.Click")
            add(ms_, Kind::ClockZero, Side::None, "Reloj a cero", "estaba en " + from, to, true);
    }

    void goals(const SideKeys& s) {
        if (!changed(s.score)) return;
        const int d = num(st_, s.score) - numWas(s.score);
        for (int i = 0; i < d; ++i) add(Kind::Goal, s.side, "Gol");
        for (int i = 0; i > d; --i) add(Kind::GoalOff, s.side, "Gol anulado", "", true);
    }

    void fouls(const SideKeys& s) {
        const int idx = s.side == Side::Local ? 0 : 1;
        const bool freeHit = changed(s.freeHits) && num(st_, s.freeHits) > numWas(s.freeHits);
        const int d = num(st_, s.fouls) - numWas(s.fouls);
        if (freeHit) {
            // The foul that reaches the limit puts the count back to 0.
            ++fouls_[idx];
            add(Kind::Foul, s.side, "Falta", "falta n.º " + std::to_string(fouls_[idx]));
            add(Kind::FreeHit, s.side, "Libre directo por faltas", "n.º " + std::to_string(num(st_, s.freeHits)));
        } else if (changed(s.fouls) && d > 0) {
            ++fouls_[idx];
            add(Kind::Foul, s.side, "Falta", "falta n.º " + std::to_string(fouls_[idx]));
        } else if (changed(s.fouls) && d < 0 && action_ == s.foulOff) {
            fouls_[idx] = std::max(0, fouls_[idx] - 1);
            add(Kind::FoulOff, s.side, "Falta anulada", "quedan " + get(st_, s.fouls) + " en la cuenta", true);
        }
    }

    // The suspension a card has just started, from the slot it filled.
    std::string suspensionOf(const SideKeys& s) const {
        for (int i = 0; i < 2; ++i)
            if (changed(s.slotVar[i]) && get(st_, s.slotVar[i]) == "activo")
                return "castigo de " + std::to_string(num(st_, s.slotClock[i][0])) + " min, jugador " +
                       std::to_string(i + 1);
        return "sin castigo";
    }

    void cards(const SideKeys& s) {
        struct {
            const char* key;
            Kind kind;
            const char* text;
        } const kinds[2] = {{s.blue, Kind::BlueCard, "Tarjeta azul"}, {s.red, Kind::RedCard, "Tarjeta roja"}};
        for (const auto& k : kinds) {
            if (!changed(k.key)) continue;
            const int d = num(st_, k.key) - numWas(k.key);
            if (d > 0) add(k.kind, s.side, k.text, suspensionOf(s));
            if (d < 0) add(Kind::CardOff, s.side, std::string(k.text) + " anulada", "", true);
        }
    }

    void suspensions(const SideKeys& s, bool tick) {
        int cleared = 0;
        for (int i = 0; i < 2; ++i) {
            if (!changed(s.slotVar[i]) || was(s.slotVar[i]) != "activo" || get(st_, s.slotVar[i]) == "activo") continue;
            const std::string player = "jugador " + std::to_string(i + 1);
            const std::string left = was(s.slotClock[i][0]) + ":" + was(s.slotClock[i][1]);
            const std::string now = get(st_, s.slotClock[i][0]) + ":" + get(st_, s.slotClock[i][1]);
            if (tick && now == "00:00")
                add(Kind::SuspensionOver, s.side, "Fin de castigo", player + ", cumplido");
            else if (tick)
                add(Kind::SuspensionOver, s.side, "Fin de castigo", player + ", termina con el partido");
            else if (action_ == "Form1.Image2.Click")
                ++cleared;
            else
                add(Kind::SuspensionEndedEarly, s.side, "Fin de castigo anticipado", player + ", quedaban " + left);
        }
        if (cleared > 0)
            add(Kind::SuspensionsCleared, s.side, "Castigos borrados",
                std::to_string(cleared) + (cleared == 1 ? " jugador" : " jugadores"), true);
    }

    int timeOutsTaken(const SideKeys& s) const { return num(st_, s.timeOuts) - numWas(s.timeOuts); }

    void timeOuts(const SideKeys& s) {
        if (!changed(s.timeOuts)) return;
        const int d = timeOutsTaken(s);
        if (d > 0) add(Kind::TimeOut, s.side, "Tiempo muerto", "n.º " + get(st_, s.timeOuts));
        // The period's end puts the counts back to 0: that is no story.
        if (d < 0 && action_ == s.giveBack)
            add(Kind::TimeOutGivenBack, s.side, "Tiempo muerto restituido", "quedan " + get(st_, s.timeOuts), true);
    }

    void timeOutRequested(const SideKeys& s) {
        if (changed("var.minutopedido") && get(st_, "var.minutopedido") == s.word)
            add(Kind::TimeOutRequested, s.side, "Tiempo muerto solicitado", "se concede al detener el reloj");
    }

    void timeOutRequestDropped(const SideKeys& s, bool tick) {
        const std::string is = get(st_, "var.minutopedido");
        if (!changed("var.minutopedido") || was("var.minutopedido") != s.word ||
            (changed(s.timeOuts) && timeOutsTaken(s) > 0))
            return;
        const char* why = action_ == s.cancel               ? "cancelada por el operador"
                          : tick                            ? "al terminar el periodo"
                          : action_ == "Form1.Image2.Click" ? "al poner el reloj a cero"
                          : is.empty()                      ? "tomó el minuto el otro equipo"
                                                            : "la reemplaza la del otro equipo";
        add(Kind::TimeOutRequestCancelled, s.side, "Solicitud de tiempo muerto anulada", why, action_ == s.cancel);
    }

    void shots() {
        if (action_.rfind("penales.", 0) != 0) return;
        if (action_ == "penales.resetpenal.Click") {
            add(Kind::ShotsCleared, Side::None, "Penales restablecidos", "nueva serie de lanzamientos");
            return;
        }
        for (const ShotMark& sm : kShotMarks) {
            if (!changed(sm.key)) continue;
            const std::string c = get(st_, sm.key), prev = was(sm.key);
            const std::string detail = "lanzamiento " + std::to_string(sm.number) + ", penales " +
                                       get(st_, "var.golespenallocal") + " - " + get(st_, "var.golespenalvisita");
            if (c == "#00FF00")
                add(Kind::ShotGoal, sm.side, "Penal convertido", detail, prev == "#FF0000");
            else if (c == "#FF0000")
                add(Kind::ShotMiss, sm.side, "Penal errado", detail, prev == "#00FF00");
            else
                add(Kind::ShotBlank, sm.side, "Penal en blanco", detail, true);
            m().shootout = true;
            m().shootHome = num(st_, "var.golespenallocal");
            m().shootAway = num(st_, "var.golespenalvisita");
        }
    }

    void clockRunning(bool tick) {
        if (!changed("timer.Timer1")) return;
        const bool on = get(st_, "timer.Timer1") == "on";
        if (on) {
            if (phaseStartClock_.empty()) {
                phaseStartClock_ = reading_;
                Phase& p = phase();
                p.startClock = reading_;
                if (!p.isBreak) {
                    p.beginMs = ms_;
                    add(Kind::PhaseStart, Side::None, "Inicio del periodo", "reloj en " + reading_);
                    return;
                }
            }
            add(Kind::ClockStart, Side::None, "Reloj en marcha");
        } else if (!tick) {  // a tick stops the clock only at a period's end, told by the phases
            std::string why;
            if (action_ == "Form1.Image1.Click") why = "con la bocina";
            for (const SideKeys& s : kSides)
                if (changed(s.freeHits) && num(st_, s.freeHits) > numWas(s.freeHits)) why = "por el libre directo";
            add(Kind::ClockStop, Side::None, "Reloj detenido", why);
        }
    }

    void endPhase(bool manual) {
        Phase& p = phase();
        p.endMs = ms_;
        p.endClock = reading_;
        add(Kind::PhaseEnd, Side::None, p.isBreak ? "Fin del descanso" : "Fin del periodo",
            manual ? "periodo cambiado a mano" : "", manual);
    }

    void beginBreak(const std::string& name, bool manual) {
        startPhase(name, name, true, ms_);
        add(Kind::PhaseStart, Side::None, "Inicio del descanso", manual ? "periodo cambiado a mano" : "", manual);
    }

    void phases() {
        const bool ends = (changed("timer.Timer2") && get(st_, "timer.Timer2") == "on") ||
                          (changed("Form1.leyendapenal.visible") && get(st_, "Form1.leyendapenal.visible") == "yes");
        if (!changed("Form1.periodo.text") && !ends) return;
        const std::string is = get(st_, "Form1.periodo.text");
        const bool manual = action_ == "Form1.periodo.DblClick";
        const std::string series = get(st_, "Form1.tramos.text");
        if (ends) {
            endPhase(false);
            matchEnd();
            return;
        }
        if (is == "E") {
            endPhase(manual);
            if (series == "Descanso para alargue")
                beginBreak("Descanso para alargue", manual);
            else if (series == "Cambio de lado")
                beginBreak("Cambio de lado", manual);
            else
                beginBreak("Entretiempo", manual);
            return;
        }
        endPhase(manual);
        const std::string lastBreak = phase().name;
        if (is == "2")
            startPhase(lastBreak == "Cambio de lado" ? "Alargue 2" : "2",
                       lastBreak == "Cambio de lado" ? "Alargue 2" : "2.º tiempo", false, 0);
        else if (is == "1" && lastBreak == "Descanso para alargue")
            startPhase("Alargue 1", "Alargue 1", false, 0);
        else
            startPhase("1", "1.er tiempo", false, 0);
    }

    void matchEnd() {
        Match& x = m();
        const int h = num(st_, "Form1.gollocal.text"), a = num(st_, "Form1.golvisita.text");
        x.ended = true;
        std::string detail;
        if (h != a) {
            x.winner = get(st_, h > a ? "Form1.equipolocal.text" : "Form1.equipovisita.text");
            detail = "ganador " + x.winner;
        } else if (get(st_, "Form1.leyendapenal.visible") == "yes") {
            detail = "empate, se define por penales";
        } else {
            detail = "empate";
        }
        add(Kind::MatchEnd, Side::None, "Fin del partido",
            std::to_string(h) + " - " + std::to_string(a) + ", " + detail);
        syncNames();
        if (get(st_, "Form1.leyendapenal.visible") == "yes")
            startPhase("Penales", "Penales", false, ms_);
        else
            startPhase("Final", "Final", true, ms_);
    }

    State st_;
    std::unordered_map<std::string, std::string> before_;  // the keys the entry changed
    std::string action_, reading_, phaseStartClock_;
    std::string endHome_, endAway_;
    std::int64_t ms_ = 0;
    int fouls_[2] = {0, 0};
};

// Phases nobody played (the "Final" marker, a period never started) stay
// out of the tables.
void prune(Match& m) {
    std::vector<Phase> kept;
    for (const Phase& p : m.phases) {
        const bool hasEvents =
            std::any_of(m.events.begin(), m.events.end(), [&](const Event& e) { return e.phase == p.name; });
        if (p.name == "Final") continue;
        if (p.beginMs != 0 || hasEvents) kept.push_back(p);
    }
    m.phases = std::move(kept);
}

}  // namespace

std::vector<Match> readStory(const std::vector<record::Entry>& entries) {
    Reader r;
    for (const Entry& e : entries) r.read(e);
    r.finish();
    for (Match& m : r.matches) prune(m);
    return r.matches;
}

const Match* currentMatch(const std::vector<Match>& matches) {
    if (matches.empty()) return nullptr;
    auto played = [](const Match& m) {
        return std::any_of(m.events.begin(), m.events.end(), [](const Event& e) {
            return e.kind == Kind::PhaseStart || e.kind == Kind::Goal || e.kind == Kind::MatchEnd;
        });
    };
    if (!played(matches.back()) && matches.size() > 1) return &matches[matches.size() - 2];
    return &matches.back();
}

namespace {
std::string formatLocal(std::int64_t wallMs, const char* fmt) {
    std::time_t t = static_cast<std::time_t>(wallMs / 1000);
    std::tm tm{};
    localtime_r(&t, &tm);
    char buf[40];
    std::strftime(buf, sizeof buf, fmt, &tm);
    return buf;
}
}  // namespace

std::string localDateTime(std::int64_t wallMs) { return formatLocal(wallMs, "%Y-%m-%d %H:%M:%S"); }
std::string localTime(std::int64_t wallMs) { return formatLocal(wallMs, "%H:%M"); }

Counts countsOf(const Match& m, const std::string& phase, Side side) {
    Counts c;
    for (const Event& e : m.events) {
        if (e.side != side || (!phase.empty() && e.phase != phase)) continue;
        switch (e.kind) {
            case Kind::Goal: ++c.goals; break;
            case Kind::GoalOff: --c.goals; break;
            case Kind::Foul: ++c.fouls; break;
            case Kind::FoulOff: --c.fouls; break;
            case Kind::FreeHit: ++c.freeHits; break;
            case Kind::BlueCard: ++c.blue; break;
            case Kind::RedCard: ++c.red; break;
            case Kind::TimeOut: ++c.timeOuts; break;
            case Kind::TimeOutGivenBack: --c.timeOuts; break;
            default: break;
        }
    }
    // Card corrections name the colour in their text.
    for (const Event& e : m.events)
        if (e.kind == Kind::CardOff && e.side == side && (phase.empty() || e.phase == phase))
            (e.text.find("azul") != std::string::npos ? c.blue : c.red)--;
    return c;
}

std::string defaultFileName(const Match& m) {
    std::string name = (m.firstMs ? formatLocal(m.firstMs, "%Y-%m-%d") + " " : std::string()) + m.home + " - " + m.away;
    std::string out;
    for (char ch : name) {
        const unsigned char u = static_cast<unsigned char>(ch);
        if (u < 0x20 || std::string("/\\:*?\"<>|").find(ch) != std::string::npos)
            out += '_';
        else
            out += ch;
    }
    // No leading dot (a hidden file) and no trailing blank or dot (refused on some systems).
    while (!out.empty() && (out.back() == ' ' || out.back() == '.')) out.pop_back();
    while (!out.empty() && (out.front() == '.' || out.front() == ' ')) out.erase(out.begin());
    return out.empty() ? "partido" : out;
}

std::string resultLine(const Match& m) {
    std::string s = m.home + " " + std::to_string(m.homeGoals) + " - " + std::to_string(m.awayGoals) + " " + m.away;
    if (m.shootout) s += " (penales " + std::to_string(m.shootHome) + " - " + std::to_string(m.shootAway) + ")";
    return s;
}

}  // namespace tabrino::report
