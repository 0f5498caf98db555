// Goals (click on the score, "+" and "-") and team names (double-click).
#include "app/procedures.h"
#include "app/text.h"
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
    const TeamSide& home = homeSide();
    const TeamSide& away = awaySide();
    p.handle("Form1", "gollocal_Click", [&p, &home] { addGoal(p, home); });
    p.handle("Form1", "Command5_Click", [&p, &home] { addGoal(p, home); });
    p.handle("Form1", "Command6_Click", [&p, &home] { removeGoal(p, home); });
    p.handle("Form1", "equipolocal_DblClick", [&p, &home] { enterTeamName(p, home); });
    p.handle("Form1", "golvisita_Click", [&p, &away] { addGoal(p, away); });
    p.handle("Form1", "Command7_Click", [&p, &away] { addGoal(p, away); });
    p.handle("Form1", "Command8_Click", [&p, &away] { removeGoal(p, away); });
    p.handle("Form1", "equipovisita_DblClick", [&p, &away] { enterTeamName(p, away); });
}

}  // namespace tabrino
