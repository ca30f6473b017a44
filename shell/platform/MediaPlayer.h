#pragma once

#include <QString>

// The drill's sound control, driven with the vocabulary of a multimedia control: set the device
// type and the file name, then send "Close", "Open" or "Play". A file that is missing or cannot be
// played plays nothing and reports nothing.
class MediaPlayer
{
  public:
    virtual ~MediaPlayer() = default;
    virtual void setDeviceType(const QString &deviceType) = 0;
    virtual void setFileName(const QString &fileName) = 0;
    virtual void command(const QString &command) = 0;
};
