#include "app/procedures.h"

namespace tabrino {

void wireAll(Program& p) {
    p.onWindow("Form1", WindowEvent::Load, [&p] { Form_Load(p); });
    p.onWindow("Form1", WindowEvent::Unload, [&p] { Form_Unload(p); });
    wireClock(p);
    wireEvents(p);
    wireDisplay(p);
    wireSettings(p);
    wireShootout(p);
    // The small label at the foot of the operator window tells which
    // version runs on this machine.
    p.on("Form1", "Label4", Event::Click, [&p] { p.svc.process.showAbout(); });
}

}  // namespace tabrino
