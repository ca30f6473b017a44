#pragma once

#include "Speaker.h"

#include <QLibrary>

#include <atomic>
#include <memory>

class QObject;
class QThread;
class SpeechEngine;

// Speaks through Qt TextToSpeech's speech-dispatcher engine, the speech service that Debian's
// desktops share with their screen readers, in espeak-ng's American English voice. Nothing is
// loaded at start-up: the first look at whether it can speak loads the small module that links
// Qt TextToSpeech (SpeechEngine.h), and the first word starts the engine on a thread of its own,
// because connecting to speech-dispatcher (starting it, if no program has yet) and listing its
// voices takes one to two seconds, in which the windows stay responsive. A missing module, plugin
// or service, or an engine that fails, makes the speaker unavailable for the rest of the run,
// with one warning.
class TextToSpeechSpeaker final : public Speaker
{
  public:
    // `module`: the path of kotohana-speech, with or without its suffix.
    explicit TextToSpeechSpeaker(const QString &module);
    ~TextToSpeechSpeaker() override;
    TextToSpeechSpeaker(const TextToSpeechSpeaker &) = delete;
    TextToSpeechSpeaker &operator=(const TextToSpeechSpeaker &) = delete;

    bool available() override;
    void say(const QString &english) override;

  private:
    void start();
    void fail(const QString &reason);

    QLibrary m_module;
    bool m_moduleLooked = false;
    std::atomic<bool> m_failed = false;
    std::unique_ptr<QThread> m_thread;
    // Lives on m_thread, and so does the engine.
    QObject *m_home = nullptr;
    SpeechEngine *m_engine = nullptr;
};
