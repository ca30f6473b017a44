#pragma once

#include "MediaPlayer.h"

#include <QObject>

class QSoundEffect;

// Plays wave files through Qt Multimedia. "Open" loads the file named last, "Play" starts it,
// "Close" stops and unloads it.
class QtMediaPlayer final : public QObject, public MediaPlayer
{
  public:
    explicit QtMediaPlayer(QObject *parent = nullptr);
    ~QtMediaPlayer() override;

    void setDeviceType(const QString &deviceType) override;
    void setFileName(const QString &fileName) override;
    void command(const QString &command) override;

  private:
    QString m_deviceType;
    QString m_fileName;
    QSoundEffect *m_effect = nullptr;
};
