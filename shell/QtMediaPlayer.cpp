#include "QtMediaPlayer.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

QtMediaPlayer::QtMediaPlayer(QObject *parent) : QObject(parent) {}

QtMediaPlayer::~QtMediaPlayer() = default;

void QtMediaPlayer::setDeviceType(const QString &deviceType)
{
    m_deviceType = deviceType;
}

void QtMediaPlayer::setFileName(const QString &fileName)
{
    m_fileName = fileName;
}

void QtMediaPlayer::command(const QString &command)
{
    if (command == u"Close") {
        if (m_effect) {
            m_effect->stop();
            m_effect->deleteLater();
            m_effect = nullptr;
        }
    } else if (command == u"Open") {
        if (m_effect || m_deviceType != u"waveAudio" || !QFileInfo(m_fileName).isReadable())
            return;
        m_effect = new QSoundEffect(this);
        m_effect->setSource(QUrl::fromLocalFile(m_fileName));
    } else if (command == u"Play") {
        // QSoundEffect queues a play that arrives while the file is still loading; a file that
        // fails to load simply never sounds.
        if (m_effect)
            m_effect->play();
    }
}
