#pragma once

#include "CanberraMediaPlayer.h"
#include "Clock.h"
#include "Dialogs.h"
#include "Fcitx5InputMethodSwitch.h"
#include "MyPath.h"
#include "Platform.h"
#include "RandomSource.h"
#include "TextToSpeechSpeaker.h"
#include "UrlOpener.h"

// The real services. Create them after QApplication and let them go before it: nothing that
// holds Qt or sound-server state may be left for the exit handlers.
class SystemPlatform
{
  public:
    Platform &platform() { return m_platform; }

  private:
    CanberraMediaPlayer m_media;
    DesktopUrlOpener m_urls;
    SystemClock m_clock;
    LcgRandom m_random;
    QtDialogs m_dialogs;
    Fcitx5InputMethodSwitch m_inputMethod;
    TextToSpeechSpeaker m_speaker{MyPath() + QStringLiteral("kotohana-speech")};
    Platform m_platform{m_media, m_urls, m_clock, m_random, m_dialogs, m_inputMethod, m_speaker};
};
