#include "monkey/monkey.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace xj::test {
namespace {

constexpr unsigned long long kDefaultSeed = 20261208;
constexpr long kEvents = 100000;

unsigned long long seed() {
    const char* given = std::getenv("XJ_MONKEY_SEED");
    return given && *given ? std::strtoull(given, nullptr, 10) : kDefaultSeed;
}

// A long random session over the panel, the player window and the folder browser: nothing
// that must always hold breaks, whatever the user, the files and the engine do.
TEST(Monkey, HundredThousandRandomEventsKeepThePlayerSound) {
    const unsigned long long s = seed();
    Monkey monkey(s);
    const auto begun = std::chrono::steady_clock::now();
    const bool sound = monkey.run(kEvents);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - begun;
    std::printf("monkey seed %llu: %ld events, %.0f events/s\n", s, monkey.eventsRun(),
                monkey.eventsRun() / std::max(took.count(), 1e-9));
    std::printf("%s\n", monkey.summary().toLocal8Bit().constData());
    EXPECT_TRUE(sound) << "seed " << s;
}

} // namespace
} // namespace xj::test
