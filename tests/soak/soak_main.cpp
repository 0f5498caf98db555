// tabrino-soak [ACTIONS] [SEED]: a long random run; prints the figures and
// what the actions reached of each window.
#include <chrono>
#include <cstdlib>
#include <iostream>

#include "app/program.h"
#include "soak.h"

int main(int argc, char** argv) {
    std::uint64_t actions = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 1000000;
    std::uint64_t seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 20261210;
    auto t0 = std::chrono::steady_clock::now();
    std::uint64_t done = 0, matches = 0, failures = 0;
    tabrino::soak::Coverage reached;
    // Chunks with their own seeds, so a failure is reproducible on its own.
    for (std::uint64_t chunk = 0; done < actions; ++chunk) {
        std::uint64_t n = std::min<std::uint64_t>(100000, actions - done);
        tabrino::soak::Result r = tabrino::soak::run(seed + chunk, n);
        done += r.actions;
        matches += r.matches;
        reached.merge(r.coverage);
        if (!r.ok) {
            ++failures;
            std::cout << "FAIL " << r.failure << "  (rerun: tabrino-soak " << n << " " << seed + chunk << ")\n";
            done += n - r.actions;
        }
    }
    double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    for (const std::string& w : tabrino::Program::windowNames()) {
        auto it = reached.elements.find(w);
        if (it == reached.elements.end())
            std::cout << "  " << w << ": never shown\n";
        else
            std::cout << "  " << w << ": " << it->second.size() << " of " << reached.sizes[w] << " elements acted on\n";
    }
    std::cout << "  keys:";
    for (const std::string& k : reached.keys) std::cout << " [" << k << "]";
    std::cout << "\n"
              << done << " actions, " << matches << " programs started, " << failures << " failures, " << s << " s\n";
    return failures ? 1 : 0;
}
