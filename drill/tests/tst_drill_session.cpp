// The drill's rules without a window: selection, rotation, questions, judging, score, review and
// which buttons are enabled, driven as Form1 drives them.

#include "DrillScript.h"
#include "DrillSession.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {
struct Drill
{
    FakeClock clock; // 00:00:00: a first draw of 2 makes one discard pick, the question word
    ScriptedRandom random;
    DrillSession session;

    // As the window's load step leaves it: 高校, 20 questions, 英和.
    Drill()
    {
        session.selectLevel(2);
        session.setTestLength(20);
    }

    // 次へ showing the word `question` in `slot`.
    QuestionView ask(int question, int slot)
    {
        scriptQuestion(random, question, slot);
        if (session.next())
            qFatal("the test is over");
        return session.askNextQuestion(random, clock);
    }

    // 次へ after the last question, and the score message closed.
    QString end()
    {
        if (!session.next())
            qFatal("the test is not over");
        const QString score = session.finalScore();
        session.finishTest();
        return score;
    }

    // A whole test whose question i is word i in slot 1, the first `right` answered right, the
    // others wrong, then its end.
    QString test(int length, int right)
    {
        session.setTestLength(length);
        session.startTest();
        for (int i = 1; i <= length; ++i) {
            ask(i, 1);
            session.answer(i <= right ? 1 : 2);
        }
        return end();
    }

    // Steps: s 試験開始, n 次へ with a question, e 次へ ending the test, < ←, > →, r 結果,
    // l 高校, c 50問, d 和英. Returns the question number the last ← or → shows.
    QString take(const QString &steps)
    {
        QString reviewed;
        for (const QChar step : steps) {
            if (step == u's')
                session.startTest();
            else if (step == u'n')
                ask(++m_asked, 1);
            else if (step == u'e')
                end();
            else if (step == u'<' || step == u'>')
                reviewed = session.review(step == u'<' ? -1 : +1).number;
            else if (step == u'r')
                session.resultsShown();
            else if (step == u'l')
                session.selectLevel(2);
            else if (step == u'c')
                session.setTestLength(50);
            else if (step == u'd')
                session.setDirection(u"和英"_s);
        }
        return reviewed;
    }

    // ✓ enabled, – disabled: 試験開始, 次へ, １..５, ← →, 結果, text boxes.
    QString buttons() const
    {
        const DrillButtons &b = session.buttons();
        QString states;
        for (bool enabled : {b.start, b.next, b.answers, b.review, b.results, b.boxes})
            states += enabled ? u'✓' : u'–';
        return states;
    }

  private:
    int m_asked = 0;
};

QString line(const char16_t *mark, const QString &question, const QString &answer)
{
    return QString::fromUtf16(mark) + question + u' ' + answer + QStringLiteral("\r\n");
}
} // namespace

class TestDrillSession : public QObject
{
    Q_OBJECT
  private Q_SLOTS:
    // Steps as Drill::take reads them.
    void buttons_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("states");
        QTest::addRow("start-up") << QString() << u"✓–––––"_s;
        QTest::addRow("試験開始") << u"s"_s << u"✓✓–––✓"_s;
        QTest::addRow("次へ showing a question") << u"sn"_s << u"–✓✓––✓"_s;
        QTest::addRow("次へ ending the test") << u"s"_s + QString(20, u'n') + u"e"_s << u"–––✓✓✓"_s;
        QTest::addRow("← after the test") << u"s"_s + QString(20, u'n') + u"e<"_s << u"✓––✓✓✓"_s;
        QTest::addRow("結果 after the test") << u"s"_s + QString(20, u'n') + u"er"_s << u"✓––✓✓✓"_s;
        QTest::addRow("a level during a test") << u"snl"_s << u"✓–✓––✓"_s;
        QTest::addRow("a length during a test") << u"snc"_s << u"✓–✓––✓"_s;
        QTest::addRow("a direction during a test") << u"snd"_s << u"✓–✓✓–✓"_s;
        QTest::addRow("a level after a direction") << u"dl"_s << u"✓–––––"_s;
    }
    void buttons()
    {
        QFETCH(QString, steps);
        QFETCH(QString, states);
        Drill d;
        d.take(steps);
        QCOMPARE(d.buttons(), states);
    }

    void testsRotateOverTheLevelsBanks_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<QList<int>>("banks");
        QTest::addRow("高校 starts on bank 3") << 2 << QList<int>{3, 4, 2, 3};
        QTest::addRow("中学 is bank 1 throughout") << 1 << QList<int>{1, 1, 1};
        QTest::addRow("大学 uses banks 5 to 7") << 3 << QList<int>{6, 7, 5};
    }
    void testsRotateOverTheLevelsBanks()
    {
        QFETCH(int, level);
        QFETCH(QList<int>, banks);
        Drill d;
        d.session.selectLevel(level);
        for (int bank : banks) {
            d.session.startTest();
            const QuestionView shown = d.ask(7, 1);
            QCOMPARE(shown.question, english(bank, 7));
            QCOMPARE(shown.choices[0], japanese(bank, 7));
            QCOMPARE(shown.choices[1], japanese(bank, 108));
            QCOMPARE(shown.score, u" 0／ 1"_s);
        }
    }

    void japaneseToEnglishSwapsTheSides()
    {
        Drill d;
        d.session.setDirection(u"和英"_s);
        d.session.startTest();
        const QuestionView shown = d.ask(714, 3);
        QCOMPARE(shown.question, japanese(3, 714));
        QCOMPARE(shown.choices[2], english(3, 714));
    }

    void score_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("right");
        QTest::addColumn<QString>("score");
        QTest::addRow("29 of 50 gives 57") << 50 << 29 << u" 57"_s;
        QTest::addRow("all 50 right gives 100") << 50 << 50 << u" 100"_s;
        QTest::addRow("none of 20 gives 0") << 20 << 0 << u" 0"_s;
        QTest::addRow("13 of 20 gives 65") << 20 << 13 << u" 65"_s;
    }
    void score()
    {
        QFETCH(int, length);
        QFETCH(int, right);
        QFETCH(QString, score);
        Drill d;
        QCOMPARE(d.test(length, right), score);
        const ResultTexts &results = d.session.results();
        QCOMPARE(results.scoreText, score);
        QCOMPARE(results.correctList.count(u"\r\n"_s), right);
        QCOMPARE(results.incorrectList.count(u"\r\n"_s), length - right);
    }

    void aSkippedQuestionCountsAsAsked()
    {
        Drill d;
        d.session.startTest();
        for (int i = 1; i <= 20; ++i) {
            d.ask(i, 1);
            if (i != 7)
                d.session.answer(1);
        }
        QCOMPARE(d.end(), u" 95"_s);
        QCOMPARE(d.session.results().correctList.count(u"\r\n"_s), 19);
        QVERIFY(d.session.results().incorrectList.isEmpty());
    }

    void onlyTheFirstPressCounts()
    {
        Drill d;
        d.session.startTest();
        d.ask(5, 1);
        QCOMPARE(d.session.answer(2).right, false);
        const DrillSession::Answer late = d.session.answer(1);
        QVERIFY(late.right);
        QVERIFY(!late.score); // too late to count
        QCOMPARE(d.session.results().incorrectList,
                 line(u" × ", english(3, 5), japanese(3, 5))); // names the right answer
        QVERIFY(d.session.results().correctList.isEmpty());

        d.ask(6, 3);
        QCOMPARE(d.session.answer(3).score, u" 1／ 2"_s);
        QVERIFY(!d.session.answer(3).score);
        QCOMPARE(d.session.results().correctList, line(u" ○ ", english(3, 6), japanese(3, 6)));
    }

    void aDistractorEqualToTheQuestionIsWrong()
    {
        Drill d;
        d.session.startTest();
        // Choice 1 draws the question word three times and keeps it; the answer goes into slot 5.
        for (int pick : {2, 9, 9, 9, 9, 20, 21, 22, 23})
            d.random.queuePick(pick, 1000);
        d.random.queuePick(5, 5);
        d.session.next();
        const QuestionView shown = d.session.askNextQuestion(d.random, d.clock);
        QCOMPARE(shown.choices[0], shown.choices[4]);
        QVERIFY(!d.session.answer(1).right);
        for (int i = 2; i <= 20; ++i)
            d.ask(i, 1);
        d.end();
        for (int i = 0; i < 20; ++i)
            d.session.review(-1);
        QCOMPARE(d.session.review(-1).markedChoice, 5); // the last matching choice
    }

    void abandonedTestCountsNothing()
    {
        Drill d;
        d.session.startTest();
        d.ask(1, 1);
        d.session.setTestLength(50);
        const DrillSession::Answer pressed = d.session.answer(1);
        QVERIFY(pressed.right); // still marked and sounded
        QVERIFY(!pressed.score);
        QVERIFY(d.session.results().correctList.isEmpty());

        d.session.startTest();
        d.ask(1, 1);
        QCOMPARE(d.session.answer(1).score, u" 1／ 1"_s); // the new test counts again
        for (int i = 2; i <= 20; ++i)
            d.ask(i, 1); // a 50-question test now
        for (int i = 21; i <= 50; ++i)
            d.ask(i, 1);
        QCOMPARE(d.end(), u" 2"_s);
    }

    void scoreTextSurvivesTheNextStart()
    {
        Drill d;
        d.test(20, 20);
        d.session.startTest();
        d.ask(1, 1);
        d.session.answer(2);
        QCOMPARE(d.session.results().scoreText, u" 100"_s);
        QCOMPARE(d.session.results().incorrectList.count(u"\r\n"_s), 1);
        QVERIFY(d.session.results().correctList.isEmpty());
    }

    // Steps: < ←, > →. A first test of `first` questions, then the length `second` is chosen.
    void reviewCursor_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("number");
        QTest::addRow("→ at the last question stays there") << 20 << 20 << u">"_s << u"20"_s;
        QTest::addRow("← steps back one") << 20 << 20 << u"<"_s << u"19"_s;
        QTest::addRow("← stops at 1") << 20 << 20 << QString(25, u'<') << u"1"_s;
        QTest::addRow("← after a longer test reaches its records") << 50 << 20 << u"<"_s << u"49"_s;
        QTest::addRow("→ stops at the new length after a longer test")
            << 50 << 20 << u"<>"_s << u"20"_s;
        QTest::addRow("← stops at 1 after a longer test")
            << 50 << 20 << QString(60, u'<') << u"1"_s;
    }
    void reviewCursor()
    {
        QFETCH(int, first);
        QFETCH(int, second);
        QFETCH(QString, steps);
        QFETCH(QString, number);
        Drill d;
        d.test(first, 0);
        d.session.setTestLength(second);
        QCOMPARE(d.take(steps), number);
    }

    void reviewShowsTheRecordedQuestionInTheCurrentDirection()
    {
        Drill d;
        d.session.startTest();
        for (int i = 1; i <= 20; ++i)
            d.ask(i + 300, 1 + i % 5);
        d.end();
        DrillSession::Review shown = d.session.review(-1);
        QCOMPARE(shown.number, u"19"_s);
        QCOMPARE(shown.question, english(3, 319));
        QCOMPARE(shown.choices[4], english(3, 319) + u' ' + japanese(3, 319));
        QCOMPARE(shown.choices[0], english(3, 419) + u' ' + japanese(3, 419));
        QCOMPARE(shown.markedChoice, 5);

        d.session.setDirection(u"和英"_s);
        shown = d.session.review(+1);
        QCOMPARE(shown.question, japanese(3, 320));
        QCOMPARE(shown.choices[0], japanese(3, 320) + u' ' + english(3, 320));
        QCOMPARE(shown.markedChoice, 1);
    }

    // Unfilled records hold word 0, whose row is empty, in every choice.
    void recordsNoTestFilled()
    {
        Drill d;
        d.session.setDirection(u"英和"_s);
        const DrillSession::Review shown = d.session.review(+1);
        QCOMPARE(shown.number, u"1"_s);
        QVERIFY(shown.question.isEmpty());
        QCOMPARE(shown.choices[0], u" "_s);
        QCOMPARE(shown.markedChoice, 5);
    }
};

QTEST_GUILESS_MAIN(TestDrillSession)
#include "tst_drill_session.moc"
