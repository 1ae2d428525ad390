#include "arithmetic/random_source.h"

#include <algorithm>

namespace vertola {

namespace {

std::uint64_t splitmix64(std::uint64_t& x) {
    std::uint64_t z = (x += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

std::uint64_t rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

}  // namespace

Xoshiro::Xoshiro(std::uint64_t seed) {
    std::uint64_t x = seed;
    for (auto& word : state_) word = splitmix64(x);
}

void Xoshiro::reseed(std::uint64_t seed) {
    // The old state goes into the new one, so equal clock readings do not replay a sequence.
    std::uint64_t x = seed ^ nextBits();
    for (auto& word : state_) word ^= splitmix64(x);
    if (state_ == std::array<std::uint64_t, 4>{}) state_[0] = 1;
}

std::uint64_t Xoshiro::nextBits() {
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

// The top 53 bits over 2^53: at most 1 - 2^-53, never 1.
double Xoshiro::next() { return static_cast<double>(nextBits() >> 11) * 0x1.0p-53; }

int drawBelow(RandomSource& random, int n) {
    const int value = static_cast<int>(random.next() * n);
    return std::clamp(value, 0, n - 1);
}

}  // namespace vertola
