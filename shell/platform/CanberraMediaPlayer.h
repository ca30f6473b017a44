#pragma once

#include "MediaPlayer.h"

#include <QString>

struct ca_context;

// Plays the drill's wave files as desktop event sounds through libcanberra, which reaches the
// sound server or the sound card, whichever the desktop has. "Open" takes the file named last,
// "Play" starts it, "Close" stops it. The library is loaded and the sound server contacted at the
// first "Play" only, so start-up costs nothing; a device that fails once is not tried again in this
// run, so a machine without sound prints its complaint once instead of at every answer.
class CanberraMediaPlayer final : public MediaPlayer
{
  public:
    CanberraMediaPlayer() = default;
    ~CanberraMediaPlayer() override;
    CanberraMediaPlayer(const CanberraMediaPlayer &) = delete;
    CanberraMediaPlayer &operator=(const CanberraMediaPlayer &) = delete;

    void setDeviceType(const QString &deviceType) override;
    void setFileName(const QString &fileName) override;
    void command(const QString &command) override;

  private:
    void play();
    bool connect();
    void disconnect();

    QString m_deviceType;
    QString m_fileName;
    // The file taken by "Open"; empty while the device is closed.
    QString m_openFile;
    ca_context *m_context = nullptr;
    bool m_deviceFailed = false;
};
