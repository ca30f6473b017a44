#include "CanberraMediaPlayer.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <canberra.h>

#include <cstdint>

namespace {
// Every cue is played under one id, so that "Close" can stop whichever is still sounding.
constexpr std::uint32_t kCueId = 1;

// libcanberra's ALSA driver lets the thread of a cue finish after its context is destroyed, and
// destroying the last context unloads the driver under that thread. One context opened at the
// first "Play" and kept for the life of the process keeps the driver loaded.
void keepDriverLoaded()
{
    static ca_context *keeper = nullptr;
    if (keeper || ca_context_create(&keeper) != CA_SUCCESS)
        return;
    ca_context_open(keeper);
}

bool isPlayableFile(const QString &fileName)
{
    const QFileInfo info(fileName);
    return info.isFile() && info.isReadable();
}
} // namespace

CanberraMediaPlayer::~CanberraMediaPlayer()
{
    disconnect();
}

void CanberraMediaPlayer::setDeviceType(const QString &deviceType)
{
    m_deviceType = deviceType;
}

void CanberraMediaPlayer::setFileName(const QString &fileName)
{
    m_fileName = fileName;
}

void CanberraMediaPlayer::command(const QString &command)
{
    if (command == u"Close") {
        if (m_context && !m_openFile.isEmpty())
            ca_context_cancel(m_context, kCueId);
        m_openFile.clear();
    } else if (command == u"Open") {
        // An open device ignores a second "Open" until it is closed.
        if (!m_openFile.isEmpty() || m_deviceType != u"waveAudio" || !isPlayableFile(m_fileName))
            return;
        m_openFile = m_fileName;
    } else if (command == u"Play") {
        play();
    }
}

void CanberraMediaPlayer::play()
{
    if (m_openFile.isEmpty() || m_deviceFailed || !connect())
        return;
    const int result = ca_context_play(m_context, kCueId, CA_PROP_MEDIA_FILENAME,
                                       QFile::encodeName(m_openFile).constData(), nullptr);
    if (result == CA_SUCCESS)
        return;
    // A file that went missing since "Open" or cannot be decoded only silences this cue; any other
    // failure is the device's, and trying it again would only repeat its complaint.
    const bool fileFault =
        result == CA_ERROR_CORRUPT || (result == CA_ERROR_NOTFOUND && !isPlayableFile(m_openFile));
    if (!fileFault) {
        m_deviceFailed = true;
        disconnect();
    }
}

bool CanberraMediaPlayer::connect()
{
    if (m_context)
        return true;
    keepDriverLoaded();
    if (ca_context_create(&m_context) != CA_SUCCESS) {
        m_context = nullptr;
        m_deviceFailed = true;
        return false;
    }
    ca_context_change_props(m_context, CA_PROP_APPLICATION_NAME,
                            QCoreApplication::applicationName().toUtf8().constData(), nullptr);
    return true;
}

void CanberraMediaPlayer::disconnect()
{
    if (m_context)
        ca_context_destroy(m_context);
    m_context = nullptr;
}
