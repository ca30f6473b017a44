#include "ContextMenu.h"
#include "Fakes.h"
#include "Form4.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QInputMethodQueryEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextBlock>

namespace {
QString shown(const QString &crLfText)
{
    return QString(crLfText).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// Counts the times the input method asks a box whether it takes input.
class ImEnabledQueries final : public QObject
{
  public:
    int count = 0;

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::InputMethodQuery &&
            (static_cast<QInputMethodQueryEvent *>(event)->queries() & Qt::ImEnabled)) {
            ++count;
        }
        return false;
    }
};
} // namespace

using namespace Qt::StringLiterals;

class TestDictionaryWindow : public QObject
{
    Q_OBJECT
  private:
    FakePlatform m_fakes;
    QPointer<Form4> m_window;

    QLineEdit *searchBox() { return m_window->findChild<QLineEdit *>(QStringLiteral("Text1")); }
    QPlainTextEdit *resultBox()
    {
        return m_window->findChild<QPlainTextEdit *>(QStringLiteral("Text2"));
    }
    void click(const char *name)
    {
        auto *button = m_window->findChild<QAbstractButton *>(QLatin1String(name));
        QVERIFY2(button, name);
        QTest::mouseClick(button, Qt::LeftButton);
    }
    void search(const QString &text)
    {
        searchBox()->setText(text);
        click("Command1");
    }
    // The answer the input method gets when it asks whether the search box takes input.
    bool searchBoxTakesInputMethod()
    {
        QInputMethodQueryEvent query(Qt::ImEnabled);
        QCoreApplication::sendEvent(searchBox(), &query);
        return query.value(Qt::ImEnabled).toBool();
    }
    void closeAndWait()
    {
        QVERIFY(m_window);
        QVERIFY(m_window->isVisible());
        click("Command2");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!m_window);
    }

    void checkDefaults()
    {
        QVERIFY(m_window->findChild<QRadioButton *>(QStringLiteral("Option1"))->isChecked());
        QVERIFY(!m_window->findChild<QRadioButton *>(QStringLiteral("Option2"))->isChecked());
        QVERIFY(searchBox()->text().isEmpty());
        QVERIFY(resultBox()->toPlainText().isEmpty());
        QVERIFY(!searchBoxTakesInputMethod());
    }

  private Q_SLOTS:
    void init()
    {
        m_fakes.inputMethod.calls.clear();
        m_window = new Form4(m_fakes.platform);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
    }

    void cleanup() { delete m_window; }

    void window()
    {
        QCOMPARE(m_window->windowTitle(), QStringLiteral("７０００単語の辞書"));
        QVERIFY(!m_window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(!m_window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!m_window->windowIcon().isNull());
        QVERIFY(m_window->testAttribute(Qt::WA_DeleteOnClose));
        QCOMPARE(resultBox()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        QCOMPARE(QApplication::focusWidget(), searchBox());
    }

    void opensWithTheDefaults() { checkDefaults(); }

    void letterButtonsAppendLowerCase_data()
    {
        QTest::addColumn<QByteArray>("direction");
        QTest::addRow("in 英和") << QByteArray("Option1");
        QTest::addRow("in 和英") << QByteArray("Option2");
    }
    void letterButtonsAppendLowerCase()
    {
        QFETCH(QByteArray, direction);
        click(direction.constData());
        searchBox()->setText(QStringLiteral("Q"));
        // The buttons by caption, Ａ to Ｚ.
        for (char16_t caption = u'Ａ'; caption <= u'Ｚ'; ++caption) {
            QAbstractButton *found = nullptr;
            for (QAbstractButton *button : m_window->findChildren<QAbstractButton *>()) {
                if (button->text() == QChar(caption))
                    found = button;
            }
            QVERIFY(found);
            QTest::mouseClick(found, Qt::LeftButton);
        }
        QCOMPARE(searchBox()->text(), QStringLiteral("Qabcdefghijklmnopqrstuvwxyz"));
    }

    void searchWritesTheResult()
    {
        click("Command30"); // Ｚ
        click("Command1");
        const QString text = resultBox()->toPlainText();
        QVERIFY(text.startsWith(QStringLiteral("○中学単語\n\n  zebra") + QString(21, u' ') +
                                QStringLiteral("シマウマ")));
        QCOMPARE(text, shown(*searchDictionary(QStringLiteral("z"), Direction::EnglishToJapanese)));

        // Enter in the search box searches as 検 索 does.
        click("Option2");
        searchBox()->setText(QStringLiteral("の"));
        QTest::keyClick(searchBox(), Qt::Key_Return);
        QCOMPARE(resultBox()->blockCount(), 1041 + 9);
    }

    void columnsLineUp()
    {
        // Every match line is 60 columns; in the fixed-pitch face they are all equally wide.
        click("Option2");
        search(QStringLiteral("の"));
        const QFontMetricsF metrics(resultBox()->font());
        const qreal columnWidth = metrics.horizontalAdvance(u' ');
        int lines = 0;
        for (const QString &line : resultBox()->toPlainText().split(u'\n')) {
            if (!line.startsWith(QStringLiteral("  ")))
                continue;
            ++lines;
            QCOMPARE(metrics.horizontalAdvance(line), 60 * columnWidth);
        }
        QCOMPARE(lines, 1041);
    }

    // 発音を聞く speaks the English of the line under the pointer, the shortcut that of the line
    // at the text cursor, in whichever direction the result shown was searched.
    void speechOfResultLines()
    {
        const QString hear = QStringLiteral("発音を聞く");
        const QString spoken = QStringLiteral("make allowances for");
        QStringList &said = m_fakes.speaker.said;
        said.clear();
        const auto line = [this](const QString &start) {
            for (QTextBlock block = resultBox()->document()->begin(); block.isValid();
                 block = block.next()) {
                if (block.text().startsWith(start))
                    return block;
            }
            return QTextBlock();
        };
        const auto pointAt = [this](const QTextBlock &block) {
            return resultBox()->cursorRect(QTextCursor(block)).center();
        };

        search(QStringLiteral("make allowance"));
        QVERIFY(
            !contextMenuEntry(resultBox(), hear, pointAt(line(QStringLiteral("○"))))->isEnabled());
        const QTextBlock entry = line(QStringLiteral("  make"));
        contextMenuEntry(resultBox(), hear, pointAt(entry))->trigger();
        QCOMPARE(said, QStringList{spoken});
        click("Option2");
        contextMenuEntry(resultBox(), hear, pointAt(entry))->trigger();
        QCOMPARE(said.size(), 2);
        QCOMPARE(said.last(), spoken);

        search(QStringLiteral("大目に見る"));
        resultBox()->setTextCursor(QTextCursor(line(QStringLiteral("  前もって"))));
        closeContextMenu();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        QTest::keyClick(resultBox(), Qt::Key_L, Qt::ControlModifier);
        QCOMPARE(said.size(), 3);
        QCOMPARE(said.last(), spoken);

        m_fakes.speaker.engine = false;
        QVERIFY(!contextMenuEntry(resultBox(), hear, pointAt(line(QStringLiteral("  前もって"))))
                     ->isEnabled());
        closeContextMenu();
        m_fakes.speaker.engine = true;
    }

    void refusedSearchLeavesTheResult_data()
    {
        QTest::addColumn<QByteArray>("direction");
        QTest::addColumn<QString>("text");
        // Which texts are refused is the search's own test; one for each direction here.
        QTest::addRow("empty in 英和") << QByteArray("Option1") << QString();
        QTest::addRow("ASCII letter in 和英") << QByteArray("Option2") << QStringLiteral("a");
    }
    void refusedSearchLeavesTheResult()
    {
        QFETCH(QByteArray, direction);
        QFETCH(QString, text);
        search(QStringLiteral("x"));
        const QString before = resultBox()->toPlainText();
        QVERIFY(!before.isEmpty());
        click(direction.constData());
        search(text);
        QCOMPARE(resultBox()->toPlainText(), before);
        QCOMPARE(searchBox()->text(), text);
    }

    void clearEmptiesOnlyTheSearchBox()
    {
        search(QStringLiteral("z"));
        const QString result = resultBox()->toPlainText();
        click("Command19");
        QVERIFY(searchBox()->text().isEmpty());
        QCOMPARE(resultBox()->toPlainText(), result);
    }

    void directionSwitchKeepsTheResult()
    {
        search(QStringLiteral("z"));
        const QString result = resultBox()->toPlainText();
        searchBox()->setText(QStringLiteral("zebra"));
        click("Option2");
        QVERIFY(searchBox()->text().isEmpty());
        QCOMPARE(resultBox()->toPlainText(), result);
        QVERIFY(searchBoxTakesInputMethod());
        QVERIFY(!searchBox()->inputMethodHints().testFlag(Qt::ImhLatinOnly));

        searchBox()->setText(QStringLiteral("シマウマ"));
        click("Option1");
        QVERIFY(searchBox()->text().isEmpty());
        QCOMPARE(resultBox()->toPlainText(), result);
        QVERIFY(!searchBoxTakesInputMethod());
        QVERIFY(searchBox()->inputMethodHints().testFlag(Qt::ImhLatinOnly));

        // A click on the option already chosen runs its handler again.
        searchBox()->setText(QStringLiteral("zoo"));
        click("Option1");
        QVERIFY(searchBox()->text().isEmpty());
    }

    void searchBoxTakingTheFocusSetsTheInputMethod_data()
    {
        QTest::addColumn<QByteArray>("direction");
        QTest::addColumn<QStringList>("turned");
        QTest::addRow("和英 turns it on") << QByteArray("Option2") << QStringList{u"on"_s};
        // The input method knows of no box of this program then, and its last box may be another
        // program's.
        QTest::addRow("英和 leaves it alone") << QByteArray("Option1") << QStringList{};
    }
    void searchBoxTakingTheFocusSetsTheInputMethod()
    {
        QFETCH(QByteArray, direction);
        QFETCH(QStringList, turned);
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        click(direction.constData());
        QVERIFY(!searchBox()->hasFocus());
        QVERIFY(m_fakes.inputMethod.calls.isEmpty());
        QTest::mouseClick(searchBox(), Qt::LeftButton);
        QVERIFY(searchBox()->hasFocus());
        QCOMPARE(m_fakes.inputMethod.calls, turned);
    }

    void directionChangeInTheFocusedBoxReachesTheInputMethod_data()
    {
        QTest::addColumn<bool>("japanese");
        QTest::addColumn<QStringList>("turned");
        QTest::addRow("to 和英") << true << QStringList{u"on"_s};
        QTest::addRow("to 英和") << false << QStringList{u"off"_s};
    }
    void directionChangeInTheFocusedBoxReachesTheInputMethod()
    {
        QFETCH(bool, japanese);
        QFETCH(QStringList, turned);
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        if (!japanese)
            m_window->Option2_Click();
        QTest::mouseClick(searchBox(), Qt::LeftButton);
        QVERIFY(searchBox()->hasFocus());
        m_fakes.inputMethod.calls.clear();
        ImEnabledQueries queries;
        searchBox()->installEventFilter(&queries);

        japanese ? m_window->Option2_Click() : m_window->Option1_Click();
        // Qt's input-method module asks again, and hears the new answer.
        QVERIFY(queries.count > 0);
        QCOMPARE(searchBoxTakesInputMethod(), japanese);
        QCOMPARE(m_fakes.inputMethod.calls, turned);
        searchBox()->removeEventFilter(&queries);
    }

    void reopenShowsTheDefaults_data()
    {
        QTest::addColumn<bool>("byCloseBox");
        QTest::addRow("closed by 戻 る") << false;
        QTest::addRow("closed by the close box") << true;
    }
    void reopenShowsTheDefaults()
    {
        QFETCH(bool, byCloseBox);
        click("Option2");
        search(QStringLiteral("事故"));
        if (byCloseBox) {
            QVERIFY(m_window->close());
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(!m_window);
        } else {
            closeAndWait();
        }
        init();
        checkDefaults();
        search(QStringLiteral("Zoo"));
        QVERIFY(resultBox()->toPlainText().contains(QStringLiteral("  zoo ")));
    }
};

QTEST_MAIN(TestDictionaryWindow)
#include "tst_dictionary_window.moc"
