// Blue and red cards, the two suspension slots of each side and the card
// counters. The per-second countdown of the slots belongs to the tick.
#include <algorithm>

#include "app/procedures.h"
#include "app/text.h"
#include "events/team_events.h"
#include "events/team_side.h"

namespace tabrino {

namespace {

std::int16_t lowered(std::int16_t count) { return static_cast<std::int16_t>(std::max(0, count - 1)); }

void setSlotShown(Window& f, const SuspensionSlot& slot, bool shown) {
    for (const char* n : {slot.picture, slot.minutes, slot.seconds, slot.colon}) f[n].setVisible(shown);
}

void setCardIconsEnabled(Window& f, const TeamSide& side, bool enabled) {
    f[side.blueCard.icon].setEnabled(enabled);
    f[side.redCard.icon].setEnabled(enabled);
}

bool cardCanCount(Program& p, Window& f, const TeamSide& side) {
    return numericValue(f["a"].text()) + numericValue(f["b"].text()) > 0 && p.estadoinicio == "iniciado" &&
           f["periodo"].text() != "E" && p.*side.suspended < 2;
}

void fillSlot(Program& p, Window& f, const SuspensionSlot& slot, const CardIcon& card) {
    p.*slot.state = "activo";
    f[slot.minutes].setText(card.minutes);
    f[slot.seconds].setText("00");
    setSlotShown(f, slot, true);
    Rgb colour = card.blue ? p.svc.process.highlightColor() : colors::red;
    for (const char* n : {slot.minutes, slot.seconds, slot.colon}) f[n].setColor(colour);
    p.*slot.clockFlag = "si";
}

void giveCard(Program& p, const TeamSide& side, const CardIcon& card) {
    Window& f = p.form1();
    if (cardCanCount(p, f, side)) {
        std::int16_t& suspended = p.*side.suspended;
        ++suspended;
        bool recorded = true;
        if (suspended == 2 &&
            p.ask("Ya tiene un jugador de este equipo castigado,\ndesea agregar un segundo jugador?", "Confirmar!!!",
                  Buttons::YesNo, Icon::None) != Answer::Yes) {
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
    if (p.*slot.state == "activo") p.*side.suspended = lowered(p.*side.suspended);
    p.*slot.state = "noactivo";
    p.*slot.clockFlag = "no";
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
    for (const TeamSide* side : teamSides())
        for (const SuspensionSlot& slot : side->slots) setSlotShown(f, slot, false);
    for (const TeamSide* side : teamSides())
        for (const SuspensionSlot& slot : side->slots) (p.*slot.clockFlag).clear();
    p.cambioperiodo = false;
    for (const TeamSide* side : teamSides()) p.*side->suspended = 0;
    for (const TeamSide* side : teamSides())
        for (const SuspensionSlot& slot : side->slots) p.*slot.state = "noactivo";
}

void wireCards(Program& p) {
    for (const TeamSide* side : teamSides()) {
        const TeamSide& s = *side;
        for (const CardIcon* card : {&s.blueCard, &s.redCard}) {
            p.on("Form1", card->icon, Event::Click, [&p, &s, card] { giveCard(p, s, *card); });
            p.on("Form1", card->counter, Event::DblClick, [&p, card] { lowerCardCounter(p, card->counter); });
        }
        for (const SuspensionSlot& slot : s.slots)
            p.on("Form1", slot.picture, Event::DblClick, [&p, &s, &slot] { freeSlotEarly(p, s, slot); });
    }
}

}  // namespace tabrino
