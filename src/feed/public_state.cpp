#include "feed/public_state.h"

#include <array>
#include <cstdio>

#include "shootout/shots.h"

namespace tabrino {

namespace {

const std::array<const char*, 4> kWatched = {"Form1", "minuto", "penales", "finpartido"};

std::string hex(Rgb c) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%06X", static_cast<unsigned>(c & 0xFFFFFF));
    return buf;
}

// Appends "name":value pairs separated by commas.
class Obj {
public:
    explicit Obj(std::string& out) : out_(out) { out_ += '{'; }
    ~Obj() { out_ += '}'; }
    Obj(const Obj&) = delete;
    Obj& operator=(const Obj&) = delete;
    std::string& key(const char* k) {
        if (!first_) out_ += ',';
        first_ = false;
        out_ += '"';
        out_ += k;
        out_ += "\":";
        return out_;
    }
    void str(const char* k, const std::string& v) { key(k) += jsonString(v); }
    void boolean(const char* k, bool v) { key(k) += v ? "true" : "false"; }
    void color(const char* k, Rgb c) { key(k) += '"' + hex(c) + '"'; }
    void number(const char* k, std::uint64_t v) { key(k) += std::to_string(v); }

private:
    std::string& out_;
    bool first_ = true;
};

// A suspension slot as the public sees it: its picture decides whether the
// clock shows at all, as on the mirror.
void slot(std::string& out, Window& f, const char* picture, const char* mm, const char* ss) {
    Obj o(out);
    o.boolean("activo", f[picture].visible());
    o.str("minutos", f[mm].text());
    o.str("segundos", f[ss].text());
    o.color("color", f[mm].color());
}

void team(std::string& out, Window& f, bool local) {
    const std::string side = local ? "local" : "visita";
    Obj o(out);
    o.str("nombre", f["equipo" + side].text());
    o.str("goles", f["gol" + side].text());
    o.str("faltas", f["falta" + side].text());
    o.color("colorfaltas", f["falta" + side].color());
    // The free-hit count is public exactly while its title is shown.
    o.boolean("libre_visible", f[local ? "Label2" : "Label5"].visible());
    o.str("libre", f["libre" + side].text());
    o.str("tiempos", f["tiempo" + side].text());
    o.color("colortiempos", f["tiempo" + side].color());
    Element& blue = f["numazules" + side];
    Element& red = f["numrojas" + side];
    o.boolean("azules_visible", blue.visible());
    o.str("azules", blue.text());
    o.boolean("rojas_visible", red.visible());
    o.str("rojas", red.text());
    std::string& s = o.key("castigos");
    s += '[';
    if (local) {
        slot(s, f, "amonlocal", "c", "d");
        s += ',';
        slot(s, f, "amonlocal2", "c2", "d2");
    } else {
        slot(s, f, "amonvisita", "e", "f");
        s += ',';
        slot(s, f, "amonvisita2", "e2", "f2");
    }
    s += ']';
}

void timeout(std::string& out, Window& w) {
    Obj o(out);
    o.str("titulo", w["Label3(2)"].text());
    o.str("equipo", w["nomminuto"].text());
    o.str("minutos", w["min"].text());
    o.str("segundos", w["seg"].text());
    o.color("color", w["min"].color());
    o.str("local", w["minlocal"].text());
    o.str("goleslocal", w["golminlocal"].text());
    o.str("visita", w["minvisita"].text());
    o.str("golesvisita", w["golminvisita"].text());
    o.str("reloj", w["loqueva"].text());
}

const char* markState(Rgb c) {
    if (c == colors::green) return "gol";
    if (c == colors::red) return "fallo";
    return "";
}

void shootout(std::string& out, Window& w) {
    Obj o(out);
    o.str("titulo", w["fin"].text());
    for (Side side : {Side::Local, Side::Visita}) {
        const bool local = side == Side::Local;
        std::string& s = o.key(local ? "local" : "visita");
        Obj t(s);
        t.str("nombre", w[teamSide(side).shootout.name].text());
        t.str("goles", w[teamSide(side).shootout.count].text());
        std::string& shots = t.key("tiros");
        shots += '[';
        bool first = true;
        for (const PenaltyShot& shot : kShots) {
            if (shot.side != side) continue;
            if (!first) shots += ',';
            first = false;
            shots += '"';
            shots += markState(w[shot.mark].color());
            shots += '"';
        }
        shots += ']';
    }
}

void matchEnd(std::string& out, Window& w) {
    Obj o(out);
    o.str("titulo", w["fin"].text());
    o.boolean("empate", w["empate"].visible());
    o.str("textoempate", w["empate"].text());
    o.boolean("hayganador", w["ganador1"].visible());
    o.str("textoganador", w["ganador1"].text());
    o.str("ganador", w["ganador2"].text());
}

// A window's part of the state, or null while the public does not see it.
void shownOrNull(std::string& out, Program& p, const char* name, void (*fill)(std::string&, Window&)) {
    Window* w = p.existing(name);
    if (w && w->shown())
        fill(out, *w);
    else
        out += "null";
}

}  // namespace

std::string jsonString(const std::string& s) {
    std::string out;
    out.reserve(s.size() + 2);
    out += '"';
    const auto* b = reinterpret_cast<const unsigned char*>(s.data());
    const std::size_t n = s.size();
    for (std::size_t i = 0; i < n;) {
        const unsigned char c = b[i];
        if (c < 0x80) {
            switch (c) {
                case '"': out += "\\\""; break;
                case '\\': out += "\\\\"; break;
                case '\n': out += "\\n"; break;
                case '\r': out += "\\r"; break;
                case '\t': out += "\\t"; break;
                case '<': out += "\\u003c"; break;
                case '>': out += "\\u003e"; break;
                case '&': out += "\\u0026"; break;
                default:
                    if (c < 0x20 || c == 0x7F) {
                        char buf[8];
                        std::snprintf(buf, sizeof buf, "\\u%04x", c);
                        out += buf;
                    } else {
                        out += static_cast<char>(c);
                    }
            }
            ++i;
            continue;
        }
        // A well-formed multi-byte sequence is copied; anything else is one U+FFFD.
        std::size_t len = c >= 0xF0 && c <= 0xF4 ? 4 : c >= 0xE0 ? 3 : c >= 0xC2 && c <= 0xDF ? 2 : 0;
        bool ok = len > 0 && i + len <= n;
        for (std::size_t k = 1; ok && k < len; ++k) ok = (b[i + k] & 0xC0) == 0x80;
        if (ok && len == 3) {
            const unsigned cp = ((c & 0x0F) << 12) | ((b[i + 1] & 0x3F) << 6) | (b[i + 2] & 0x3F);
            ok = cp >= 0x800 && (cp < 0xD800 || cp > 0xDFFF);
        }
        if (ok && len == 4) {
            const unsigned cp = ((c & 0x07) << 18) | ((b[i + 1] & 0x3F) << 12);
            ok = cp >= 0x10000 && cp <= 0x10FFFF;
        }
        if (ok) {
            out.append(s, i, len);
            i += len;
        } else {
            out += "\xEF\xBF\xBD";
            ++i;
        }
    }
    out += '"';
    return out;
}

PublicState::PublicState(Program& p) : p_(p) {
    p_.addListener(this);
    for (Window* w : p_.windows()) windowCreated(*w);
}

PublicState::~PublicState() {
    p_.removeListener(this);
    for (Window* w : p_.windows())
        if (watched(w->name())) w->removeListener(this);
}

bool PublicState::watched(const std::string& window) {
    for (const char* n : kWatched)
        if (window == n) return true;
    return false;
}

void PublicState::windowCreated(Window& w) {
    if (!watched(w.name())) return;
    w.addListener(this);
    markStale();
}

void PublicState::windowDestroyed(Window& w) {
    if (!watched(w.name())) return;
    w.removeListener(this);
    markStale();
}

void PublicState::elementChanged(Element&, Property) { markStale(); }
void PublicState::windowChanged(Window&) { markStale(); }

void PublicState::markStale() {
    if (stale_) return;
    stale_ = true;
    if (onStale_) onStale_();
}

std::string PublicState::json() {
    if (!stale_) return cache_;
    stale_ = false;
    ++version_;
    std::string out;
    out.reserve(2048);
    Window* f = p_.existing("Form1");
    {
        Obj o(out);
        o.number("version", version_);
        if (!f) {
            // Before the operator window exists there is nothing to show yet.
            o.boolean("listo", false);
        } else {
            Window& w = *f;
            o.boolean("listo", true);
            std::string& clock = o.key("reloj");
            {
                Obj c(clock);
                c.str("minutos", w["a"].text());
                c.str("segundos", w["b"].text());
                c.color("color", w["a"].color());
            }
            o.str("periodo", w["periodo"].text());
            o.color("colorperiodo", w["periodo"].color());
            team(o.key("local"), w, true);
            team(o.key("visita"), w, false);
            std::string& pos = o.key("posesion");
            {
                Obj c(pos);
                c.boolean("visible", w["posesion"].visible());
                c.str("segundos", w["posesion"].text());
                c.color("color", w["posesion"].color());
            }
            o.boolean("penales_disponibles", w["leyendapenal"].visible());
        }
        shownOrNull(o.key("minuto"), p_, "minuto", timeout);
        shownOrNull(o.key("penales"), p_, "penales", shootout);
        shownOrNull(o.key("final"), p_, "finpartido", matchEnd);
    }
    cache_ = std::move(out);
    return cache_;
}

}  // namespace tabrino
