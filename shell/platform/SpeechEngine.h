#pragma once

#include <QString>

#include <functional>

// Qt TextToSpeech's speech-dispatcher engine, as TextToSpeechSpeaker loads it at its first word
// from a module of its own (kotohana-speech), so that the program itself links no speech library
// and starts as fast without it. Created, used and destroyed on the speaker's thread.
class SpeechEngine
{
  public:
    virtual ~SpeechEngine() = default;
    // Why the engine cannot speak; empty while it can.
    virtual QString failure() const = 0;
    virtual void say(const QString &english) = 0;
    // Told when an engine that started fails later, on the engine's thread.
    std::function<void(const QString &reason)> onFailure;
};

// The module's two entry points, resolved by name: whether Qt's speech-dispatcher plugin is
// installed (reading plugin metadata only), and a new engine.
using SpeechdInstalled = bool (*)();
using CreateSpeechEngine = SpeechEngine *(*)();
inline constexpr char kSpeechdInstalled[] = "kotohanaSpeechdInstalled";
inline constexpr char kCreateSpeechEngine[] = "kotohanaCreateSpeechEngine";
