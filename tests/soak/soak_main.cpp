// tabrino-soak [ACTIONS] [SEED]: a long random run; prints the figures.
#include <chrono>
#include <cstdlib>
#include <iostream>

#include "soak.h"

int main(int argc, char** argv) {
    std::uint64_t actions = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 1000000;
    std::uint64_t seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 20261210;
    auto t0 = std::chrono::steady_clock::now();
    std::uint64_t done = 0, matches = 0, failures = 0;
    // Chunks with their own seeds, so a failure is reproducible on its own.
    for (std::uint64_t chunk = 0; done < actions; ++chunk) {
        std::uint64_t n = std::min<std::uint64_t>(100000, actions - done);
        tabrino::soak::Result r = tabrino::soak::run(seed + chunk, n);
        done += r.actions;
        matches += r.matches;
        if (!r.ok) {
            ++failures;
            std::cout << "FAIL " << r.failure << "\n";
            done += n - r.actions;
        }
    }
    double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    std::cout << done << " actions, " << matches << " programs started, " << failures << " failures, " << s
              << " s\n";
    return failures ? 1 : 0;
}
