#include "Platform.h"

#include "Clock.h"
#include "Dialogs.h"
#include "QtMediaPlayer.h"
#include "RandomSource.h"
#include "UrlOpener.h"

Platform &systemPlatform()
{
    static QtMediaPlayer media;
    static DesktopUrlOpener urls;
    static SystemClock clock;
    static LcgRandom random;
    static QtDialogs dialogs;
    static Platform platform{media, urls, clock, random, dialogs};
    return platform;
}
