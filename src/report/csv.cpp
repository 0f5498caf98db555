#include "report/csv.h"

namespace tabrino::report {

namespace {

std::string quoted(const std::string& s) {
    if (s.find_first_of(",\"\r\n") == std::string::npos) return s;
    std::string out = "\"";
    for (char c : s) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

const char* sideWord(Side s) {
    switch (s) {
        case Side::Local: return "local";
        case Side::Visita: return "visita";
        case Side::None: break;
    }
    return "";
}

}  // namespace

std::string csvHeader() {
    return "fecha_hora,periodo,reloj,minuto,lado,equipo,evento,detalle,correccion,local,visita\n";
}

std::string toCsv(const Match& m) {
    std::string out = csvHeader();
    for (const Event& e : m.events) {
        const std::string fields[] = {localDateTime(e.wallMs),
                                      e.phase,
                                      e.clock,
                                      e.minute > 0 ? std::to_string(e.minute) : std::string(),
                                      sideWord(e.side),
                                      e.team,
                                      e.text,
                                      e.detail,
                                      e.correction ? "sí" : "",
                                      std::to_string(e.home),
                                      std::to_string(e.away)};
        bool first = true;
        for (const std::string& f : fields) {
            if (!first) out += ',';
            out += quoted(f);
            first = false;
        }
        out += '\n';
    }
    return out;
}

}  // namespace tabrino::report
