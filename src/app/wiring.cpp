#include "app/procedures.h"
#include "report/icon.h"

namespace tabrino {

void wireAll(Program& p) {
    p.onWindow("Form1", WindowEvent::Load, [&p] { Form_Load(p); });
    p.onWindow("Form1", WindowEvent::Unload, [&p] { Form_Unload(p); });
    wireClock(p);
    wireEvents(p);
    wireDisplay(p);
    wireSettings(p);
    wireShootout(p);
    wireReportIcon(p);
}

}  // namespace tabrino
