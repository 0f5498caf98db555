#include "app/text.h"

#include <locale.h>
#include <wctype.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace tabrino {

namespace {
// Length of the leading number (after blanks), 0 when there is none.
std::size_t numberPrefix(const std::string& t, std::size_t& start) {
    std::size_t i = 0;
    while (i < t.size() && (t[i] == ' ' || t[i] == '\t')) ++i;
    start = i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    bool digits = false, point = false;
    while (i < t.size()) {
        char c = t[i];
        if (c >= '0' && c <= '9') {
            digits = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
        ++i;
    }
    return digits ? i - start : 0;
}
}  // namespace

double numericValue(const std::string& text) {
    std::size_t start = 0;
    std::size_t n = numberPrefix(text, start);
    if (n == 0) return 0;
    double v = std::strtod(text.substr(start, n).c_str(), nullptr);
    return std::isfinite(v) ? v : 0;
}

bool readsAsNumber(const std::string& text) {
    std::size_t start = 0;
    return numberPrefix(text, start) > 0;
}

std::string numberText(double value) {
    if (value == 0) return "0";  // also -0
    char buf[64];
    if (value == std::floor(value) && std::fabs(value) < 1e15) {
        std::snprintf(buf, sizeof buf, "%lld", static_cast<long long>(value));
    } else {
        std::snprintf(buf, sizeof buf, "%.15g", value);
    }
    return buf;
}

std::string twoDigits(const std::string& text) { return text.size() == 1 ? "0" + text : text; }

std::string twoDigits(double value) { return twoDigits(numberText(value)); }

Rgb colorFromValueText(const std::string& text) {
    long v = 0;
    if (text.size() > 2 && text[0] == '&' && (text[1] == 'H' || text[1] == 'h')) {
        v = std::strtol(text.c_str() + 2, nullptr, 16);
    } else {
        v = static_cast<long>(numericValue(text));
    }
    if (v < 0) v = 0;
    unsigned long u = static_cast<unsigned long>(v);
    Rgb r = u & 0xFF, g = (u >> 8) & 0xFF, b = (u >> 16) & 0xFF;
    return (r << 16) | (g << 8) | b;
}

long colorValue(Rgb rgb) {
    long r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
    return r | (g << 8) | (b << 16);
}

namespace {

// The C library's case table for the whole of Unicode, independent of the
// locale the program runs in.
locale_t unicodeCase() {
    static const locale_t loc = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(0));
    return loc;
}

// One code point from UTF-8 at text[i], advancing i; -1 for a byte that
// starts no valid sequence (it is then copied as it is).
long decodeAt(const std::string& text, std::size_t& i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char c = byte(i);
    int extra = c < 0x80 ? 0 : (c & 0xE0) == 0xC0 ? 1 : (c & 0xF0) == 0xE0 ? 2 : (c & 0xF8) == 0xF0 ? 3 : -1;
    if (extra < 0 || i + extra >= text.size()) {
        ++i;
        return -1;
    }
    long cp = extra == 0 ? c : c & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) {
            ++i;
            return -1;
        }
        cp = (cp << 6) | (byte(i + k) & 0x3F);
    }
    i += extra + 1;
    return cp;
}

void encode(std::string& out, long cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

}  // namespace

std::string upperCase(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    const locale_t loc = unicodeCase();
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t start = i;
        const long cp = decodeAt(text, i);
        if (cp < 0) {
            out += text[start];
        } else if (cp < 0x80) {
            out += static_cast<char>(cp >= 'a' && cp <= 'z' ? cp - 'a' + 'A' : cp);
        } else if (loc) {
            encode(out, static_cast<long>(towupper_l(static_cast<wint_t>(cp), loc)));
        } else {
            // Without the table: the Latin-1 lower case letters at least.
            encode(out, cp >= 0xE0 && cp <= 0xFE && cp != 0xF7 ? cp - 0x20 : cp);
        }
    }
    return out;
}

}  // namespace tabrino
