// Team fouls and the free hit by accumulated fouls: the first at the 10th
// foul, every later one at the 5th after the previous; the foul before each
// limit is shown in the warning colour.
#include "app/procedures.h"
#include "app/text.h"
#include "events/team_side.h"

namespace tabrino {

namespace {

struct FoulLimits {
    double warning;
    double freeHit;
};

FoulLimits limitsFor(double freeHitsSoFar) { return freeHitsSoFar == 0 ? FoulLimits{9, 10} : FoulLimits{4, 5}; }

void awardFreeHit(Program& p, Window& f, const TeamSide& side, bool first) {
    Element& freeHits = f[side.freeHits];
    if (first) f[side.freeHitTitle].setVisible(true);
    freeHits.setText(numberText(numericValue(freeHits.text()) + 1));
    if (first) freeHits.setVisible(true);
    // Straight to the timer: this is not an operator's start/stop.
    if (p.timer1.enabled()) p.timer1.setEnabled(false);
    p.play(Cue::Timbre);
    for (const char* n : {"a", "Label6", "b"}) f[n].setColor(colors::white);
    activafalta(p, true);
}

void addFoul(Program& p, const TeamSide& side) {
    Window& f = p.form1();
    if (numericValue(f["a"].text()) + numericValue(f["b"].text()) > 0) {
        Element& fouls = f[side.fouls];
        double n = numericValue(fouls.text()) + 1;
        double freeHitsSoFar = numericValue(f[side.freeHits].text());
        FoulLimits limits = limitsFor(freeHitsSoFar);
        if (n == limits.warning) fouls.setColor(colors::pink);
        if (n == limits.freeHit) {
            fouls.setColor(colors::cyan);
            n = 0;
            awardFreeHit(p, f, side, freeHitsSoFar == 0);
        }
        fouls.setText(numberText(n));
    }
    refrescaclon(p);
}

void takeFoulOff(Program& p, const TeamSide& side) {
    Element& fouls = p.form1()[side.fouls];
    double n = numericValue(fouls.text());
    if (n > 0) {
        fouls.setColor(colors::cyan);
        fouls.setText(numberText(n < 1 ? 0 : n - 1));
    }
    refrescaclon(p);
}

}  // namespace

void activafalta(Program& p, bool enabled) {
    Window& f = p.form1();
    for (const TeamSide* side : teamSides())
        for (const CardIcon* card : {&side->blueCard, &side->redCard}) f[card->icon].setEnabled(enabled);
}

void wireFouls(Program& p) {
    const TeamSide& home = homeSide();
    const TeamSide& away = awaySide();
    p.handle("Form1", "faltalocal_Click", [&p, &home] { addFoul(p, home); });
    p.handle("Form1", "titulofalta_DblClick", [&p, &home] { takeFoulOff(p, home); });
    p.handle("Form1", "faltavisita_Click", [&p, &away] { addFoul(p, away); });
    p.handle("Form1", "titulofalta2_DblClick", [&p, &away] { takeFoulOff(p, away); });
}

}  // namespace tabrino
