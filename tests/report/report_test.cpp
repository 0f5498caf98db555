// The match report read back from the record of a scripted match: its CSV
// against the file kept beside this test, the same story after a crash and
// a recovery, and the rules that turn record entries into events.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "record/journal.h"
#include "report/csv.h"
#include "report/story.h"
#include "script/scenario.h"

namespace tabrino::report {
namespace {

namespace fs = std::filesystem;

// The compiler may name this file relative to the build folder, where the
// test program lies.
fs::path here() {
    const fs::path file = __FILE__;
    if (file.is_absolute()) return file.parent_path();
    return (fs::read_symlink("/proc/self/exe").parent_path() / file).lexically_normal().parent_path();
}
const fs::path kHere = here();
const fs::path kScenarios = kHere.parent_path() / "scenarios" / "report";

// Wall-clock times in the CSV are local: the expected file is in UTC.
struct Utc : ::testing::Environment {
    void SetUp() override {
        setenv("TZ", "UTC", 1);
        tzset();
    }
};
const auto* const kUtc = ::testing::AddGlobalTestEnvironment(new Utc);

std::string readText(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);) out.push_back(l);
    return out;
}

// Runs scenario lines on a fresh machine; returns every match of the record.
std::vector<Match> play(const std::vector<std::string>& script) {
    script::Scenario s;
    const script::Outcome o = s.run(script);
    EXPECT_TRUE(o.passed) << "line " << o.line << ": " << o.message;
    const record::Journal j = record::read(s.storage().bytes);
    EXPECT_EQ(j.fault, record::Fault::None);
    return readStory(j.entries);
}

std::string csvOf(const std::vector<std::string>& script) {
    const std::vector<Match> all = play(script);
    const Match* m = currentMatch(all);
    return m ? toCsv(*m) : std::string();
}

TEST(ScriptedMatch, CsvEqualsTheExpectedFile) {
    const std::string csv = csvOf(lines(readText(kScenarios / "match.scn")));
    const std::string expected = readText(kHere / "match.csv");
    // What was found, to compare with the expected file by eye.
    if (csv != expected) std::ofstream(testing::TempDir() + "match.csv", std::ios::binary) << csv;
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(csv, expected);
}

// The same match killed once in the break and once with the clock running,
// taken back each time: the story loses nothing; it only gains the marks of
// the recoveries and the clock started again after the one that stopped it.
TEST(ScriptedMatch, SameAfterCrashesAndRecoveries) {
    std::vector<std::string> script = lines(readText(kScenarios / "match.scn"));
    auto insertAfter = [&](const std::string& marker, int nth, std::vector<std::string> more) {
        int seen = 0;
        for (std::size_t i = 0; i < script.size(); ++i)
            if (script[i] == marker && ++seen == nth) {
                script.insert(script.begin() + static_cast<long>(i) + 1, more.begin(), more.end());
                return;
            }
        FAIL() << "no " << marker;
    };
    // In the half-time break, before the operator starts its clock.
    insertAfter("expect Form1.periodo.text E", 1, {"crash", "answer yes", "start"});
    // In the second period, the clock running: it comes back stopped.
    insertAfter("wait 200", 2, {"crash", "answer yes", "start", "click Form1.a"});

    const std::vector<std::string> got = lines(csvOf(script));
    std::vector<std::string> want = lines(readText(kHere / "match.csv"));
    ASSERT_GT(want.size(), 10u);

    std::vector<std::string> rest;
    int recoveries = 0, restarts = 0;
    for (const std::string& l : got) {
        if (l.find(",Partido recuperado,") != std::string::npos) {
            ++recoveries;
            continue;
        }
        // The click that runs the recovered clock again.
        if (recoveries == 2 && restarts == 0 && l.find(",Reloj en marcha,") != std::string::npos) {
            ++restarts;
            continue;
        }
        rest.push_back(l);
    }
    EXPECT_EQ(recoveries, 2);
    EXPECT_EQ(restarts, 1);
    EXPECT_EQ(rest, want);
}

// What a few operator moves become in the story: the event texts with the
// side and a "*" for a correction, clock moves and names left out.
std::string storyOf(const std::string& moves) {
    std::vector<std::string> script = {"start"};
    for (const std::string& l : lines(moves)) script.push_back(l);
    const std::vector<Match> all = play(script);
    std::string out;
    for (const Match& m : all)
        for (const Event& e : m.events) {
            if (e.kind == Kind::ClockStart || e.kind == Kind::ClockStop || e.kind == Kind::ClockSet ||
                e.kind == Kind::Series || e.kind == Kind::PhaseStart)
                continue;
            if (!out.empty()) out += " | ";
            out += e.text;
            if (e.side == Side::Local) out += " L";
            if (e.side == Side::Visita) out += " V";
            if (!e.detail.empty()) out += " (" + e.detail + ")";
            if (e.correction) out += " *";
        }
    return out;
}

TEST(Story, OperatorMovesBecomeEvents) {
    struct Case {
        const char* what;
        const char* moves;
        const char* story;
    } cases[] = {
        {"a goal taken back is a correction", "click Form1.gollocal\nclick Form1.Command6\nclick Form1.Command6",
         "Gol L | Gol anulado L *"},
        {"the tenth foul gives the free hit; a foul taken back",
         "pick Form1.tramos \"Sub 19\"\nrepeat 10 click Form1.faltalocal\nclick Form1.faltalocal\n"
         "dblclick Form1.titulofalta",
         "Falta L (falta n.º 1) | Falta L (falta n.º 2) | Falta L (falta n.º 3) | Falta L (falta n.º 4) | "
         "Falta L (falta n.º 5) | Falta L (falta n.º 6) | Falta L (falta n.º 7) | Falta L (falta n.º 8) | "
         "Falta L (falta n.º 9) | Falta L (falta n.º 10) | Libre directo por faltas L (n.º 1) | "
         "Falta L (falta n.º 11) | Falta anulada L (quedan 0 en la cuenta) *"},
        {"a card lowered by the operator; the second player refused",
         "pick Form1.tramos \"Sub 19\"\nclick Form1.a\nclick Form1.a\nclick Form1.Image4\nanswer no\n"
         "click Form1.Image7\ndblclick Form1.numazulesvisita",
         "Tarjeta azul V (castigo de 2 min, jugador 1) | Tarjeta azul anulada V *"},
        {"suspensions cleared with the clock reset",
         "pick Form1.tramos \"Sub 19\"\nclick Form1.a\nclick Form1.a\nclick Form1.Image6\nanswer yes\n"
         "click Form1.Image2",
         "Tarjeta roja L (castigo de 4 min, jugador 1) | Reloj a cero (estaba en 20:00) * | "
         "Castigos borrados L (1 jugador) *"},
        {"a request moves to the other side, is cancelled, a minute is given back",
         "pick Form1.tramos \"Sub 19\"\nclick Form1.a\ndblclick Form1.tiempolocal\ndblclick Form1.tiempovisita\n"
         "dblclick Form1.Image9\nclick Form1.a\ndblclick Form1.tiempolocal\nclick minuto.finmiuto\n"
         "dblclick Form1.Label3a",
         "Tiempo muerto solicitado L (se concede al detener el reloj) | "
         "Tiempo muerto solicitado V (se concede al detener el reloj) | "
         "Solicitud de tiempo muerto anulada L (la reemplaza la del otro equipo) | "
         "Solicitud de tiempo muerto anulada V (cancelada por el operador) * | Tiempo muerto L (n.º 1) | "
         "Tiempo muerto restituido L (quedan 0) *"},
        {"the horn stopping the clock; the period's end puts the time-outs back without a story",
         "click Form1.Command3\nclick Form1.Command3\nclick Form1.a\nclick Form1.Image1\n"
         "dblclick Form1.tiempolocal\nclick minuto.finmiuto\nclick Form1.a\nwait 2",
         "Bocina | Tiempo muerto L (n.º 1) | Fin del periodo"},
        {"a match reset closes the match; the next one starts afresh",
         "click Form1.golvisita\nclick Form1.Command3\nclick Form1.a\nwait 1\nanswer yes\nclick Form1.Image3\n"
         "click Form1.gollocal",
         "Gol V | Fin del periodo | Partido restablecido (el tablero vuelve a cero) * | Gol L"},
        {"the horn sounded with the clock stopped changes no field, and is told all the same",
         "click Form1.Image1\nclick Form1.gollocal\nclick Form1.Image1", "Bocina | Gol L | Bocina"},
        {"the possession count restarted", "pick Form1.tramos \"Sub 19\"\nclick Form1.a\nwait 5\nkey alt+x",
         "Posesión reiniciada (45 segundos)"},
    };
    for (const Case& c : cases) EXPECT_EQ(storyOf(c.moves), c.story) << c.what;
}

TEST(Story, MinuteCountsThePlayedTimeOfThePeriod) {
    // Mini Hockey: 12 minutes. A goal at 0:30 played is in minute 1, at
    // 1:00 still in minute 1, at 1:01 in minute 2; the period ends in minute 12.
    const std::vector<Match> all =
        play({"start", "pick Form1.tramos \"Mini Hockey\"", "click Form1.a", "wait 30", "click Form1.gollocal",
              "wait 30", "click Form1.gollocal", "wait 1", "click Form1.golvisita", "wait 659"});
    ASSERT_EQ(all.size(), 1u);
    std::vector<std::string> got;
    for (const Event& e : all[0].events)
        if (e.kind == Kind::Goal || e.kind == Kind::PhaseEnd)
            got.push_back(e.text + " " + e.clock + " " + std::to_string(e.minute) + " " + e.phase);
    EXPECT_EQ(got, (std::vector<std::string>{"Gol 11:30 1 1", "Gol 11:00 1 1", "Gol 10:59 2 1",
                                             "Fin del periodo 00:00 12 1"}));
}

TEST(Story, OvertimeAndShootOutPhases) {
    // Level after normal time with overtime and penalties on: each break
    // and both overtime periods are named; the shoot-out's shots follow the
    // end, a blank over a goal being a correction.
    const std::vector<Match> all = play({"start",
                                         "click Form1.config",
                                         "select configuracion.Option3",
                                         "click configuracion.Command1",
                                         "click Form1.gollocal",
                                         "click Form1.golvisita",
                                         "click Form1.Command3",
                                         "click Form1.a",
                                         "wait 1",
                                         "click Form1.a",
                                         "answer yes",
                                         "wait 300",
                                         "click Form1.a",
                                         "wait 1",
                                         "click Form1.a",
                                         "wait 180",
                                         "click Form1.a",
                                         "wait 300",
                                         "click Form1.a",
                                         "answer yes",
                                         "wait 120",
                                         "click Form1.a",
                                         "wait 300",
                                         "click Form1.leyendapenal",
                                         "click penales.Image3",
                                         "click penales.Image21",
                                         "click penales.Image23"});
    ASSERT_EQ(all.size(), 1u);
    const Match& m = all[0];
    std::vector<std::string> phases;
    for (const Phase& p : m.phases) phases.push_back(p.name + (p.isBreak ? " (descanso)" : ""));
    EXPECT_EQ(phases, (std::vector<std::string>{"1", "Entretiempo (descanso)", "2", "Descanso para alargue (descanso)",
                                                "Alargue 1", "Cambio de lado (descanso)", "Alargue 2", "Penales"}));
    std::vector<std::string> tail;
    for (const Event& e : m.events)
        if (e.kind == Kind::MatchEnd || e.phase == "Penales")
            tail.push_back(e.phase + ": " + e.text + " (" + e.detail + ")" + (e.correction ? " *" : ""));
    EXPECT_EQ(tail, (std::vector<std::string>{"Alargue 2: Fin del partido (1 - 1, empate, se define por penales)",
                                              "Penales: Penal convertido (lanzamiento 1, penales 1 - 0)",
                                              "Penales: Penal errado (lanzamiento 1, penales 1 - 0)",
                                              "Penales: Penal en blanco (lanzamiento 1, penales 0 - 0) *"}));
    EXPECT_TRUE(m.ended);
    EXPECT_TRUE(m.shootout);
    EXPECT_EQ(m.winner, "");
    EXPECT_EQ(resultLine(m), "L O C A L 1 - 1 V I S I T A (penales 0 - 0)");
}

TEST(Csv, QuotesWhatNeedsQuoting) {
    Match m;
    Event e;
    e.kind = Kind::Name;
    e.wallMs = 0;
    e.phase = "1";
    e.side = Side::Local;
    e.team = "PATIN, \"EL\" CLUB";
    e.text = "Nombre del equipo local";
    e.detail = "dos\nlíneas";
    m.events.push_back(e);
    EXPECT_EQ(lines(toCsv(m)).at(0),
              "fecha_hora,periodo,reloj,minuto,lado,equipo,evento,detalle,correccion,local,visita");
    EXPECT_EQ(
        toCsv(m).substr(csvHeader().size()),
        "1970-01-01 00:00:00,1,,,local,\"PATIN, \"\"EL\"\" CLUB\",Nombre del equipo local,\"dos\nlíneas\",,0,0\n");
}

TEST(FileName, DateAndBothNamesWithNothingAFileSystemRefuses) {
    struct Case {
        const char* home;
        const char* away;
        std::int64_t ms;
        const char* name;
    } cases[] = {
        {"CLUB PATIN VOLTREGA", "DEPORTIVO LICEO", 1710007200000, "2024-03-09 CLUB PATIN VOLTREGA - DEPORTIVO LICEO"},
        {"A/B: C", "D*E?\"F\"", 1710007200000, "2024-03-09 A_B_ C - D_E__F_"},
        {"..", "LICEO.", 0, "- LICEO"},
    };
    for (const Case& c : cases) {
        Match m;
        m.home = c.home;
        m.away = c.away;
        m.firstMs = c.ms;
        EXPECT_EQ(defaultFileName(m), c.name);
    }
}

}  // namespace
}  // namespace tabrino::report
