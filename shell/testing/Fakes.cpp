#include "Fakes.h"

#include <QCoreApplication>

double FakeClock::secondsSinceMidnight() const
{
    const QStringList parts = timeText.split(u':');
    return parts.value(0).toInt() * 3600.0 + parts.value(1).toInt() * 60.0 + parts.value(2).toInt();
}

void FakeClock::processEventsFor(double seconds)
{
    QCoreApplication::processEvents();
    monotonic += seconds;
    if (onWait)
        onWait();
}

float ScriptedRandom::next()
{
    ++draws;
    if (script.empty())
        return m_rest.next();
    const float value = script.front();
    script.pop_front();
    return value;
}

void ScriptedRandom::queuePick(int value, int n)
{
    // The middle of the value's interval: Int(r * n) + 1 gives back `value`.
    script.push_back(float((value - 1 + 0.5) / n));
}
