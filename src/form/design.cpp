#include "form/design.h"

#include <set>

namespace tabrino {

std::vector<std::string> designFaults(const WindowDesign& d) {
    std::vector<std::string> out;
    std::set<std::string> names;
    for (const ElementDesign& e : d.elements)
        if (!names.insert(e.name).second) out.push_back(d.name + " has two elements named " + e.name);
    auto known = [&](const std::string& n, const char* list) {
        if (!names.count(n)) out.push_back(d.name + " " + list + " names " + n + ", which it does not have");
    };
    for (const std::string& n : d.frontToBack) known(n, "stacking list");
    for (const std::string& n : d.controlsFrontToBack) known(n, "controls stacking list");
    for (const ElementDesign& e : d.elements)
        if (!e.container.empty()) known(e.container, ("container of " + e.name).c_str());
    return out;
}

}  // namespace tabrino
