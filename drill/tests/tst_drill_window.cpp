#include "ContextMenu.h"
#include "DrillLogic.h"
#include "DrillScript.h"
#include "Form1.h"
#include "Form2.h"
#include "MyPath.h"
#include "SpokenEnglish.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

namespace {
const QString kOk = QStringLiteral("○");
const QString kNg = QStringLiteral("×");

struct Drill
{
    FakePlatform fake;
    Form1 form{fake.platform};

    template <typename T = QWidget> T *get(const QString &name) const
    {
        T *widget = form.findChild<T *>(name);
        if (!widget)
            qFatal("no control %s", qPrintable(name));
        return widget;
    }
    void click(const QString &name) const { get<QAbstractButton>(name)->click(); }
    QString text(const QString &name) const
    {
        if (auto *edit = form.findChild<QLineEdit *>(name))
            return edit->text();
        return get<QLabel>(name)->text();
    }
    bool enabled(const QString &name) const { return get(name)->isEnabled(); }

    // Shows the next question with the word `question` in `slot`.
    void next(int question, int slot)
    {
        scriptQuestion(fake.random, question, slot);
        click(QStringLiteral("Command1"));
    }
    void answer(int choice) { click(QStringLiteral("Command%1").arg(choice + 1)); }
};

// ✓ enabled, – disabled: 試験開始, 次へ, １, ←, 結果
QString drillButtons(const Drill &d)
{
    QString states;
    for (const char *name : {"Command8", "Command1", "Command2", "Command10", "Command21"})
        states += d.enabled(QLatin1String(name)) ? u'✓' : u'–';
    return states;
}
} // namespace

class TestDrillWindow : public QObject
{
    Q_OBJECT
  private Q_SLOTS:
    void window()
    {
        Drill d;
        QCOMPARE(d.form.windowTitle(), QStringLiteral("コトハナ ７０００語"));
        QVERIFY(!d.form.windowIcon().isNull());
        QVERIFY(!(d.form.windowFlags() &
                  (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint)));
        // Tab goes round the visible controls and never lands below the client area.
        d.form.show();
        QStringList visited;
        for (int i = 0; i < 60 && !visited.contains(QStringLiteral("Command8")); ++i) {
            QTest::keyClick(d.form.focusWidget(), Qt::Key_Tab);
            visited << d.form.focusWidget()->objectName();
        }
        QCOMPARE(visited.last(), QStringLiteral("Command8"));
        for (const char *unseen : {"Option5", "Option6", "Text99"})
            QVERIFY2(!visited.contains(QLatin1String(unseen)), unseen);
        QCOMPARE(d.get(QStringLiteral("Line1"))->palette().color(QPalette::Window),
                 QColor(Qt::white));
    }

    void startUp()
    {
        Drill d;
        QCOMPARE(d.fake.media.calls,
                 QStringList({QStringLiteral("Close"), QStringLiteral("DeviceType waveAudio"),
                              QStringLiteral("FileName ") + MyPath() + QStringLiteral("ok.wav"),
                              QStringLiteral("Open"), QStringLiteral("Close"),
                              QStringLiteral("DeviceType waveAudio"),
                              QStringLiteral("FileName ") + MyPath() + QStringLiteral("ng.wav"),
                              QStringLiteral("Open")}));
        QCOMPARE(drillButtons(d), QStringLiteral("✓––––"));
        QVERIFY(!d.enabled(QStringLiteral("Command11")));
        for (const char *box : {"Text1", "Text2", "Text6", "Text12", "Text16"})
            QVERIFY(!d.enabled(QLatin1String(box)));
        for (const char *always : {"Command22", "Command23", "Command99", "Command9", "Command7"})
            QVERIFY(d.enabled(QLatin1String(always)));
        QCOMPARE(d.text(QStringLiteral("Text1")), QStringLiteral("点　数"));
        QCOMPARE(d.text(QStringLiteral("Label1")), QStringLiteral("コトハナ 7000語"));
        for (const char *checked : {"Option92", "Option1", "Option3", "Option5"})
            QVERIFY(d.get<QRadioButton>(QLatin1String(checked))->isChecked());
        QCOMPARE(d.text(QStringLiteral("Text99")), QStringLiteral("https://kotohana.example/"));
    }

    void perfectTest()
    {
        Drill d;
        QString buttonsWhileBoxOpen;
        d.fake.dialogs.whileOpen = [&] { buttonsWhileBoxOpen = drillButtons(d); };
        d.click(QStringLiteral("Command8"));
        QCOMPARE(drillButtons(d), QStringLiteral("✓✓–––"));
        QString expected;
        for (int i = 1; i <= 20; ++i) {
            const int slot = 1 + i % 5;
            d.next(i * 10, slot);
            QCOMPARE(drillButtons(d), QStringLiteral("–✓✓––"));
            QCOMPARE(d.text(QStringLiteral("Label1")), english(3, i * 10));
            QCOMPARE(d.text(QStringLiteral("Text%1").arg(slot + 1)), japanese(3, i * 10));
            d.answer(slot);
            QCOMPARE(d.text(QStringLiteral("Text1")), QStringLiteral(" %1／ %1").arg(i));
            expected += QStringLiteral(" ○ ") + english(3, i * 10) + u' ' + japanese(3, i * 10) +
                        QStringLiteral("\n");
        }
        QVERIFY(d.fake.dialogs.shown.isEmpty());
        d.click(QStringLiteral("Command1"));
        QCOMPARE(d.fake.dialogs.shown.size(), 1);
        QCOMPARE(d.fake.dialogs.shown[0].title, QStringLiteral("結果"));
        QCOMPARE(d.fake.dialogs.shown[0].text, QStringLiteral("100点満点で 100点です"));
        QCOMPARE(buttonsWhileBoxOpen, QStringLiteral("–✓✓––")); // the review opens after the box
        QCOMPARE(drillButtons(d), QStringLiteral("–––✓✓"));
        QVERIFY(d.enabled(QStringLiteral("Command11")));
        // The last question stays on screen.
        QCOMPARE(d.text(QStringLiteral("Label1")), english(3, 200));

        // The result list window reads what the test left.
        d.click(QStringLiteral("Command21"));
        Form2 *results = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *window = qobject_cast<Form2 *>(w))
                results = window;
        QVERIFY(results);
        QCOMPARE(results->findChild<QLineEdit *>(QStringLiteral("Text2"))->text(),
                 QStringLiteral(" 100点"));
        results->findChild<QAbstractButton *>(QStringLiteral("Command1"))->click();
        QCOMPARE(results->findChild<QPlainTextEdit *>(QStringLiteral("Text1"))->toPlainText(),
                 QStringLiteral("正解した単語\n\n") + expected);
        results->close();
    }

    void onlyTheFirstPressCounts()
    {
        Drill d;
        d.click(QStringLiteral("Command8"));
        d.next(5, 1);
        const qsizetype before = d.fake.media.calls.size();
        d.answer(2); // wrong
        d.answer(1); // right, but too late
        d.answer(1);
        QCOMPARE(d.text(QStringLiteral("Text12")), kOk);
        QCOMPARE(d.text(QStringLiteral("Text13")), kNg);
        QCOMPARE(d.text(QStringLiteral("Text1")), QStringLiteral(" 0／ 1"));
        const QString folder = MyPath();
        const auto cue = [&](const char *file) {
            return QStringList({QStringLiteral("Close"), QStringLiteral("DeviceType waveAudio"),
                                QStringLiteral("FileName ") + folder + QLatin1String(file),
                                QStringLiteral("Open"), QStringLiteral("Play")});
        };
        QCOMPARE(d.fake.media.calls.mid(before), cue("ng.wav") + cue("ok.wav") + cue("ok.wav"));

        d.next(6, 3);
        QCOMPARE(d.fake.media.calls.last(),
                 QStringLiteral("Close")); // 次へ stops a cue still playing
        d.answer(3);
        d.answer(3);
        QCOMPARE(d.text(QStringLiteral("Text1")), QStringLiteral(" 1／ 2"));
    }

    void review()
    {
        Drill d;
        d.click(QStringLiteral("Command8"));
        for (int i = 1; i <= 20; ++i)
            d.next(i + 300, 1 + i % 5);
        d.click(QStringLiteral("Command1"));

        d.click(QStringLiteral("Command11")); // → at the last question stays there
        QCOMPARE(d.text(QStringLiteral("Text1")), QStringLiteral("20"));
        QCOMPARE(d.text(QStringLiteral("Label1")), english(3, 320));
        QCOMPARE(d.text(QStringLiteral("Text2")), english(3, 320) + u' ' + japanese(3, 320));
        QCOMPARE(d.text(QStringLiteral("Text12")), kOk);
        QCOMPARE(d.text(QStringLiteral("Text13")), kNg);
        QCOMPARE(drillButtons(d), QStringLiteral("✓––✓✓"));

        d.click(QStringLiteral("Command10"));
        QCOMPARE(d.text(QStringLiteral("Text1")), QStringLiteral("19"));
        QCOMPARE(d.text(QStringLiteral("Label1")), english(3, 319));
        QCOMPARE(d.text(QStringLiteral("Text6")), english(3, 319) + u' ' + japanese(3, 319));
        QCOMPARE(d.text(QStringLiteral("Text16")), kOk);

        // The same questions with the sides swapped after a change of direction.
        d.click(QStringLiteral("Option4"));
        QCOMPARE(drillButtons(d), QStringLiteral("✓––✓✓"));
        d.click(QStringLiteral("Command11"));
        QCOMPARE(d.text(QStringLiteral("Label1")), japanese(3, 320));
        QCOMPARE(d.text(QStringLiteral("Text2")), japanese(3, 320) + u' ' + english(3, 320));

        for (int i = 0; i < 25; ++i)
            d.click(QStringLiteral("Command10"));
        QCOMPARE(d.text(QStringLiteral("Text1")), QStringLiteral("1"));
        QCOMPARE(d.text(QStringLiteral("Label1")), japanese(3, 301));
    }

    // With a screen reader listening, the question label and the mark boxes announce their
    // changes; it reads the label by its text and a mark box by its own name, the mark its value.
    void questionAndMarksAnnounceTheirChanges()
    {
        QPlatformAccessibility *bridge =
            QGuiApplicationPrivate::platformIntegration()->accessibility();
        if (!bridge)
            QSKIP("the platform offers no accessibility");
        static QStringList heard;
        heard.clear();
        bridge->setActive(true);
        const auto previous = QAccessible::installUpdateHandler([](QAccessibleEvent *event) {
            switch (event->type()) {
            case QAccessible::NameChanged:
            case QAccessible::TextInserted:
            case QAccessible::TextRemoved:
            case QAccessible::TextUpdated:
                heard << event->object()->objectName();
                break;
            default:
                break;
            }
        });
        const auto read = [](QWidget *control, QAccessible::Text text) {
            return QAccessible::queryAccessibleInterface(control)->text(text);
        };
        {
            Drill d;
            d.click(QStringLiteral("Command8"));
            d.next(7, 3);
            QVERIFY(heard.contains(QStringLiteral("Label1")));
            QCOMPARE(read(d.get(QStringLiteral("Label1")), QAccessible::Name),
                     english(3, 7)); // the second list: bank 3
            heard.clear();
            d.answer(2);
            QCOMPARE(heard, QStringList(QStringLiteral("Text13")));
            QCOMPARE(read(d.get(QStringLiteral("Text13")), QAccessible::Name),
                     QStringLiteral("選択肢２の判定"));
            QCOMPARE(read(d.get(QStringLiteral("Text13")), QAccessible::Value), kNg);
        }
        QAccessible::installUpdateHandler(previous);
        bridge->setActive(false);
    }

    void modeOptionsChangeNothing()
    {
        Drill d;
        d.click(QStringLiteral("Command8"));
        d.next(3, 2);
        const QString before = drillButtons(d) + d.text(QStringLiteral("Label1"));
        d.click(QStringLiteral("Option6"));
        d.click(QStringLiteral("Option5"));
        QCOMPARE(drillButtons(d) + d.text(QStringLiteral("Label1")), before);
    }

    void resultsButtonEnablesTheStart()
    {
        Drill d;
        d.click(QStringLiteral("Command8"));
        for (int i = 1; i <= 21; ++i)
            d.next(i, 1);
        QCOMPARE(drillButtons(d), QStringLiteral("–––✓✓"));
        d.click(QStringLiteral("Command21"));
        QCOMPARE(drillButtons(d), QStringLiteral("✓––✓✓"));
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w != &d.form)
                w->close();
    }

    // A whole test from the keyboard: Enter for 次へ, the digits of either row for the answers,
    // PageUp and PageDown for the review; keys typed into a text box stay in the box.
    void keysTakeATest()
    {
        Drill d;
        d.form.show();
        QApplication::setActiveWindow(&d.form);
        QVERIFY(QTest::qWaitForWindowActive(&d.form));
        const auto marks = [&d] {
            QString marks;
            for (int k = 12; k <= 16; ++k)
                marks += d.text(QStringLiteral("Text%1").arg(k)).isEmpty() ? u'.' : u'x';
            return marks;
        };
        d.click(QStringLiteral("Command8"));
        QTest::keyClick(&d.form, Qt::Key_1);
        QTest::qWait(150);
        QCOMPARE(marks(), QStringLiteral("....."));

        scriptQuestion(d.fake.random, 10, 3);
        QTest::keyClick(&d.form, Qt::Key_Return);
        QTRY_COMPARE(d.text(QStringLiteral("Text1")), scoreBoxText(0, 1));
        auto *choice = d.get<QLineEdit>(QStringLiteral("Text4"));
        choice->setFocus();
        QTest::keyClick(choice, Qt::Key_3);
        QTest::keyClick(choice, Qt::Key_3, Qt::KeypadModifier);
        QTest::qWait(150);
        QVERIFY(choice->text().endsWith(QStringLiteral("33")));
        QCOMPARE(marks(), QStringLiteral("....."));
        d.get(QStringLiteral("Command2"))->setFocus();
        QTest::keyClick(d.form.focusWidget(), Qt::Key_2);
        QTRY_COMPARE(marks(), QStringLiteral(".x..."));
        QTest::keyClick(d.form.focusWidget(), Qt::Key_3, Qt::KeypadModifier);
        QTRY_COMPARE(marks(), QStringLiteral(".xx.."));
        QCOMPARE(d.text(QStringLiteral("Text1")), scoreBoxText(0, 1));

        scriptQuestion(d.fake.random, 20, 1);
        QTest::keyClick(d.form.focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
        QTRY_COMPARE(d.text(QStringLiteral("Text1")), scoreBoxText(0, 2));
        for (int question = 3; question <= 20; ++question) {
            d.next(question, 1);
            d.answer(1);
        }
        d.click(QStringLiteral("Command1"));
        QTest::keyClick(d.form.focusWidget(), Qt::Key_PageUp);
        QTRY_COMPARE(d.text(QStringLiteral("Text1")), QStringLiteral("19"));
        QTest::keyClick(d.form.focusWidget(), Qt::Key_PageDown);
        QTRY_COMPARE(d.text(QStringLiteral("Text1")), QStringLiteral("20"));
    }

    // 発音を聞く speaks the English shown: the question in 英和, the choices in 和英 and in the
    // review; it is disabled where a control shows Japanese or nothing, or without an engine.
    void speechEntries()
    {
        const QString hear = QStringLiteral("発音を聞く");
        Drill d;
        auto *label = d.get(QStringLiteral("Label1"));
        auto *choice = d.get(QStringLiteral("Text3"));
        d.click(QStringLiteral("Command8"));
        QVERIFY(!contextMenuEntry(label, hear)->isEnabled());

        d.next(10, 2);
        const QString question = spokenEnglish(d.text(QStringLiteral("Label1")));
        QVERIFY(!contextMenuEntry(choice, hear)->isEnabled());
        QAction *entry = contextMenuEntry(label, hear);
        QCOMPARE(entry->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_L));
        entry->trigger();
        QCOMPARE(d.fake.speaker.said, QStringList{question});
        d.fake.speaker.engine = false;
        QVERIFY(!contextMenuEntry(label, hear)->isEnabled());
        d.fake.speaker.engine = true;

        d.click(QStringLiteral("Option4"));
        d.click(QStringLiteral("Command8"));
        d.next(10, 2);
        QVERIFY(!contextMenuEntry(label, hear)->isEnabled());
        contextMenuEntry(choice, hear)->trigger();
        closeContextMenu();
        QCOMPARE(d.fake.speaker.said.last(), spokenEnglish(d.text(QStringLiteral("Text3"))));
        // The shortcut speaks the choice in focus; in 和英 the question has no English to say.
        d.form.show();
        QApplication::setActiveWindow(&d.form);
        QVERIFY(QTest::qWaitForWindowActive(&d.form));
        d.get(QStringLiteral("Command6"))->setFocus();
        QTest::keyClick(d.form.focusWidget(), Qt::Key_L, Qt::ControlModifier);
        QCOMPARE(d.fake.speaker.said.last(), spokenEnglish(d.text(QStringLiteral("Text6"))));
        d.get(QStringLiteral("Command22"))->setFocus();
        QTest::keyClick(d.form.focusWidget(), Qt::Key_L, Qt::ControlModifier);
        QCOMPARE(d.fake.speaker.said.size(), 3);
    }
};

QTEST_MAIN(TestDrillWindow)
#include "tst_drill_window.moc"
