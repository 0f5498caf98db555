// Blue and red cards, the two suspension slots of each side and the card
// counters. The per-second countdown of the slots belongs to the tick.
#include <algorithm>

#include "app/procedures.h"
#include "app/text.h"
#include "events/team_side.h"

namespace tabrino {

namespace {

std::int16_t lowered(std::int16_t count) { return static_cast<std::int16_t>(std::max(0, count - 1)); }

void setCardIconsEnabled(Window& f, const TeamSide& side, bool enabled) {
    f[side.blueCard.icon].setEnabled(enabled);
    f[side.redCard.icon].setEnabled(enabled);
}

bool cardCanCount(Program& p, Window& f, const TeamSide& side) {
    return numericValue(f["a"].text()) + numericValue(f["b"].text()) > 0 && p.estadoinicio == flag::iniciado &&
           f["periodo"].text() != "E" && p.*side.suspended < 2;
}

void fillSlot(Program& p, Window& f, const SuspensionSlot& slot, const CardIcon& card) {
    p.*slot.state = flag::activo;
    f[slot.minutes].setText(card.minutes);
    f[slot.seconds].setText("00");
    setSlotShown(f, slot, true);
    Rgb colour = card.blue ? p.svc.process.highlightColor() : colors::red;
    for (const char* n : {slot.minutes, slot.seconds, slot.colon}) f[n].setColor(colour);
    p.*slot.clockFlag = flag::si;
}

void giveCard(Program& p, const TeamSide& side, const CardIcon& card) {
    Window& f = p.form1();
    if (cardCanCount(p, f, side)) {
        std::int16_t& suspended = p.*side.suspended;
        ++suspended;
        bool recorded = true;
        if (suspended == 2 && p.ask("Ya tiene un jugador de este equipo castigado,\ndesea agregar un segundo jugador?",
                                    "Confirmar!!!", Buttons::YesNo, Icon::None) != Answer::Yes) {
            --suspended;
            recorded = false;
        }
        if (recorded) {
            // The slot-1 picture tells whether slot 1 is taken.
            const SuspensionSlot& slot = f[side.slots[0].picture].visible() ? side.slots[1] : side.slots[0];
            fillSlot(p, f, slot, card);
        }
        Element& counter = f[card.counter];
        if (recorded) counter.setText(numberText(numericValue(counter.text()) + 1));
        counter.setVisible(true);
    }
    refrescaclon(p);
}

void freeSlotEarly(Program& p, const TeamSide& side, const SuspensionSlot& slot) {
    Window& f = p.form1();
    setSlotShown(f, slot, false);
    // Only a slot that held a suspension counts against the side.
    if (p.*slot.state == flag::activo) p.*side.suspended = lowered(p.*side.suspended);
    p.*slot.state = flag::noactivo;
    p.*slot.clockFlag = flag::no;
    if (!p.timer1.enabled()) setCardIconsEnabled(f, side, true);
    refrescaclon(p);
}

void lowerCardCounter(Program& p, const char* counterName) {
    Element& counter = p.form1()[counterName];
    double n = numericValue(counter.text());
    if (!counter.text().empty() && n > 0) {
        counter.setText(numberText(n < 1 ? 0 : n - 1));
        if (counter.text() == "0") {
            counter.setText("");
            counter.setVisible(false);
        }
    }
    refrescaclon(p);
}

}  // namespace

void escondecastigados(Program& p) {
    Window& f = p.form1();
    hideSuspensionSlots(f);
    for (const TeamSide* side : teamSides())
        for (const SuspensionSlot& slot : side->slots) (p.*slot.clockFlag).clear();
    p.cambioperiodo = false;
    for (const TeamSide* side : teamSides()) p.*side->suspended = 0;
    for (const TeamSide* side : teamSides())
        for (const SuspensionSlot& slot : side->slots) p.*slot.state = flag::noactivo;
}

void wireCards(Program& p) {
    const TeamSide& home = homeSide();
    const TeamSide& away = awaySide();
    auto card = [&p](const TeamSide& s, const CardIcon& c) { return [&p, &s, &c] { giveCard(p, s, c); }; };
    auto lower = [&p](const CardIcon& c) { return [&p, &c] { lowerCardCounter(p, c.counter); }; };
    auto free = [&p](const TeamSide& s, int n) { return [&p, &s, n] { freeSlotEarly(p, s, s.slots[n]); }; };
    p.handle("Form1", "Image5_Click", card(home, home.blueCard));
    p.handle("Form1", "Image6_Click", card(home, home.redCard));
    p.handle("Form1", "Image4_Click", card(away, away.blueCard));
    p.handle("Form1", "Image7_Click", card(away, away.redCard));
    p.handle("Form1", "numazuleslocal_DblClick", lower(home.blueCard));
    p.handle("Form1", "numrojaslocal_DblClick", lower(home.redCard));
    p.handle("Form1", "numazulesvisita_DblClick", lower(away.blueCard));
    p.handle("Form1", "numrojasvisita_DblClick", lower(away.redCard));
    p.handle("Form1", "amonlocal_DblClick", free(home, 0));
    p.handle("Form1", "amonlocal2_DblClick", free(home, 1));
    p.handle("Form1", "amonvisita_DblClick", free(away, 0));
    p.handle("Form1", "amonvisita2_DblClick", free(away, 1));
}

}  // namespace tabrino
