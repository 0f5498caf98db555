#include "app/window_catalog.h"

namespace tabrino {

namespace {

struct CatalogEntry {
    const char* name;
    const WindowDesign& (*design)();
};

// Every window of the program, once.
constexpr CatalogEntry kCatalog[] = {
    {"Form1", form1Design},           {"clontabrino", clontabrinoDesign},
    {"minuto", minutoDesign},         {"clonminuto", clonminutoDesign},
    {"penales", penalesDesign},       {"clonpenales", clonpenalesDesign},
    {"finpartido", finpartidoDesign}, {"clonfinpartido", clonfinpartidoDesign},
    {"tenencia", tenenciaDesign},     {"configuracion", configuracionDesign},
};

}  // namespace

const WindowDesign* designFor(const std::string& w) {
    for (const CatalogEntry& e : kCatalog)
        if (w == e.name) return &e.design();
    return nullptr;
}

const std::vector<std::string>& catalogWindowNames() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> out;
        for (const CatalogEntry& e : kCatalog) out.emplace_back(e.name);
        return out;
    }();
    return names;
}

}  // namespace tabrino
