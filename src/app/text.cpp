#include "app/text.h"

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

std::string upperCase(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (c >= 'a' && c <= 'z') {
            out += static_cast<char>(c - 'a' + 'A');
        } else if (c == 0xC3 && i + 1 < text.size()) {
            // Latin-1 supplement lower case letters: U+00E0..U+00FE except U+00F7.
            unsigned char d = static_cast<unsigned char>(text[i + 1]);
            if (d >= 0xA0 && d <= 0xBE && d != 0xB7) d = static_cast<unsigned char>(d - 0x20);
            out += static_cast<char>(c);
            out += static_cast<char>(d);
            ++i;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

}  // namespace tabrino
