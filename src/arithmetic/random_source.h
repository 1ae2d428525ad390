#pragma once

#include <array>
#include <cstdint>

namespace vertola {

// Uniform values r with 0 <= r < 1, strictly below 1.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Mixes the seed into the current state, so that two re-seeds with the same time of day
    // still give different sequences.
    virtual void reseed(std::uint64_t seed) = 0;
    virtual double next() = 0;
};

// xoshiro256** with splitmix64 seeding.
class Xoshiro final : public RandomSource {
public:
    explicit Xoshiro(std::uint64_t seed = 0);
    void reseed(std::uint64_t seed) override;
    double next() override;
    std::uint64_t nextBits();

private:
    std::array<std::uint64_t, 4> state_{};
};

// The whole part of r x n: a whole number from 0 to n - 1.
int drawBelow(RandomSource& random, int n);

}  // namespace vertola
