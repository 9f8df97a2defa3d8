#pragma once
// A pseudo-random source that gives the same numbers on every compiler and
// standard library, so that a seed always remakes the same level set:
// xoshiro256** seeded through splitmix64, with its own unbiased bounded draw
// (std::uniform_int_distribution differs between standard libraries).

#include <array>
#include <cstdint>

class LevelRandom {
public:
    explicit LevelRandom(std::uint64_t seed)
    {
        for (std::uint64_t &word : state_) {
            seed += 0x9e3779b97f4a7c15ULL;
            std::uint64_t z = seed;
            z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
            z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
            word = z ^ (z >> 31);
        }
    }

    std::uint64_t next()
    {
        const std::uint64_t result = rotl(state_[1] * 5, 7) * 9;
        const std::uint64_t t = state_[1] << 17;
        state_[2] ^= state_[0];
        state_[3] ^= state_[1];
        state_[1] ^= state_[2];
        state_[0] ^= state_[3];
        state_[2] ^= t;
        state_[3] = rotl(state_[3], 45);
        return result;
    }

    /// A uniform integer 0..n - 1; n > 0.
    std::uint64_t below(std::uint64_t n)
    {
        // Draws under the threshold would make the low values likelier.
        const std::uint64_t threshold = (0 - n) % n;
        for (;;) {
            const std::uint64_t r = next();
            if (r >= threshold)
                return r % n;
        }
    }

private:
    static std::uint64_t rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

    std::array<std::uint64_t, 4> state_{};
};
