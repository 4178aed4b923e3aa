#pragma once

#include <QtGlobal>

#include <cmath>
#include <cstdint>

namespace morvane::demo {

// A small deterministic generator (splitmix64), so the pictures come out the
// same on every machine and every rebuild; the standard distributions are
// not guaranteed to give the same numbers across library versions.
class DemoRandom {
public:
    explicit DemoRandom(std::uint64_t seed) : m_state(seed) {}

    std::uint64_t next()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // Uniform in [0, 1).
    double unit() { return double(next() >> 11) * (1.0 / 9007199254740992.0); }
    double range(double lo, double hi) { return lo + (hi - lo) * unit(); }
    int below(int n) { return n <= 0 ? 0 : int(next() % std::uint64_t(n)); }
    bool chance(double p) { return unit() < p; }
    // Roughly normal, mean 0, deviation 1 (sum of four uniforms).
    double gauss() { return (unit() + unit() + unit() + unit() - 2.0) * 1.7320508; }

    static std::uint64_t mix(std::uint64_t a, std::uint64_t b)
    {
        DemoRandom r(a * 0x100000001B3ull ^ (b + 0x632BE59BD9B4E019ull));
        return r.next();
    }

private:
    std::uint64_t m_state;
};

} // namespace morvane::demo
