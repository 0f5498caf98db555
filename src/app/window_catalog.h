#pragma once
// Where each window's design table lives.
#include <string>
#include <vector>

#include "form/design.h"

namespace tabrino {

const WindowDesign& form1Design();           // display/
const WindowDesign& clontabrinoDesign();     // display/
const WindowDesign& minutoDesign();          // events/
const WindowDesign& clonminutoDesign();      // events/
const WindowDesign& tenenciaDesign();        // events/
const WindowDesign& configuracionDesign();   // settings/
const WindowDesign& penalesDesign();         // shootout/
const WindowDesign& clonpenalesDesign();     // shootout/
const WindowDesign& finpartidoDesign();      // shootout/
const WindowDesign& clonfinpartidoDesign();  // shootout/

// nullptr for a name that is no window of the program.
const WindowDesign* designFor(const std::string& window);
// The names of every window, in the catalogue's order.
const std::vector<std::string>& catalogWindowNames();

}  // namespace tabrino
