// 200,000 ticks of the core through varied inputs, material choices, direction changes, pauses
// and resets, with the invariants checked after every operation and tick, and memory compared
// after 20,000 and after 200,000 ticks: the core must not grow as a run goes on. The heap in use
// is compared in every build; the resident size only without AddressSanitizer, whose quarantine
// and shadow memory it would measure instead.

#include "fuzz/sim_operations.h"

#include "sim/scenarios.h"
#include "support/resident_memory.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <memory>
#include <random>
#include <unistd.h>

namespace {

constexpr long kWarmTicks = 20'000;
constexpr long kTotalTicks = 200'000;
constexpr long kAllowedGrowth = 1 << 20; // bytes

using support::HeapBytesInUse;
using support::ResidentBytes;

// The same operations the fuzz target decodes, drawn from a seeded generator; every other
// operation lets the timer tick, so the runs reach the cut and the feed end again and again.
std::array<uint8_t, 16> NextOperation(std::mt19937& random) {
    std::array<uint8_t, 16> bytes{};
    for (uint8_t& byte : bytes) {
        byte = static_cast<uint8_t>(random() >> 24);
    }
    const auto operation =
        static_cast<fuzz::Operation>(bytes[0] % static_cast<uint8_t>(fuzz::Operation::Count));
    // Pauses and resets seldom enough that most runs reach the cut and many the feed end.
    const bool interrupts =
        operation == fuzz::Operation::Pause || operation == fuzz::Operation::Reset;
    if (random() % 2 == 0 || (interrupts && random() % 8 != 0)) {
        bytes[0] = static_cast<uint8_t>(fuzz::Operation::Ticks);
    }
    return bytes;
}

TEST(LongRun, CoreMemoryStaysFlatOverTwoHundredThousandTicks) {
    auto s = std::make_unique<sim::SimState>(sim::StartupState());
    // The profile searches are compared less often than in the fuzz target: the plain search is
    // slow, and this test is about the long run.
    fuzz::SimDriver driver(*s, fuzz::DriverSettings{32, 97});
    std::mt19937 random(20'261'208);
    long operations = 0;
    long residentWarm = 0;
    long heapWarm = 0;
    long resets = 0;
    long operationsInTheCut = 0;
    while (driver.ticksRun() < kTotalTicks) {
        const std::array<uint8_t, 16> bytes = NextOperation(random);
        resets += bytes[0] % static_cast<uint8_t>(fuzz::Operation::Count) ==
                  static_cast<uint8_t>(fuzz::Operation::Reset);
        fuzz::ByteSource in(bytes.data(), bytes.size());
        const std::string broken = driver.Step(in);
        ASSERT_EQ(broken, "") << "operation " << operations;
        ++operations;
        operationsInTheCut += s->ActiveTeethCount > 0;
        if (residentWarm == 0 && driver.ticksRun() >= kWarmTicks) {
            residentWarm = ResidentBytes();
            heapWarm = HeapBytesInUse();
        }
    }
    const long residentEnd = ResidentBytes();
    const long heapEnd = HeapBytesInUse();
    std::printf("long run: %ld operations (%ld ending in the cut), %ld resets, %ld ticks; "
                "resident %.2f MB after %ld ticks, %.2f MB after %ld; heap in use %ld bytes, "
                "then %ld\n",
                operations, operationsInTheCut, resets, driver.ticksRun(), residentWarm / 1e6,
                kWarmTicks, residentEnd / 1e6, driver.ticksRun(), heapWarm, heapEnd);
    EXPECT_GT(resets, 50);
    EXPECT_GT(operationsInTheCut, operations / 4);
    // A block kept per tick, per reset or per operation would add megabytes over 180,000 ticks.
    EXPECT_LT(std::labs(heapEnd - heapWarm), kAllowedGrowth);
#ifndef GLODANJE_SANITIZED
    EXPECT_LT(std::labs(residentEnd - residentWarm), kAllowedGrowth);
#endif
}

} // namespace
