#pragma once

#include <QElapsedTimer>
#include <QString>

// The time of day (for the draws that depend on the clock) and a monotonic clock for waits.
class Clock
{
  public:
    virtual ~Clock() = default;
    // Local time of day as "hh:mm:ss", 24-hour clock, two digits each.
    virtual QString timeOfDayText() const = 0;
    // Local time of day in seconds since midnight.
    virtual double secondsSinceMidnight() const = 0;
    // Seconds on a clock that never jumps back and does not wrap at midnight.
    virtual double monotonicSeconds() const = 0;
    // Lets the program handle pending events of every window for `seconds`, asleep while nothing
    // is pending. Waits are built on this so that tests can run them on simulated time.
    virtual void processEventsFor(double seconds) = 0;
};

class SystemClock final : public Clock
{
  public:
    SystemClock();
    QString timeOfDayText() const override;
    double secondsSinceMidnight() const override;
    double monotonicSeconds() const override;
    void processEventsFor(double seconds) override;

  private:
    QElapsedTimer m_monotonic;
};
