// The real platform wrappers against the real thing: the sound player through libcanberra and
// ALSA, the system clock's time of day and waits, the desktop opener through Qt's URL handler
// hook, the input-method switch on a private session bus, the speaker through speech-dispatcher
// and ALSA.
#include "CanberraMediaPlayer.h"
#include "Clock.h"
#include "Fcitx5InputMethodSwitch.h"
#include "TextToSpeechSpeaker.h"
#include "UrlOpener.h"

#include <QDBusConnection>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextToSpeech>
#include <QTime>
#include <QTimer>
#include <QUrl>

#include <ctime>
#include <optional>
#include <unistd.h>

using namespace Qt::StringLiterals;

// libspeechd reads speech-dispatcher's list of voices with strstr over the whole reply, which
// AddressSanitizer's checked strstr turns from a second into many minutes; the sanitizer build
// reads this, any other build ignores it.
extern "C" const char *__asan_default_options()
{
    return "intercept_strstr=0";
}

// Qt's speech-dispatcher plugin keeps the list of output modules that libspeechd hands it.
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libspeechd.so\n";
}

namespace {
const QString kCues = QStringLiteral(CUE_FOLDER);

QString cue(const char *name)
{
    return kCues + QLatin1String(name);
}

// The samples of a wave file made by the cue maker: everything after its 44-byte header.
QByteArray samplesOf(const QString &wave)
{
    QFile file(wave);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    return bytes.mid(36, 4) == "data" ? bytes.mid(44) : QByteArray();
}

QByteArray contentsOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// One cue as the drill plays it.
void playCue(MediaPlayer &player, const QString &fileName)
{
    player.command(QStringLiteral("Close"));
    player.setDeviceType(QStringLiteral("waveAudio"));
    player.setFileName(fileName);
    player.command(QStringLiteral("Open"));
    player.command(QStringLiteral("Play"));
}

// Stands in for fcitx5's controller: records the calls it takes.
class Fcitx5Controller : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.fcitx.Fcitx.Controller1")
  public:
    QStringList calls;

  public Q_SLOTS:
    void Activate() { calls << u"Activate"_s; }
    void Deactivate() { calls << u"Deactivate"_s; }
};

double processCpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}
} // namespace

class TestPlatform : public QObject
{
    Q_OBJECT
  public Q_SLOTS:
    void openUrl(const QUrl &url) { m_opened.append(url); }

  private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(!samplesOf(cue("ok.wav")).isEmpty());
        QVERIFY(samplesOf(cue("ok.wav")) != samplesOf(cue("ng.wav")));
        // ALSA's file device stands in for the sound card: whatever is played lands in a file.
        qputenv("CANBERRA_DRIVER", "alsa");
        startSessionBus();
    }

    void cleanupTestCase()
    {
        m_bus.terminate();
        m_bus.waitForFinished();
    }

    void init()
    {
        m_soundCard = m_dir.filePath(QString::fromLatin1(QTest::currentTestFunction()) +
                                     QString::fromLatin1(QTest::currentDataTag()) + u".raw"_s);
        qputenv("CANBERRA_DEVICE", "file:'" + QFile::encodeName(m_soundCard) + "',raw");
    }

    void playsTheCueOpenedFirst_data()
    {
        QTest::addColumn<QStringList>("opened");
        QTest::addColumn<QString>("heard");
        QTest::addRow("ok.wav") << QStringList{u"ok.wav"_s} << u"ok.wav"_s;
        QTest::addRow("ng.wav") << QStringList{u"ng.wav"_s} << u"ng.wav"_s;
        QTest::addRow("a second Open is ignored")
            << QStringList{u"ok.wav"_s, u"ng.wav"_s} << u"ok.wav"_s;
    }
    void playsTheCueOpenedFirst()
    {
        QFETCH(QStringList, opened);
        QFETCH(QString, heard);
        CanberraMediaPlayer player;
        player.command(QStringLiteral("Close"));
        player.setDeviceType(QStringLiteral("waveAudio"));
        for (const QString &name : opened) {
            player.setFileName(kCues + name);
            player.command(QStringLiteral("Open"));
        }
        player.command(QStringLiteral("Play"));
        QTRY_COMPARE(contentsOf(m_soundCard), samplesOf(kCues + heard));
    }

    void aFaultyFileSilencesOnlyItsCue_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addRow("missing") << u"/nonexistent/ok.wav"_s;
        QTest::addRow("a folder") << kCues;
        QTest::addRow("not a wave") << QStringLiteral(__FILE__);
    }
    void aFaultyFileSilencesOnlyItsCue()
    {
        QFETCH(QString, fileName);
        CanberraMediaPlayer player;
        playCue(player, fileName);
        playCue(player, fileName);
        playCue(player, cue("ng.wav"));
        QTRY_COMPARE(contentsOf(m_soundCard), samplesOf(cue("ng.wav")));
    }

    void aMissingDeviceComplainsOnce()
    {
        qputenv("CANBERRA_DEVICE", "kotohana_no_such_device");
        // ALSA names the device on stderr at every attempt to open it.
        QFile log(m_dir.filePath(u"stderr.txt"_s));
        QVERIFY(log.open(QIODevice::ReadWrite));
        const int saved = dup(STDERR_FILENO);
        dup2(log.handle(), STDERR_FILENO);
        {
            CanberraMediaPlayer player;
            for (int i = 0; i < 3; ++i)
                playCue(player, cue("ok.wav"));
        }
        dup2(saved, STDERR_FILENO);
        close(saved);
        QCOMPARE(contentsOf(log.fileName()).count("kotohana_no_such_device"), 1);
    }

    // The draws read their seconds and minutes from fixed places in this text.
    void timeOfDayTextIsTheSystemTime()
    {
        SystemClock clock;
        const QTime before = QTime::currentTime();
        const QString text = clock.timeOfDayText();
        const QTime after = QTime::currentTime();
        static const QRegularExpression kHoursMinutesSeconds(u"^[0-9]{2}:[0-9]{2}:[0-9]{2}$"_s);
        QVERIFY2(kHoursMinutesSeconds.match(text).hasMatch(), qPrintable(text));
        // A minute may turn over between the readings.
        const auto agrees = [&](QTime time) {
            return text.left(2).toInt() == time.hour() && text.mid(3, 2).toInt() == time.minute();
        };
        QVERIFY2(agrees(before) || agrees(after), qPrintable(text));
    }

    void waitsItsLengthAsleep_data()
    {
        QTest::addColumn<double>("seconds");
        QTest::addRow("a slide step") << 0.02;
        QTest::addRow("the shortest pace") << 0.5;
    }
    void waitsItsLengthAsleep()
    {
        QFETCH(double, seconds);
        SystemClock clock;
        // A sleeping wait that the scheduler wakes late on a busy machine gets two more tries; a
        // spinning or mistimed wait fails every one of them.
        QString failure;
        for (int attempt = 0; attempt < 3; ++attempt) {
            bool handled = false;
            QTimer::singleShot(0, this, [&] { handled = true; });
            QElapsedTimer wall;
            wall.start();
            const double cpu0 = processCpuSeconds();
            const double clock0 = clock.monotonicSeconds();
            clock.processEventsFor(seconds);
            const double cpu = processCpuSeconds() - cpu0;
            const double elapsed = wall.nsecsElapsed() / 1e9;
            QVERIFY(handled);
            QVERIFY(elapsed >= seconds - 0.001);
            QVERIFY(std::abs(clock.monotonicSeconds() - clock0 - elapsed) < 0.005);
            if (elapsed - seconds <= 0.02 && cpu < 0.05 * elapsed + 0.001)
                return;
            failure = QStringLiteral("%1 s waited, %2 s of CPU").arg(elapsed).arg(cpu);
        }
        QFAIL(qPrintable(failure));
    }

    void opensTheAddressOnTheDesktop_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QList<QUrl>>("opened");
        QTest::addRow("the maker's page")
            << u"https://kotohana.example/"_s << QList<QUrl>{QUrl(u"https://kotohana.example/"_s)};
        QTest::addRow("typed without a scheme")
            << u"kotohana.example"_s << QList<QUrl>{QUrl(u"http://kotohana.example"_s)};
        QTest::addRow("empty") << QString() << QList<QUrl>{};
    }
    void opensTheAddressOnTheDesktop()
    {
        QFETCH(QString, address);
        QFETCH(QList<QUrl>, opened);
        m_opened.clear();
        QDesktopServices::setUrlHandler(u"http"_s, this, "openUrl");
        QDesktopServices::setUrlHandler(u"https"_s, this, "openUrl");
        DesktopUrlOpener().open(nullptr, address);
        QDesktopServices::unsetUrlHandler(u"http"_s);
        QDesktopServices::unsetUrlHandler(u"https"_s);
        QCOMPARE(m_opened, opened);
    }

    void withoutItsModuleTheSpeakerIsSilentAndWarnsOnce()
    {
        TextToSpeechSpeaker speaker(m_dir.filePath(u"kotohana-speech"_s));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"^Speaking is off: "_s));
        QTest::failOnWarning(QRegularExpression(u".*"_s));
        for (int i = 0; i < 3; ++i) {
            QVERIFY(!speaker.available());
            speaker.say(u"zoo"_s);
        }
    }

    void speaksThroughSpeechDispatcher()
    {
        if (!QTextToSpeech::availableEngines().contains(u"speechd"_s) ||
            QStandardPaths::findExecutable(u"speech-dispatcher"_s).isEmpty())
            QSKIP("speech-dispatcher or Qt's plugin for it is not installed");
        // A speech-dispatcher of this test's own, started by the speaker, speaks through ALSA's
        // file device into a file.
        const QString home = m_dir.filePath(u"speech"_s);
        QVERIFY(QDir().mkpath(home + u"/config/speech-dispatcher"_s));
        QVERIFY(QDir().mkpath(home + u"/runtime"_s));
        QFile::setPermissions(home + u"/runtime"_s,
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QString heard = home + u"/heard.raw"_s;
        writeFile(home + u"/config/speech-dispatcher/speechd.conf"_s,
                  "AudioOutputMethod \"alsa\"\nLogDir \"" + QFile::encodeName(home) + "\"\n");
        writeFile(
            home + u"/asound.conf"_s,
            "</usr/share/alsa/alsa.conf>\npcm.!default { type file; slave.pcm \"null\"; file \"" +
                QFile::encodeName(heard) + "\"; format \"raw\" }\n");
        const QList<QPair<const char *, QString>> environment{
            {"XDG_CONFIG_HOME", home + u"/config"_s},
            {"XDG_RUNTIME_DIR", home + u"/runtime"_s},
            {"ALSA_CONFIG_PATH", home + u"/asound.conf"_s}};
        QList<std::optional<QByteArray>> saved;
        for (const auto &[name, value] : environment) {
            saved << (qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name))
                                                      : std::nullopt);
            qputenv(name, QFile::encodeName(value));
        }
        {
            TextToSpeechSpeaker speaker(QStringLiteral(SPEECH_MODULE));
            QVERIFY(speaker.available());
            speaker.say(u"zoo"_s);
            QTRY_VERIFY_WITH_TIMEOUT(contentsOf(heard).size() > 1000, 20000);
        }
        for (qsizetype i = 0; i < environment.size(); ++i) {
            if (saved[i])
                qputenv(environment[i].first, *saved[i]);
            else
                qunsetenv(environment[i].first);
        }
    }

    void aDesktopWithoutFcitx5CostsNothing()
    {
        QTest::failOnWarning(QRegularExpression(u".*"_s));
        Fcitx5InputMethodSwitch inputMethod;
        QElapsedTimer wall;
        wall.start();
        inputMethod.turnOn();
        inputMethod.turnOff();
        inputMethod.turnOn();
        QVERIFY(wall.elapsed() < 1000);
        // Long enough for the last turn-on to go out and for the bus to act on every call.
        QTest::qWait(1000);
        QVERIFY(!QFile::exists(m_dir.filePath(u"fcitx5-started"_s)));
    }

    void requestsReachFcitx5sController()
    {
        Fcitx5Controller controller;
        QDBusConnection fcitx5 = QDBusConnection::connectToBus(m_busAddress, u"fcitx5"_s);
        QVERIFY(
            fcitx5.registerObject(u"/controller"_s, &controller, QDBusConnection::ExportAllSlots));
        QVERIFY(fcitx5.registerService(u"org.fcitx.Fcitx5"_s));

        Fcitx5InputMethodSwitch inputMethod;
        // A turn-off drops the turn-on that is still waiting for the focus to settle.
        inputMethod.turnOn();
        inputMethod.turnOff();
        QTRY_COMPARE(controller.calls, QStringList{u"Deactivate"_s});
        QTest::qWait(500);
        QCOMPARE(controller.calls, QStringList{u"Deactivate"_s});
        inputMethod.turnOn();
        QTRY_COMPARE(controller.calls, (QStringList{u"Deactivate"_s, u"Activate"_s}));
        QDBusConnection::disconnectFromBus(u"fcitx5"_s);
    }

  private:
    static void writeFile(const QString &path, const QByteArray &contents)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }

    // A session bus of the test's own, on which fcitx5 is installed but not running: any call that
    // let the bus start it would leave the file fcitx5-started.
    void startSessionBus()
    {
        QVERIFY(QDir(m_dir.path()).mkpath(u"services"_s));
        QFile service(m_dir.filePath(u"services/org.fcitx.Fcitx5.service"_s));
        QVERIFY(service.open(QIODevice::WriteOnly));
        service.write("[D-BUS Service]\nName=org.fcitx.Fcitx5\nExec=/usr/bin/touch " +
                      QFile::encodeName(m_dir.filePath(u"fcitx5-started"_s)) + '\n');
        service.close();
        QFile config(m_dir.filePath(u"bus.conf"_s));
        QVERIFY(config.open(QIODevice::WriteOnly));
        config.write("<busconfig><type>session</type><listen>unix:path=" +
                     QFile::encodeName(m_dir.filePath(u"bus"_s)) + "</listen><servicedir>" +
                     QFile::encodeName(m_dir.filePath(u"services"_s)) +
                     "</servicedir><policy context=\"default\"><allow send_destination=\"*\"/>"
                     "<allow receive_sender=\"*\"/>"
                     "<allow own=\"*\"/></policy></busconfig>");
        config.close();
        m_bus.start(u"dbus-daemon"_s,
                    {u"--nofork"_s, u"--print-address"_s, u"--config-file="_s + config.fileName()});
        QVERIFY(m_bus.waitForReadyRead());
        m_busAddress = QString::fromUtf8(m_bus.readLine().trimmed());
        qputenv("DBUS_SESSION_BUS_ADDRESS", m_busAddress.toUtf8());
    }

    QTemporaryDir m_dir;
    QProcess m_bus;
    QString m_busAddress;
    QString m_soundCard;
    QList<QUrl> m_opened;
};

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
