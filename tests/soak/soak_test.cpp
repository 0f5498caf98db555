// A bounded, seeded soak run; a failure prints the seed and the action.
#include <gtest/gtest.h>

#include "soak.h"

TEST(Soak, RandomOperatorSessionsKeepTheMatchSound) {
    for (std::uint64_t seed : {1u, 2u, 3u, 4u, 5u, 6u, 7u, 8u}) {
        tabrino::soak::Result r = tabrino::soak::run(seed, 2500);
        ASSERT_TRUE(r.ok) << r.failure;
    }
}
