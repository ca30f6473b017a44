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
        QCOMPARE(about.size(), QSize(433, 275));
        QCOMPARE(about.minimumSize(), about.maximumSize());
        QVERIFY(!about.windowIcon().isNull());
        QCOMPARE(about.findChild<QLabel *>(QStringLiteral("lblTitle"))->text(),
                 QStringLiteral("コトハナ7000語  ver3.1"));
        const QStringList notes = {
            QStringLiteral("「中学」用は、中学生で必要と思われる1000単語を登録"),
            QStringLiteral("「高校」用は、高校／大学受験で必要な3000単語を登録"),
            QStringLiteral("「大学」用は、大学／各種受験で必要な3000単語を登録"),
            QStringLiteral("「←」「→」キーは「試験」の復習で使用"),
            QStringLiteral("「英和」「和英」の切り替えは復習モード中でも可能"),
            QStringLiteral("「結果」を押すと正解の一覧がでます")};
        const int indexes[] = {2, 0, 1, 5, 6, 7};
        int previousTop = -1;
        for (int i = 0; i < 6; ++i) {
            auto *label =
                about.findChild<QLabel *>(QStringLiteral("lblDescription(%1)").arg(indexes[i]));
            QVERIFY(label);
            QCOMPARE(label->parentWidget()->objectName(), QStringLiteral("Frame1"));
            QCOMPARE(label->text(), notes[i]);
            QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::black));
            QVERIFY(label->geometry().top() > previousTop);
            previousTop = label->geometry().top();
        }
        QVERIFY(!about.findChild<QLabel *>(QStringLiteral("lblDescription(3)")));
        QVERIFY(!about.findChild<QLabel *>(QStringLiteral("lblDescription(4)")));
        QCOMPARE(about.palette().color(QPalette::Window),
                 QApplication::palette().color(QPalette::Active, QPalette::Highlight));
        auto *address = about.findChild<QLineEdit *>(QStringLiteral("Text1"));
        QCOMPARE(address->text(), QStringLiteral("https://kotohana.example/"));
        QCOMPARE(address->palette().color(QPalette::Text), QColor(0, 0, 255));
        QCOMPARE(address->palette().color(QPalette::Base),
                 about.palette().color(QPalette::Active, QPalette::Button));
        QCOMPARE(about.focusWidget()->objectName(), QStringLiteral("Command1"));
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
