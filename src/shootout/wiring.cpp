#include "app/procedures.h"
#include "shootout/wiring.h"

namespace tabrino {

void wireShootout(Program& p) {
    wirePenales(p);
    wireFinPartido(p);
}

}  // namespace tabrino
