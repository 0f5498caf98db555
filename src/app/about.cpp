#include "app/procedures.h"

namespace tabrino {

// The small label at the foot of the operator window opens the About window,
// where a volunteer reads which version runs on this machine. The window
// stands beside the match: nothing of the match changes or waits for it.
static void Label4_Click(Program& p) { p.svc.process.showAbout(); }

void wireAbout(Program& p) {
    p.handle("Form1", "Label4_Click", [&p] { Label4_Click(p); });
}

}  // namespace tabrino
