// Not a test: how long the speaker takes from a request to the first sound of a word, with the
// real speech-dispatcher and its espeak-ng voice. Speech-dispatcher runs with a configuration of
// this program's own and speaks through ALSA's file device into a file, whose first bytes mark the
// start of speaking. Three cases, each its median over the runs:
//   first word, speech-dispatcher not running: the program's first word on a desktop where no
//     program has spoken yet (speech-dispatcher is started for it);
//   first word, speech-dispatcher running: the program's first word where another program (a
//     screen reader, an earlier run of this one) has started it;
//   a later word: every word after the first.
// Usage: speech_bench [runs] (default 5).
#include "TextToSpeechSpeaker.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
qint64 sizeOf(const QString &path)
{
    return QFileInfo(path).size();
}

// Milliseconds from now until the file has grown past `from`; -1 after 20 seconds.
double untilSound(const QString &heard, qint64 from, const QElapsedTimer &since)
{
    while (since.elapsed() < 20000) {
        QCoreApplication::processEvents();
        if (QFileInfo::exists(heard) && sizeOf(heard) > from)
            return since.nsecsElapsed() / 1e6;
        QThread::usleep(200);
    }
    return -1;
}

// Waits until the word has been spoken whole: the file stops growing.
qint64 whenQuiet(const QString &heard)
{
    qint64 size = -1;
    while (size != sizeOf(heard)) {
        size = sizeOf(heard);
        QElapsedTimer pause;
        pause.start();
        while (pause.elapsed() < 300)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    return size;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

void writeFile(const QString &path, const QByteArray &contents)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(contents);
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
    QTemporaryDir dir;
    const QString heard = dir.filePath(QStringLiteral("heard.raw"));
    QDir().mkpath(dir.filePath(QStringLiteral("config/speech-dispatcher")));
    writeFile(dir.filePath(QStringLiteral("config/speech-dispatcher/speechd.conf")),
              "AudioOutputMethod \"alsa\"\nLogDir \"" + QFile::encodeName(dir.path()) + "\"\n");
    writeFile(dir.filePath(QStringLiteral("asound.conf")),
              "</usr/share/alsa/alsa.conf>\npcm.!default { type file; slave.pcm \"null\"; file \"" +
                  QFile::encodeName(heard) + "\"; format \"raw\" }\n");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath(QStringLiteral("config"))));
    qputenv("ALSA_CONFIG_PATH", QFile::encodeName(dir.filePath(QStringLiteral("asound.conf"))));

    std::vector<double> cold, warm, later;
    for (int run = 0; run < runs; ++run) {
        // A runtime folder of its own gives each run a speech-dispatcher of its own to start.
        const QString runtime = dir.filePath(QStringLiteral("run%1").arg(run));
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
        for (std::vector<double> *first : {&cold, &warm}) {
            TextToSpeechSpeaker speaker(QStringLiteral(SPEECH_MODULE));
            QElapsedTimer clock;
            qint64 size = QFileInfo::exists(heard) ? sizeOf(heard) : 0;
            clock.start();
            speaker.say(QStringLiteral("accident"));
            first->push_back(untilSound(heard, size, clock));
            for (const char *word : {"make allowances for", "zoo", "blackboard"}) {
                size = whenQuiet(heard);
                clock.restart();
                speaker.say(QString::fromLatin1(word));
                later.push_back(untilSound(heard, size, clock));
            }
            whenQuiet(heard);
        }
    }
    std::printf("runs: %d, medians, request to first sound\n", runs);
    std::printf("first word, speech-dispatcher not running: %.0f ms\n", median(cold));
    std::printf("first word, speech-dispatcher running: %.0f ms\n", median(warm));
    std::printf("a later word: %.0f ms\n", median(later));
    return 0;
}
