#include "Clock.h"

#include <QEventLoop>
#include <QTime>
#include <QTimer>

#include <cmath>

SystemClock::SystemClock()
{
    m_monotonic.start();
}

QString SystemClock::timeOfDayText() const
{
    return QTime::currentTime().toString(QStringLiteral("HH:mm:ss"));
}

double SystemClock::secondsSinceMidnight() const
{
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

double SystemClock::monotonicSeconds() const
{
    return m_monotonic.nsecsElapsed() / 1e9;
}

void SystemClock::processEventsFor(double seconds)
{
    // Sleep in the event loop until the time is up instead of spinning: handlers of every window
    // run meanwhile, and an idle wait costs no CPU.
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(std::max(1, int(std::ceil(seconds * 1000.0))));
    loop.exec();
}
