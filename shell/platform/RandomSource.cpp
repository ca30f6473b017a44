#include "RandomSource.h"

#include <algorithm>
#include <cmath>

int drawInRange(RandomSource &random, int n, int base)
{
    // The product is formed in double precision, where r * n stays below n for every r < 1.
    const int offset = int(std::floor(double(random.next()) * n));
    return std::clamp(offset, 0, n - 1) + base;
}

int pick(RandomSource &random, int n)
{
    return drawInRange(random, n, 1);
}

float LcgRandom::next()
{
    m_state = (m_state * 0x43FD43FDu + 0xC39EC3u) & 0xFFFFFFu;
    return float(m_state) / 16777216.0f;
}
