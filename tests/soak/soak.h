#pragma once
// Random operator sessions against the program core: every element of every
// shown window, the access keys, the answers and the clock, with the match's
// invariants checked after every action.
#include <cstdint>
#include <map>
#include <set>
#include <string>

namespace tabrino::soak {

// What the actions reached: by window, the elements acted on, and the
// number of elements the window has.
struct Coverage {
    std::map<std::string, std::set<std::string>> elements;
    std::map<std::string, std::size_t> sizes;
    std::set<std::string> keys;  // access keys pressed ("Alt+X")
    void merge(const Coverage& o);
};

struct Result {
    bool ok = true;
    std::uint64_t actions = 0;
    std::uint64_t matches = 0;
    std::string failure;  // what broke, with the seed and the action number
    Coverage coverage;
};

// Runs `actions` random actions from `seed`, starting a new program whenever
// one ends (exit picture) or after `actionsPerMatch` actions.
Result run(std::uint64_t seed, std::uint64_t actions, std::uint64_t actionsPerMatch = 4000);

}  // namespace tabrino::soak
