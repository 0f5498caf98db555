#include "app/variables.h"

#include <cstdlib>
#include <functional>
#include <unordered_map>
#include <utility>

#include "app/text.h"

namespace tabrino {

namespace {
using Reader = std::function<std::string(const Variables&)>;
using Writer = std::function<void(Variables&, const std::string&)>;

// How a variable reads as text and is set back from that text.
struct Access {
    Reader read;
    Writer write;
};

Access text(std::string Variables::*m) {
    return {[m](const Variables& v) { return v.*m; }, [m](Variables& v, const std::string& t) { v.*m = t; }};
}
Access number(std::int16_t Variables::*m) {
    return {
        [m](const Variables& v) { return numberText(v.*m); },
        [m](Variables& v, const std::string& t) { v.*m = static_cast<std::int16_t>(std::strtod(t.c_str(), nullptr)); }};
}
Access real(double Variables::*m) {
    return {[m](const Variables& v) { return numberText(v.*m); },
            [m](Variables& v, const std::string& t) { v.*m = std::strtod(t.c_str(), nullptr); }};
}
Access boolean(bool Variables::*m) {
    return {[m](const Variables& v) { return std::string(v.*m ? "true" : "false"); },
            [m](Variables& v, const std::string& t) { v.*m = t == "true"; }};
}

// Every variable but the series table, in declaration order: the one list of
// their names (a misspelt member does not compile).
const std::vector<std::pair<std::string, Access>>& readers() {
    static const std::vector<std::pair<std::string, Access>> t = {
        {"estadoinicio", text(&Variables::estadoinicio)},
        {"relojperiodo", text(&Variables::relojperiodo)},
        {"cambioperiodo", boolean(&Variables::cambioperiodo)},
        {"mitadjuego", text(&Variables::mitadjuego)},
        {"contadorfin", number(&Variables::contadorfin)},
        {"cambiolado", text(&Variables::cambiolado)},
        {"minutosinicio", text(&Variables::minutosinicio)},
        {"segundosinicio", text(&Variables::segundosinicio)},
        {"seriejugada", text(&Variables::seriejugada)},
        {"enultimos10", text(&Variables::enultimos10)},
        {"sonarbip", text(&Variables::sonarbip)},
        {"avisocinco", text(&Variables::avisocinco)},
        {"avisocero", text(&Variables::avisocero)},
        {"conalargue", text(&Variables::conalargue)},
        {"conpenales", text(&Variables::conpenales)},
        {"contadortimer2", number(&Variables::contadortimer2)},
        {"castigadoslocal", number(&Variables::castigadoslocal)},
        {"castigadosvisita", number(&Variables::castigadosvisita)},
        {"castigolocal1", text(&Variables::castigolocal1)},
        {"castigolocal2", text(&Variables::castigolocal2)},
        {"castigovisita1", text(&Variables::castigovisita1)},
        {"castigovisita2", text(&Variables::castigovisita2)},
        {"relojlocal1", text(&Variables::relojlocal1)},
        {"relojlocal2", text(&Variables::relojlocal2)},
        {"relojvisita1", text(&Variables::relojvisita1)},
        {"relojvisita2", text(&Variables::relojvisita2)},
        {"minutopedido", text(&Variables::minutopedido)},
        {"conposesion", text(&Variables::conposesion)},
        {"ceroavisado", text(&Variables::ceroavisado)},
        {"tenenciaauxiliar", text(&Variables::tenenciaauxiliar)},
        {"clonactivo", text(&Variables::clonactivo)},
        {"pantallaauxiliar", text(&Variables::pantallaauxiliar)},
        {"cantidadmonitores", number(&Variables::cantidadmonitores)},
        {"reintentosmonitor", number(&Variables::reintentosmonitor)},
        {"anchopantalla", number(&Variables::anchopantalla)},
        {"altopantalla", number(&Variables::altopantalla)},
        {"resolucion", text(&Variables::resolucion)},
        {"izquierdapantalla2", real(&Variables::izquierdapantalla2)},
        {"izquierdapantalla3", real(&Variables::izquierdapantalla3)},
        {"colorreloj", text(&Variables::colorreloj)},
        {"golespenallocal", number(&Variables::golespenallocal)},
        {"golespenalvisita", number(&Variables::golespenalvisita)},
    };
    return t;
}

const std::unordered_map<std::string, Access>& table() {
    static const std::unordered_map<std::string, Access> t(readers().begin(), readers().end());
    return t;
}
}  // namespace

const std::vector<std::string>& Variables::variableNames() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> n;
        for (const auto& r : readers()) n.push_back(r.first);
        return n;
    }();
    return names;
}

std::optional<std::string> Variables::variableText(const std::string& name) const {
    const std::string prefix = "tablaseries(";
    if (name.rfind(prefix, 0) == 0 && name.size() > prefix.size() + 1 && name.back() == ')') {
        std::string digits = name.substr(prefix.size(), name.size() - prefix.size() - 1);
        if (digits.empty() || digits.size() > 2 || digits.find_first_not_of("0123456789") != std::string::npos)
            return std::nullopt;
        int i = std::stoi(digits);
        if (i < 0 || i >= static_cast<int>(tablaseries.size())) return std::nullopt;
        return tablaseries[static_cast<std::size_t>(i)];
    }
    auto it = table().find(name);
    if (it == table().end()) return std::nullopt;
    return it->second.read(*this);
}

bool Variables::setVariableText(const std::string& name, const std::string& value) {
    auto it = table().find(name);
    if (it == table().end()) return false;
    it->second.write(*this, value);
    return true;
}

}  // namespace tabrino
