#include "DiscardCount.h"

#include <cmath>
#include <cstdint>

namespace {
// x / 2 + 1 to a whole number, halves to the even neighbour (the default rounding mode).
std::int16_t halfPlusOne(int x)
{
    return std::int16_t(std::nearbyint(x / 2.0 + 1.0));
}
} // namespace

int discardCount(int v, int seconds, int minutes)
{
    const std::int16_t a = halfPlusOne(seconds);
    const std::int16_t b = halfPlusOne(minutes);
    // v <= 1000, a and b <= 30: the product fits the 16-bit range with room to spare.
    const std::int16_t product = std::int16_t(v * a + b);
    return product / 3;
}

int secondsOfTimeText(const QString &timeText)
{
    return timeText.right(2).toInt();
}

int minutesOfTimeText(const QString &timeText)
{
    const qsizetype colon = timeText.lastIndexOf(u':');
    return colon < 2 ? 0 : timeText.mid(colon - 2, 2).toInt();
}
