#pragma once
// The match report: the record's journal read back as a story. Each entry's
// changes become the events an official would write down (a goal is the
// score's text going up, a suspension slot going back to "noactivo" on a
// tick is a suspension run out, ...). Nothing here is told by the match
// handlers: a match recovered after a crash keeps its whole story because
// its record does.
#include <cstdint>
#include <string>
#include <vector>

#include "record/journal.h"

namespace tabrino::report {

enum class Side { None, Local, Visita };

enum class Kind {
    Name,
    Series,
    ClockSet,
    ClockZero,
    ClockStart,
    ClockStop,
    PhaseStart,
    PhaseEnd,
    Goal,
    GoalOff,
    Foul,
    FoulOff,
    FreeHit,
    BlueCard,
    RedCard,
    CardOff,
    SuspensionOver,
    SuspensionEndedEarly,
    SuspensionsCleared,
    TimeOut,
    TimeOutRequested,
    TimeOutRequestCancelled,
    TimeOutGivenBack,
    Possession,
    Horn,
    ShotGoal,
    ShotMiss,
    ShotBlank,
    ShotsCleared,
    MatchEnd,
    MatchReset,
    Recovered,
    Closed,
};

struct Event {
    Kind kind{};
    std::int64_t wallMs = 0;
    std::string phase;  // the "periodo" column: "1", "2", "Entretiempo", "Alargue 1", ...
    std::string clock;  // the game clock's reading, "mm:ss"
    int minute = 0;     // minute of play in the period, 1-based; 0 outside play
    Side side = Side::None;
    std::string team;    // the side's name at that moment
    std::string text;    // "Gol", "Tarjeta azul", ...
    std::string detail;  // "falta n.º 10", "quedaban 01:12", ...
    bool correction = false;
    int home = 0, away = 0;  // the score after the event
};

// One period, break or shoot-out as it was played.
struct Phase {
    std::string name;   // as in Event::phase
    std::string title;  // "1.er tiempo", "Entretiempo", ...
    bool isBreak = false;
    std::int64_t beginMs = 0, endMs = 0;  // 0: not begun / not ended
    std::string startClock, endClock;     // readings at its first start and at its end
};

struct Match {
    std::vector<Event> events;
    std::vector<Phase> phases;  // in the order played
    std::string home = "L O C A L", away = "V I S I T A";
    int homeGoals = 0, awayGoals = 0;
    int shootHome = 0, shootAway = 0;
    bool shootout = false;  // a shoot-out was played
    bool ended = false;     // the match reached its end
    std::string winner;     // empty for a draw or a match not ended
    std::int64_t firstMs = 0;
};

// Every match of the journal, in order: a match reset closes one and
// starts the next.
std::vector<Match> readStory(const std::vector<record::Entry>& entries);

// The match a report is about: the last one, unless nothing was played in
// it yet (a reset right after the end) and an earlier one exists.
const Match* currentMatch(const std::vector<Match>& matches);

// "2024-03-09 18:00:05" in the machine's local time.
std::string localDateTime(std::int64_t wallMs);
// "18:00" in the machine's local time.
std::string localTime(std::int64_t wallMs);

// The counts of one phase and side, for the table by period.
struct Counts {
    int goals = 0, fouls = 0, freeHits = 0, blue = 0, red = 0, timeOuts = 0;
};
Counts countsOf(const Match& m, const std::string& phase, Side side);

// "2024-03-09 CLUB PATIN VOLTREGA - DEPORTIVO LICEO", safe as a file name
// on any common file system (no slash, colon, ...).
std::string defaultFileName(const Match& m);

// "CLUB PATIN VOLTREGA 3 - 2 DEPORTIVO LICEO", with the shoot-out when one was played.
std::string resultLine(const Match& m);

}  // namespace tabrino::report
