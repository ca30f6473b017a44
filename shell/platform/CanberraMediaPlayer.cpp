#include "CanberraMediaPlayer.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <canberra.h>
#include <dlfcn.h>

#include <cstdint>

namespace {
// Every cue is played under one id, so that "Close" can stop whichever is still sounding.
constexpr std::uint32_t kCueId = 1;

// libcanberra and the audio libraries it links are loaded at the first "Play" rather than with
// the program, where they would add a millisecond before the window shows.
struct Canberra
{
    decltype(&ca_context_create) create;
    decltype(&ca_context_open) open;
    decltype(&ca_context_destroy) destroy;
    decltype(&ca_context_change_props) changeProps;
    decltype(&ca_context_play) play;
    decltype(&ca_context_cancel) cancel;
};

template <typename Function> bool resolve(void *library, const char *name, Function &function)
{
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

// Null if the library is missing; the program then runs without its cues.
const Canberra *canberra()
{
    static const Canberra *const loaded = []() -> const Canberra * {
        void *library = dlopen("libcanberra.so.0", RTLD_NOW | RTLD_LOCAL);
        static Canberra api{};
        if (!library || !resolve(library, "ca_context_create", api.create) ||
            !resolve(library, "ca_context_open", api.open) ||
            !resolve(library, "ca_context_destroy", api.destroy) ||
            !resolve(library, "ca_context_change_props", api.changeProps) ||
            !resolve(library, "ca_context_play", api.play) ||
            !resolve(library, "ca_context_cancel", api.cancel)) {
            qWarning("The sound cues are off: %s", dlerror());
            return nullptr;
        }
        return &api;
    }();
    return loaded;
}

// libcanberra's ALSA driver lets the thread of a cue finish after its context is destroyed, and
// destroying the last context unloads the driver under that thread. One context opened at the
// first "Play" and kept for the life of the process keeps the driver loaded.
void keepDriverLoaded(const Canberra &api)
{
    static ca_context *keeper = nullptr;
    if (keeper || api.create(&keeper) != CA_SUCCESS)
        return;
    api.open(keeper);
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
            canberra()->cancel(m_context, kCueId);
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
    const int result = canberra()->play(m_context, kCueId, CA_PROP_MEDIA_FILENAME,
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
    const Canberra *api = canberra();
    if (!api) {
        m_deviceFailed = true;
        return false;
    }
    keepDriverLoaded(*api);
    if (api->create(&m_context) != CA_SUCCESS) {
        m_context = nullptr;
        m_deviceFailed = true;
        return false;
    }
    api->changeProps(m_context, CA_PROP_APPLICATION_NAME,
                     QCoreApplication::applicationName().toUtf8().constData(), nullptr);
    return true;
}

void CanberraMediaPlayer::disconnect()
{
    if (m_context)
        canberra()->destroy(m_context);
    m_context = nullptr;
}
