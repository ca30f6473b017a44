#pragma once

#include <cstdint>

// The program's one pseudo-random generator: uniform single-precision values in [0, 1). It is
// never seeded, so every launch starts the same sequence.
class RandomSource
{
  public:
    virtual ~RandomSource() = default;
    virtual float next() = 0;
};

// A pick from n: Int(r * n) + 1, always within 1..n.
int pick(RandomSource &random, int n);
// Int(r * n) + base for the next value, within base..base + n - 1.
int drawInRange(RandomSource &random, int n, int base);

// A 24-bit linear congruential generator from a fixed start state.
class LcgRandom final : public RandomSource
{
  public:
    float next() override;

  private:
    std::uint32_t m_state = 0x50000;
};
