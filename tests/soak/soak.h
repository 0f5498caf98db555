#pragma once
// Random operator sessions against the program core: every shown element,
// the key, the answers and the clock, with the match's invariants checked
// after every action.
#include <cstdint>
#include <string>

namespace tabrino::soak {

struct Result {
    bool ok = true;
    std::uint64_t actions = 0;
    std::uint64_t matches = 0;
    std::string failure;  // what broke, with the seed and the action number
};

// Runs `actions` random actions from `seed`, starting a new program whenever
// one ends (exit picture) or after `actionsPerMatch` actions.
Result run(std::uint64_t seed, std::uint64_t actions, std::uint64_t actionsPerMatch = 4000);

}  // namespace tabrino::soak
