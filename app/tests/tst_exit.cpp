// Starts the built program and quits it in each way a user can, through the test-only plugin
// that clicks and closes as the user would (UserDriver.cpp), and expects a clean exit.
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestExit : public QObject
{
    Q_OBJECT
  private Q_SLOTS:
    void quitsCleanly_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<bool>("sounded");
        const QString answer = QStringLiteral("Form1/Command8 Form1/Command1 Form1/Command2 ");
        QTest::addRow("終了 at start-up") << QStringLiteral("Form1/Command7") << false;
        QTest::addRow("frame close at start-up") << QStringLiteral("close/Form1") << false;
        QTest::addRow("終了 after an answer") << answer + QStringLiteral("Form1/Command7") << true;
        QTest::addRow("frame close after an answer")
            << answer + QStringLiteral("close/Form1") << true;
        QTest::addRow("終了 with every window open and a study session running")
            << answer + QStringLiteral("Form1/Command1*20 ok Form1/Command21 Form1/Command22 "
                                       "Form1/Command99 Form1/Command23 Form5/Command1 "
                                       "Form1/Command7")
            << true;
    }
    void quitsCleanly()
    {
        QFETCH(QString, steps);
        QFETCH(bool, sounded);
        QTemporaryDir dir;
        const QString soundCard = dir.filePath(QStringLiteral("sound.raw"));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir.path());
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("QT_PLUGIN_PATH"), QStringLiteral(DRIVER_PLUGINS));
        environment.insert(QStringLiteral("QT_QPA_GENERIC_PLUGINS"),
                           QStringLiteral("kotohanadriver:") + steps);
        // The cues go to ALSA's file device, so that a machine without sound still plays them.
        environment.insert(QStringLiteral("CANBERRA_DRIVER"), QStringLiteral("alsa"));
        environment.insert(QStringLiteral("CANBERRA_DEVICE"),
                           QStringLiteral("file:'%1',raw").arg(soundCard));

        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(KOTOHANA_EXECUTABLE), {});
        QVERIFY(program.waitForFinished(60000));
        // Only the offscreen platform may speak, about what it cannot do.
        QByteArray errors;
        for (const QByteArray &line : program.readAllStandardError().split('\n'))
            if (!line.isEmpty() && !line.startsWith("This plugin does not support "))
                errors += line + '\n';
        QVERIFY2(errors.isEmpty(), errors.constData());
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        // Every step ran, the last one included.
        const QByteArray lastStep = steps.section(u' ', -1).section(u'*', 0, 0).toLatin1();
        QVERIFY(program.readAllStandardOutput().trimmed().endsWith("driver: " + lastStep));
        QCOMPARE(QFile::exists(soundCard), sounded);
    }
};

QTEST_GUILESS_MAIN(TestExit)
#include "tst_exit.moc"
