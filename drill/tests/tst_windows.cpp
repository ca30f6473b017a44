// The drill window's bottom row and 結果: the result list window, the about window, the web link
// and the program's life cycle.

#include "AppInfo.h"
#include "Dialogs.h"
#include "Fakes.h"
#include "Form1.h"
#include "Form2.h"
#include "Form4.h"
#include "Form5.h"
#include "frmAbout.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <qpa/qplatformwindow.h>

#include <memory>

namespace {
template <typename Window> QList<Window *> openWindows()
{
    QList<Window *> found;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *window = qobject_cast<Window *>(w); window && window->isVisible())
            found << window;
    return found;
}

void click(QWidget *window, const char *name)
{
    auto *button = window->findChild<QAbstractButton *>(QLatin1String(name));
    QVERIFY2(button, name);
    button->click();
}

// The result list, the dictionary, the study window and the about window, each from its button.
void openEverySecondaryWindow(Form1 &drill)
{
    drill.Command21_Click();
    click(&drill, "Command22");
    click(&drill, "Command23");
    click(&drill, "Command99");
}

QString listText(Form2 *results)
{
    return results->findChild<QPlainTextEdit *>(QStringLiteral("Text1"))->toPlainText();
}

QString scoreText(Form2 *results)
{
    return results->findChild<QLineEdit *>(QStringLiteral("Text2"))->text();
}

// What the list box shows for a text built with CR LF line ends.
QString shown(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// The title a desktop's title bar shows for a window: what the platform window makes of the
// window's title (under X11 it appends the display name, if the program sets one).
struct PlatformTitle : QPlatformWindow
{
    static QString of(const QWidget *window)
    {
        return formatWindowTitle(window->windowTitle(), QStringLiteral(" — "));
    }
};

void closeAllWindows()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
} // namespace

class TestWindows : public QObject
{
    Q_OBJECT
  private Q_SLOTS:
    void cleanup() { closeAllWindows(); }

    void resultListBeforeAnyTest()
    {
        FakePlatform fake;
        Form1 drill(fake.platform);
        drill.Command21_Click(); // the button itself waits for the end of a test
        const auto windows = openWindows<Form2>();
        QCOMPARE(windows.size(), 1);
        Form2 *results = windows.first();
        QCOMPARE(results->windowTitle(), QStringLiteral("「正解」「不正解」の一覧"));
        QCOMPARE(listText(results), shown(QStringLiteral("不正解の単語\r\n\r\n")));
        QCOMPARE(scoreText(results), QStringLiteral("点"));
        QCOMPARE(results->focusWidget()->objectName(), QStringLiteral("Command4"));
        QCOMPARE(results->size(), QSize(683, 553));
    }

    void resultListButtons()
    {
        ResultTexts texts;
        texts.correctList = QStringLiteral(" ○ right A\r\n ○ right B\r\n");
        texts.incorrectList = QStringLiteral(" × wrong C\r\n");
        texts.scoreText = QStringLiteral(" 85");
        Form2 results(texts);
        QCOMPARE(listText(&results), shown(QStringLiteral("不正解の単語\r\n\r\n × wrong C\r\n")));
        QCOMPARE(scoreText(&results), QStringLiteral(" 85点"));
        click(&results, "Command1");
        QCOMPARE(listText(&results),
                 shown(QStringLiteral("正解した単語\r\n\r\n ○ right A\r\n ○ right B\r\n")));
        click(&results, "Command3");
        QCOMPARE(listText(&results),
                 shown(QStringLiteral(
                     "回答した単語\r\n\r\n ○ right A\r\n ○ right B\r\n × wrong C\r\n")));

        // A snapshot: new answers show only when a list button is pressed; the score box keeps
        // the value it had when the window opened.
        texts.incorrectList += QStringLiteral(" × wrong D\r\n");
        texts.scoreText = QStringLiteral(" 10");
        QVERIFY(!listText(&results).contains(QStringLiteral("wrong D")));
        click(&results, "Command2");
        QCOMPARE(listText(&results),
                 shown(QStringLiteral("不正解の単語\r\n\r\n × wrong C\r\n × wrong D\r\n")));
        QCOMPARE(scoreText(&results), QStringLiteral(" 85点"));
    }

    void resultListOpensOnceAndReopensFresh()
    {
        FakePlatform fake;
        Form1 drill(fake.platform);
        drill.Command21_Click();
        Form2 *first = openWindows<Form2>().first();
        // A wrong first answer: question 7 in slot 1 (at 00:00:00 a first draw of 2 makes one
        // discard pick), answered with choice 2.
        for (int pick : {2, 7, 10, 11, 12, 13, 14})
            fake.random.queuePick(pick, 1000);
        fake.random.queuePick(1, 5);
        for (const char *name : {"Command8", "Command1", "Command3"})
            click(&drill, name);
        drill.Command21_Click(); // only brings it forward
        QCOMPARE(openWindows<Form2>(), QList<Form2 *>{first});
        QCOMPARE(listText(first), shown(QStringLiteral("不正解の単語\r\n\r\n")));

        QPointer<Form2> closed(first);
        click(first, "Command4"); // 戻　る destroys it
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(closed.isNull());
        drill.Command21_Click();
        QCOMPARE(listText(openWindows<Form2>().first()).count(u'\n'), 3);

        // The frame's close box acts like 戻　る.
        QPointer<Form2> framed(openWindows<Form2>().first());
        framed->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(framed.isNull());
    }

    void helpOpensTheAboutWindowOnce()
    {
        FakePlatform fake;
        Form1 drill(fake.platform);
        click(&drill, "Command99");
        QCOMPARE(openWindows<frmAbout>().size(), 1);
        frmAbout *about = openWindows<frmAbout>().first();
        auto *address = about->findChild<QLineEdit *>(QStringLiteral("Text1"));
        // HELP again only brings it forward, without reloading the address.
        address->setText(QStringLiteral("edited"));
        click(&drill, "Command99");
        QCOMPARE(openWindows<frmAbout>(), QList<frmAbout *>{about});
        QCOMPARE(address->text(), QStringLiteral("edited"));
        // Closed and opened again, it starts afresh.
        QPointer<frmAbout> closed(about);
        click(about, "cmdOK");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(closed.isNull());
        click(&drill, "Command99");
        QCOMPARE(openWindows<frmAbout>()
                     .first()
                     ->findChild<QLineEdit *>(QStringLiteral("Text1"))
                     ->text(),
                 QStringLiteral("https://kotohana.example/"));
    }

    // Every caption and label text fits the control the layout gives it.
    void captionsFit()
    {
        FakePlatform fake;
        Form1 drill(fake.platform);
        openEverySecondaryWindow(drill);
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (!window->isVisible() && window != &drill)
                continue;
            for (QWidget *control : window->findChildren<QWidget *>()) {
                QString text;
                int room = control->width();
                if (auto *label = qobject_cast<QLabel *>(control))
                    text = label->text();
                else if (auto *button = qobject_cast<QAbstractButton *>(control)) {
                    text = button->text();
                    room -= qobject_cast<QPushButton *>(button) ? 4 : 16; // frame or indicator
                }
                if (text.isEmpty())
                    continue;
                const int needed = control->fontMetrics().horizontalAdvance(text);
                QVERIFY2(needed <= room,
                         qPrintable(QStringLiteral("%1 %2: %3 needs %4 of %5")
                                        .arg(window->windowTitle(), control->objectName(), text)
                                        .arg(needed)
                                        .arg(room)));
            }
        }
    }

    // A screen reader can name every control that takes the focus, in every window.
    void everyFocusableControlHasAName()
    {
        const QHash<QString, QString> named = {
            {QStringLiteral("Form1 Text1"), QStringLiteral("点数")},
            {QStringLiteral("Form1 Text2"), QStringLiteral("選択肢１")},
            {QStringLiteral("Form1 Text16"), QStringLiteral("選択肢５の判定")},
            {QStringLiteral("Form1 Command8"), QStringLiteral("試験開始")},
            {QStringLiteral("Form2 Text1"), QStringLiteral("単語の一覧")},
            {QStringLiteral("Form4 Text1"), QStringLiteral("検索語")},
            {QStringLiteral("Form4 Text2"), QStringLiteral("検索結果")},
            {QStringLiteral("Form5 Picture1"), QStringLiteral("学習カード")},
        };
        FakePlatform fake;
        Form1 drill(fake.platform);
        openEverySecondaryWindow(drill);
        int checked = 0;
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (!window->isVisible() && window != &drill)
                continue;
            for (QWidget *control : window->findChildren<QWidget *>()) {
                // A combo box's closed list is not part of the window.
                if (!(control->focusPolicy() & Qt::TabFocus) || control->focusProxy() ||
                    !control->isVisibleTo(window))
                    continue;
                const QString where = QString::fromLatin1(window->metaObject()->className()) +
                                      u' ' + control->objectName();
                const QString name =
                    QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
                QVERIFY2(
                    !name.trimmed().isEmpty(),
                    qPrintable(where + u' ' + QLatin1String(control->metaObject()->className())));
                if (named.contains(where)) {
                    QCOMPARE(name, named[where]);
                    ++checked;
                }
            }
        }
        QCOMPARE(checked, named.size());
    }

    // Tab and Shift+Tab leave the multi-line boxes instead of typing a tab.
    void tabLeavesTheListBoxes_data()
    {
        QTest::addColumn<bool>("dictionary");
        QTest::addColumn<bool>("backwards");
        QTest::addColumn<QString>("next");
        QTest::addRow("result list, Tab") << false << false << QStringLiteral("Command1");
        QTest::addRow("result list, Shift+Tab") << false << true << QStringLiteral("Command4");
        QTest::addRow("dictionary, Tab") << true << false << QStringLiteral("Option1");
        QTest::addRow("dictionary, Shift+Tab") << true << true << QStringLiteral("Command2");
    }
    void tabLeavesTheListBoxes()
    {
        QFETCH(bool, dictionary);
        QFETCH(bool, backwards);
        QFETCH(QString, next);
        FakePlatform fake;
        const ResultTexts results;
        std::unique_ptr<QWidget> window;
        if (dictionary)
            window = std::make_unique<Form4>(fake.platform);
        else
            window = std::make_unique<Form2>(results);
        window->show();
        auto *box = window->findChild<QPlainTextEdit *>(dictionary ? QStringLiteral("Text2")
                                                                   : QStringLiteral("Text1"));
        box->setFocus();
        const QString before = box->toPlainText();
        QTest::keyClick(box, Qt::Key_Tab, backwards ? Qt::ShiftModifier : Qt::NoModifier);
        QCOMPARE(window->focusWidget()->objectName(), next);
        QCOMPARE(box->toPlainText(), before);
    }

    void webSiteOpensTheHiddenAddress()
    {
        FakePlatform fake;
        Form1 drill(fake.platform);
        click(&drill, "Command9");
        click(&drill, "Command99");
        click(openWindows<frmAbout>().first(), "Command1");
        click(&drill, "Command9"); // works with the about window open
        QCOMPARE(fake.urls.calls.size(), 3);
        for (int i : {0, 2}) {
            QCOMPARE(fake.urls.calls[i].owner.data(), &drill);
            QCOMPARE(fake.urls.calls[i].address, QStringLiteral("https://kotohana.example/"));
        }
        QCOMPARE(fake.urls.calls[1].owner.data(), openWindows<frmAbout>().first());
    }

    void dictionaryOpensOnce()
    {
        FakePlatform fake;
        Form1 drill(fake.platform);
        click(&drill, "Command22");
        const QList<Form4 *> first = openWindows<Form4>();
        QCOMPARE(first.size(), 1);
        auto *search = first.first()->findChild<QLineEdit *>(QStringLiteral("Text1"));
        search->setText(QStringLiteral("abc"));
        click(&drill, "Command22"); // brings it forward without reloading
        QCOMPARE(openWindows<Form4>(), first);
        QCOMPARE(search->text(), QStringLiteral("abc"));

        QPointer<Form4> closed(first.first());
        click(closed, "Command2");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(closed.isNull());
        click(&drill, "Command22");
        QCOMPARE(openWindows<Form4>().size(), 1);
        QVERIFY(openWindows<Form4>()
                    .first()
                    ->findChild<QLineEdit *>(QStringLiteral("Text1"))
                    ->text()
                    .isEmpty());
    }

    void studyWindowOpensOnceAndQuitEndsItsSession()
    {
        FakePlatform fake;
        Form1 drill(fake.platform);
        drill.show();
        click(&drill, "Command23");
        click(&drill, "Command23");
        QCOMPARE(openWindows<Form5>().size(), 1);
        Form5 *study = openWindows<Form5>().first();

        // 終了 pressed while a session waits between the two sides of a card.
        int waits = 0;
        fake.clock.onWait = [&] {
            if (++waits == 1)
                click(&drill, "Command7");
        };
        click(study, "Command1");
        const int drawsAfterQuit = fake.random.draws;
        QVERIFY(!study->isVisible());
        QVERIFY(!drill.isVisible());
        QCOMPARE(study->wordCounter(), Form5::kStopMark);
        QCoreApplication::processEvents();
        QCOMPARE(fake.random.draws, drawsAfterQuit);
    }

    void titleBarsShowTheCaptionAlone()
    {
        setApplicationInfo();
        FakePlatform fake;
        Form1 drill(fake.platform);
        drill.Command21_Click(); // the button itself waits for the end of a test
        for (const char *opener : {"Command22", "Command23", "Command99"})
            click(&drill, opener);
        const QList<QWidget *> windows = {
            &drill, openWindows<Form2>().value(0), openWindows<Form4>().value(0),
            openWindows<Form5>().value(0), openWindows<frmAbout>().value(0)};
        QStringList titles;
        for (const QWidget *window : windows)
            titles << (window ? PlatformTitle::of(window) : QString());
        QCOMPARE(titles, QStringList({QStringLiteral("コトハナ ７０００語"),
                                      QStringLiteral("「正解」「不正解」の一覧"),
                                      QStringLiteral("７０００単語の辞書"), QStringLiteral("学習"),
                                      QStringLiteral("バージョン情報")}));

        QString boxTitle;
        QTimer::singleShot(0, [&] {
            QWidget *box = QApplication::activeModalWidget();
            QVERIFY(box);
            boxTitle = PlatformTitle::of(box);
            box->close();
        });
        QtDialogs().question(&drill, QStringLiteral("結果"), QStringLiteral("100点満点で 0点です"));
        QCOMPARE(boxTitle, QStringLiteral("結果"));
    }

    void quitClosesTheDrill()
    {
        FakePlatform fake;
        Form1 drill(fake.platform);
        drill.show();
        click(&drill, "Command99");
        click(&drill, "Command7");
        QVERIFY(!drill.isVisible());
    }

    void frameCloseOfTheDrillLeavesTheOthers()
    {
        FakePlatform fake;
        Form1 drill(fake.platform);
        drill.show();
        click(&drill, "Command99");
        drill.Command21_Click();
        drill.close();
        QCOMPARE(openWindows<frmAbout>().size(), 1);
        QCOMPARE(openWindows<Form2>().size(), 1);
    }
};

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
