#pragma once
// The match record: one file, an append-only journal of entries, each on
// its own line and guarded by a checksum, so a run killed in the middle of
// a write leaves every earlier entry whole and at worst one torn last line.
//
//   TABRINO-REGISTRO 1                                  first line: format and version
//   <crc32, 8 hex> TAB <kind> TAB <wall ms> TAB <action> TAB <period> TAB <clock>
//                  { TAB <key> TAB <before> TAB <after> }          one line per entry
//
// The checksum covers the rest of the line. Fields escape "\\", TAB, CR and
// LF as \\ \t \r \n. Kinds:
//   estado      the whole state at the start of a run (before is empty)
//   accion      one operator action or timer tick that changed something,
//               named Window.Element.Event ("Form1.gollocal.Click") or
//               Timer.Timer ("Timer1.Timer"), with every key it changed
//   recuperado  a run that took the match back; an estado follows it
//   fin         the program was closed (no state changes)
// period and clock are Form1's "periodo" and "a:b" when the action began;
// wall ms is milliseconds since 1970, UTC.
// Keys: "var.NAME" (a program-wide variable, "var.tablaseries(N)"),
// "timer.Timer1" (on/off), "W.state" (absent/hidden/shown),
// "W.E.text" / ".color" (#RRGGBB) / ".visible" / ".enabled" / ".checked"
// (yes/no) / ".picture", and "partido" ("en curso" once the board holds a
// match, "libre" when fresh or cleared by the match reset).
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace tabrino::record {

struct Change {
    std::string key, before, after;
    bool operator==(const Change&) const = default;
};

struct Entry {
    std::string kind;  // estado, accion, recuperado, fin
    std::int64_t wallMs = 0;
    std::string action;
    std::string period, clock;
    std::vector<Change> changes;
    bool operator==(const Entry&) const = default;
};

using State = std::map<std::string, std::string>;

// The first line of every record.
std::string header();
// One entry as its line, ending in a line break.
std::string encode(const Entry& e);

enum class Fault { None, Empty, NotARecord, OtherVersion, Damaged };

struct Journal {
    Fault fault = Fault::None;
    std::vector<Entry> entries;
    // Bytes up to the end of the last whole entry (a torn last line, left
    // by a write cut short, is not counted and not read).
    std::size_t wholeBytes = 0;
    bool tornTail = false;
};

// Reads a record. A torn last line is dropped; a bad line followed by good
// ones means the file is damaged and nothing of it is trusted.
Journal read(const std::string& bytes);
// The record of a file, read with read(); a missing file is Empty.
Journal readFile(const std::string& path);

// The state at the end of the entries: each change sets its key.
State replay(const std::vector<Entry>& entries);

// The Spanish words for a fault, for the operator.
std::string faultText(Fault f);

}  // namespace tabrino::record
