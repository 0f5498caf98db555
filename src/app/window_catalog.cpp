#include "app/window_catalog.h"

namespace tabrino {

const WindowDesign* designFor(const std::string& w) {
    if (w == "Form1") return &form1Design();
    if (w == "clontabrino") return &clontabrinoDesign();
    if (w == "minuto") return &minutoDesign();
    if (w == "clonminuto") return &clonminutoDesign();
    if (w == "tenencia") return &tenenciaDesign();
    if (w == "configuracion") return &configuracionDesign();
    if (w == "penales") return &penalesDesign();
    if (w == "clonpenales") return &clonpenalesDesign();
    if (w == "finpartido") return &finpartidoDesign();
    if (w == "clonfinpartido") return &clonfinpartidoDesign();
    return nullptr;
}

}  // namespace tabrino
