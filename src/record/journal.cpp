#include "record/journal.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <iterator>

namespace tabrino::record {

namespace {

const char* const kHeader = "TABRINO-REGISTRO 1\n";
const char* const kMagic = "TABRINO-REGISTRO ";

std::uint32_t crc32(const char* data, std::size_t n) {
    static const auto table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t i = 0; i < 256; ++i) {
            std::uint32_t c = i;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    std::uint32_t c = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < n; ++i) c = table[(c ^ static_cast<unsigned char>(data[i])) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

void field(std::string& out, const std::string& s) {
    out += '\t';
    for (char ch : s) {
        switch (ch) {
            case '\\': out += "\\\\"; break;
            case '\t': out += "\\t"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            default: out += ch;
        }
    }
}

// Splits an entry's payload (after the checksum) into its fields.
bool fields(const std::string& line, std::size_t from, std::vector<std::string>& out) {
    std::string cur;
    for (std::size_t i = from; i < line.size(); ++i) {
        char ch = line[i];
        if (ch == '\t') {
            out.push_back(std::move(cur));
            cur.clear();
        } else if (ch == '\\') {
            if (++i == line.size()) return false;
            switch (line[i]) {
                case '\\': cur += '\\'; break;
                case 't': cur += '\t'; break;
                case 'n': cur += '\n'; break;
                case 'r': cur += '\r'; break;
                default: return false;
            }
        } else {
            cur += ch;
        }
    }
    out.push_back(std::move(cur));
    return true;
}

bool parseEntry(const std::string& line, Entry& e) {
    if (line.size() < 9 || line[8] != '\t') return false;
    std::uint32_t sum = 0;
    auto [p, ec] = std::from_chars(line.data(), line.data() + 8, sum, 16);
    if (ec != std::errc() || p != line.data() + 8) return false;
    if (crc32(line.data() + 9, line.size() - 9) != sum) return false;
    std::vector<std::string> f;
    if (!fields(line, 9, f) || f.size() < 5 || (f.size() - 5) % 3 != 0) return false;
    e.kind = f[0];
    auto [q, ec2] = std::from_chars(f[1].data(), f[1].data() + f[1].size(), e.wallMs);
    if (ec2 != std::errc() || q != f[1].data() + f[1].size()) return false;
    e.action = f[2];
    e.period = f[3];
    e.clock = f[4];
    for (std::size_t i = 5; i < f.size(); i += 3) e.changes.push_back({f[i], f[i + 1], f[i + 2]});
    return e.kind == "estado" || e.kind == "accion" || e.kind == "recuperado" || e.kind == "fin";
}

}  // namespace

std::string header() { return kHeader; }

std::string encode(const Entry& e) {
    std::string payload = e.kind;
    field(payload, std::to_string(e.wallMs));
    field(payload, e.action);
    field(payload, e.period);
    field(payload, e.clock);
    for (const Change& c : e.changes) {
        field(payload, c.key);
        field(payload, c.before);
        field(payload, c.after);
    }
    char sum[10];
    std::snprintf(sum, sizeof sum, "%08x", crc32(payload.data(), payload.size()));
    return std::string(sum) + '\t' + payload + '\n';
}

Journal read(const std::string& bytes) {
    Journal j;
    if (bytes.empty()) {
        j.fault = Fault::Empty;
        return j;
    }
    const std::string magic = kMagic;
    if (bytes.compare(0, magic.size(), magic) != 0) {
        j.fault = Fault::NotARecord;
        return j;
    }
    std::size_t eol = bytes.find('\n');
    if (eol == std::string::npos || bytes.compare(0, eol + 1, kHeader) != 0) {
        j.fault = Fault::OtherVersion;
        return j;
    }
    std::size_t pos = eol + 1;
    j.wholeBytes = pos;
    bool bad = false;
    while (pos < bytes.size()) {
        std::size_t end = bytes.find('\n', pos);
        if (end == std::string::npos) {
            // A last line without its line break was cut short.
            j.tornTail = true;
            break;
        }
        Entry e;
        if (!parseEntry(bytes.substr(pos, end - pos), e)) {
            if (bad) {
                j.fault = Fault::Damaged;
                return j;
            }
            bad = true;  // only tolerated as the very last line
        } else {
            if (bad) {
                j.fault = Fault::Damaged;
                return j;
            }
            j.entries.push_back(std::move(e));
            j.wholeBytes = end + 1;
        }
        pos = end + 1;
    }
    if (bad) j.tornTail = true;
    if (j.entries.empty() && j.tornTail) j.fault = Fault::Damaged;
    return j;
}

Journal readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return read(bytes);
}

State replay(const std::vector<Entry>& entries) {
    State s;
    for (const Entry& e : entries)
        for (const Change& c : e.changes) s[c.key] = c.after;
    return s;
}

std::string faultText(Fault f) {
    switch (f) {
        case Fault::None: return "";
        case Fault::Empty: return "está vacío";
        case Fault::NotARecord: return "no es un registro de partido";
        case Fault::OtherVersion: return "es de otra versión del programa";
        case Fault::Damaged: return "está dañado";
    }
    return "";
}

}  // namespace tabrino::record
