#pragma once
// The star field's own random numbers: one uniform generator, seeded once
// from the clock as the game starts. Nothing else in the game draws from it,
// so the field's draws come in exactly the order the field makes them.

#include <cstdint>
#include <random>

class StarRandom {
public:
    virtual ~StarRandom() = default;

    /// A uniform integer from 0 to n - 1; 0 when n is 0 (or less).
    virtual int Random(int n);

    /// Starts the sequence afresh from the clock, as the game's start-up does.
    void seedFromClock();
    /// Starts the sequence afresh from a fixed seed, for repeatable runs.
    void seed(std::uint64_t value) { m_engine.seed(value); }

private:
    std::mt19937_64 m_engine;
};
