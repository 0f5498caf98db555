// The duration boxes: checked, then written back into the series table.
#include <cmath>

#include "app/text.h"
#include "settings/settings.h"

namespace tabrino {

namespace {

// Characters, not bytes: a typed "ñ" is one character.
std::size_t characters(const std::string& t) {
    std::size_t n = 0;
    for (unsigned char c : t)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

// A stored duration goes into the clock as it is, so it must be whole and
// not below zero: "-5" or ".5" would load a clock reading "-5" or "0.5".
bool wholeAndNotNegative(const std::string& t) {
    double v = numericValue(t);
    return v >= 0 && v == std::floor(v);
}

// The series boxes take only a number: "1a" is a typing slip to correct,
// not one minute. Blanks around it are allowed.
bool onlyANumber(const std::string& t) {
    std::size_t i = t.find_first_not_of(" \t");
    std::size_t end = t.find_last_not_of(" \t");
    if (i == std::string::npos) return false;
    if (t[i] == '+' || t[i] == '-') ++i;
    bool digits = false, point = false;
    for (; i <= end; ++i) {
        if (t[i] >= '0' && t[i] <= '9')
            digits = true;
        else if (t[i] == '.' && !point)
            point = true;
        else
            return false;
    }
    return digits;
}

}  // namespace

bool storeDurations(Program& p, Window& w) {
    const auto& fields = durationFields();
    // The ten series boxes must hold numbers; the others read as 0 if not.
    bool refused = false;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::string& t = w[fields[i].box].text();
        if ((i < 10 && !onlyANumber(t)) || !wholeAndNotNegative(t)) refused = true;
    }
    if (refused) {
        p.ask("Debe ingresar solo numeros, favor de correjir", "Error", Buttons::Ok, Icon::Error);
        return false;
    }
    // One at a time: a box that is too long stops the store there, keeping
    // what was stored before it.
    for (const DurationField& f : fields) {
        const std::string& t = w[f.box].text();
        if (characters(t) > 2) {
            p.ask(f.seconds ? "El valor debe corresponder a segundos" : "Tiene periodos superiores a 100 minutos)", "",
                  Buttons::Ok, Icon::None);
            return false;
        }
        p.tablaseries[static_cast<std::size_t>(f.entry)] = twoDigits(numericValue(t));
    }
    return true;
}

void Text15_LostFocus(Program& p, Window& w) {
    Element& t = w["Text15"];
    if (numericValue(t.text()) <= 30) return;
    p.ask("El numero no puede ser mayor a 30", "Error", Buttons::Ok, Icon::Error);
    p.setFocus(&t);
}

}  // namespace tabrino
