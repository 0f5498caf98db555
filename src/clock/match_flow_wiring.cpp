#include "clock/match_flow.h"
#include "clock/wiring.h"

namespace tabrino {

void wireMatchFlow(Program& p) {
    p.on("Form1", "tramos", Event::Click, [&p] { tramos_Click(p); });
    p.on("Form1", "tramos", Event::Change, [&p] { tramos_Change(p); });
    p.on("Form1", "periodo", Event::DblClick, [&p] { periodo_DblClick(p); });
    p.on("Form1", "Image1", Event::Click, [&p] { Image1_Click(p); });
    p.on("Form1", "Image3", Event::Click, [&p] { Image3_Click(p); });
    p.on("Form1", "apagar", Event::Click, [&p] { apagar_Click(p); });
}

}  // namespace tabrino
