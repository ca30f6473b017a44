#include "Fakes.h"
#include "frmAbout.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class TestAbout : public QObject
{
    Q_OBJECT
  private Q_SLOTS:
    void contentAndLook()
    {
        FakePlatform fake;
        frmAbout about(fake.platform);
        QCOMPARE(about.windowTitle(), QStringLiteral("バージョン情報"));
        QVERIFY(!about.windowIcon().isNull());
        for (const QLabel *label : about.findChildren<QLabel *>())
            QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::black));
        QCOMPARE(about.palette().color(QPalette::Window),
                 QApplication::palette().color(QPalette::Active, QPalette::Highlight));
        auto *address = about.findChild<QLineEdit *>(QStringLiteral("Text1"));
        QCOMPARE(address->text(), QStringLiteral("https://kotohana.example/"));
        QCOMPARE(address->palette().color(QPalette::Text), QColor(0, 0, 255));
        QCOMPARE(address->palette().color(QPalette::Base),
                 about.palette().color(QPalette::Active, QPalette::Button));
        QVERIFY(about.findChild<QPushButton *>(QStringLiteral("cmdOK"))->isDefault());
    }

    void closesOnEnterEscapeAndOk_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key"); // 0: the OK button itself
        QTest::addRow("Enter in the address box") << QStringLiteral("Text1") << int(Qt::Key_Return);
        QTest::addRow("Enter on OK") << QStringLiteral("cmdOK") << int(Qt::Key_Enter);
        QTest::addRow("Esc on Web Site") << QStringLiteral("Command1") << int(Qt::Key_Escape);
        QTest::addRow("OK") << QString() << 0;
    }
    void closesOnEnterEscapeAndOk()
    {
        QFETCH(QString, focus);
        QFETCH(int, key);
        FakePlatform fake;
        QPointer<frmAbout> about(new frmAbout(fake.platform));
        about->show();
        if (key) {
            QWidget *target = about->findChild<QWidget *>(focus);
            target->setFocus();
            QTest::keyClick(target, Qt::Key(key),
                            key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        } else {
            about->findChild<QPushButton *>(QStringLiteral("cmdOK"))->click();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(about.isNull());
        QVERIFY(fake.urls.calls.isEmpty());
    }

    void webSiteOpensWhatTheBoxHolds()
    {
        FakePlatform fake;
        frmAbout about(fake.platform);
        auto *address = about.findChild<QLineEdit *>(QStringLiteral("Text1"));
        auto *webSite = about.findChild<QPushButton *>(QStringLiteral("Command1"));
        webSite->click();
        address->setText(QStringLiteral("https://other.example/page"));
        // The focused Web Site button takes Enter itself; the window stays open.
        about.show();
        QCOMPARE(about.focusWidget(), webSite);
        QTest::keyClick(webSite, Qt::Key_Return);
        QVERIFY(about.isVisible());
        address->clear();
        webSite->click(); // an empty address still makes the call; nothing is reported
        QCOMPARE(fake.urls.calls.size(), 3);
        QCOMPARE(fake.urls.calls[0].owner.data(), &about);
        QCOMPARE(fake.urls.calls[0].address, QStringLiteral("https://kotohana.example/"));
        QCOMPARE(fake.urls.calls[1].address, QStringLiteral("https://other.example/page"));
        QCOMPARE(fake.urls.calls[2].address, QString());
    }
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
