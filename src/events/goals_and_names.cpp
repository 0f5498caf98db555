// Goals (click on the score, "+" and "-") and team names (double-click).
#include "app/procedures.h"
#include "app/text.h"
#include "events/team_events.h"
#include "events/team_side.h"

namespace tabrino {

namespace {

void addGoal(Program& p, const TeamSide& side) {
    Element& score = p.form1()[side.score];
    score.setText(numberText(numericValue(score.text()) + 1));
    refrescaclon(p);
}

void removeGoal(Program& p, const TeamSide& side) {
    Element& score = p.form1()[side.score];
    double goals = numericValue(score.text());
    // Whatever the field holds, a score never goes below 0.
    score.setText(goals <= 1 ? "0" : numberText(goals - 1));
    refrescaclon(p);
}

void enterTeamName(Program& p, const TeamSide& side) {
    Element& name = p.form1()[side.name];
    // The box would block the operator while the match runs.
    if (!p.timer1.enabled()) {
        std::string reply = upperCase(p.inputBox(side.namePrompt, "Actualizar Dato"));
        if (!reply.empty()) name.setText(reply);
        name.setAlign(Align::Center);
    }
    refrescaclon(p);
}

}  // namespace

void wireGoalsAndNames(Program& p) {
    for (const TeamSide* side : teamSides()) {
        const TeamSide& s = *side;
        p.on("Form1", s.score, Event::Click, [&p, &s] { addGoal(p, s); });
        p.on("Form1", s.plusButton, Event::Click, [&p, &s] { addGoal(p, s); });
        p.on("Form1", s.minusButton, Event::Click, [&p, &s] { removeGoal(p, s); });
        p.on("Form1", s.name, Event::DblClick, [&p, &s] { enterTeamName(p, s); });
    }
}

}  // namespace tabrino
