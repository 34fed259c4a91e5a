#pragma once
// The random source of generated sessions: splitmix64, so that a seed gives the same session with
// every compiler and standard library.

#include <cstdint>
#include <string>
#include <vector>

namespace platomer {

class SessionRandom {
public:
    explicit SessionRandom(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // A whole number from 0 to n - 1 (0 when n is 0).
    std::uint64_t below(std::uint64_t n) { return n == 0 ? 0 : next() % n; }
    int between(int low, int high) { return low + static_cast<int>(below(static_cast<std::uint64_t>(high - low) + 1)); }
    bool percent(int p) { return static_cast<int>(below(100)) < p; }

    template <class T>
    const T& pick(const std::vector<T>& from)
    {
        return from[below(from.size())];
    }

    // The index of one of the weights, each chosen in proportion to its weight.
    int weighted(const std::vector<int>& weights)
    {
        int total = 0;
        for (int w : weights)
            total += w;
        int r = static_cast<int>(below(static_cast<std::uint64_t>(total)));
        for (std::size_t i = 0; i < weights.size(); ++i) {
            if (r < weights[i]) return static_cast<int>(i);
            r -= weights[i];
        }
        return static_cast<int>(weights.size()) - 1;
    }

private:
    std::uint64_t state_;
};

}  // namespace platomer
