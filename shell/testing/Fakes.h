#pragma once
// Stand-ins for the platform services, for tests: they record what the program asks of them and
// answer with scripted values.

#include "Clock.h"
#include "Dialogs.h"
#include "InputMethodSwitch.h"
#include "MediaPlayer.h"
#include "Platform.h"
#include "RandomSource.h"
#include "Speaker.h"
#include "UrlOpener.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <deque>
#include <functional>

class FakeMediaPlayer final : public MediaPlayer
{
  public:
    // Each call as one entry: "Close", "Open", "Play", "DeviceType waveAudio", "FileName <path>".
    QStringList calls;

    void setDeviceType(const QString &deviceType) override
    {
        calls << QStringLiteral("DeviceType ") + deviceType;
    }
    void setFileName(const QString &fileName) override
    {
        calls << QStringLiteral("FileName ") + fileName;
    }
    void command(const QString &command) override { calls << command; }
};

class FakeUrlOpener final : public UrlOpener
{
  public:
    struct Call
    {
        QPointer<QWidget> owner;
        QString address;
    };
    QList<Call> calls;

    void open(QWidget *owner, const QString &address) override { calls.append({owner, address}); }
};

// Time of day as set by the test; monotonic time that moves only when the program waits.
class FakeClock final : public Clock
{
  public:
    QString timeText = QStringLiteral("00:00:00");
    double monotonic = 0;
    // Called on every wait step, after the simulated time has moved on.
    std::function<void()> onWait;

    QString timeOfDayText() const override { return timeText; }
    double secondsSinceMidnight() const override;
    double monotonicSeconds() const override { return monotonic; }
    void processEventsFor(double seconds) override;
};

// Returns the scripted values first, then values of its own sequence; counts every draw.
class ScriptedRandom final : public RandomSource
{
  public:
    std::deque<float> script;
    int draws = 0;

    float next() override;
    // Scripts the draw that a pick from n turns into `value` (1..n).
    void queuePick(int value, int n);

  private:
    LcgRandom m_rest;
};

class FakeDialogs final : public Dialogs
{
  public:
    struct Shown
    {
        QString title;
        QString text;
    };
    QList<Shown> shown;
    // Runs while the box would be open, before question() returns.
    std::function<void()> whileOpen;

    void question(QWidget *, const QString &title, const QString &text) override
    {
        shown.append({title, text});
        if (whileOpen)
            whileOpen();
    }
};

class FakeInputMethodSwitch final : public InputMethodSwitch
{
  public:
    // Each call as one entry: "on" or "off".
    QStringList calls;

    void turnOn() override { calls << QStringLiteral("on"); }
    void turnOff() override { calls << QStringLiteral("off"); }
};

// Speaks into a list; `engine` false stands for a machine without a speech engine.
class FakeSpeaker final : public Speaker
{
  public:
    bool engine = true;
    QStringList said;

    bool available() override { return engine; }
    void say(const QString &english) override
    {
        if (engine && !english.isEmpty())
            said << english;
    }
};

struct FakePlatform
{
    FakeMediaPlayer media;
    FakeUrlOpener urls;
    FakeClock clock;
    ScriptedRandom random;
    FakeDialogs dialogs;
    FakeInputMethodSwitch inputMethod;
    FakeSpeaker speaker;
    Platform platform{media, urls, clock, random, dialogs, inputMethod, speaker};
};
