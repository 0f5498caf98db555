#include "app/procedures.h"

namespace tabrino {

void wireAll(Program& p) {
    p.onWindow("Form1", WindowEvent::Load, [&p] { Form_Load(p); });
    p.onWindow("Form1", WindowEvent::Unload, [&p] { Form_Unload(p); });
    wireTick(p);
    wireClockControl(p);
    wireSeriesField(p);
    wireHorn(p);
    wireMatchReset(p);
    wireGoalsAndNames(p);
    wireFouls(p);
    wireCards(p);
    wireTimeouts(p);
    wirePossession(p);
    wireMirror(p);
    wireScaling(p);
    wireSettings(p);
    wireSettingsControls(p);
    wirePenales(p);
    wireFinPartido(p);
    wireAbout(p);
}

}  // namespace tabrino
