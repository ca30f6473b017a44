#include "DrillLogic.h"
#include "Fakes.h"

#include <QTest>

namespace {
// A clock whose time-of-day readings follow a script, for draws that read it twice.
class SteppingClock final : public Clock
{
  public:
    explicit SteppingClock(QStringList readings) : m_readings(std::move(readings)) {}
    QString timeOfDayText() const override
    {
        return m_readings.value(std::min<qsizetype>(m_next++, m_readings.size() - 1));
    }
    double secondsSinceMidnight() const override { return 0; }
    double monotonicSeconds() const override { return 0; }
    void processEventsFor(double) override {}

  private:
    QStringList m_readings;
    mutable qsizetype m_next = 0;
};
} // namespace

class TestDrillLogic : public QObject
{
    Q_OBJECT
  private Q_SLOTS:
    void questionWithoutDiscards()
    {
        // f = 1 at 00:00:00: (1 × 1 + 1) ÷ 3 rounds down to 0, so the first draw is the question.
        ScriptedRandom random;
        random.queuePick(1, 1000);
        for (int c : {10, 20, 30, 40, 50})
            random.queuePick(c, 1000);
        random.queuePick(4, 5);
        FakeClock clock;
        const DrawnQuestion q = drawQuestion(random, clock, 1000);
        QCOMPARE(q.question, 1);
        QCOMPARE(q.answerSlot, 4);
        QCOMPARE(q.choices, (std::array<int, 5>{10, 20, 30, 1, 50}));
        QCOMPARE(random.draws, 7);
    }

    void discardsFollowTheClock()
    {
        // f = 10 at 00:00:05: a = 3.5 -> 4, b = 1, n = (40 + 1) ÷ 3 = 13 discard picks.
        ScriptedRandom random;
        random.queuePick(10, 1000);
        for (int i = 1; i <= 13; ++i)
            random.queuePick(100 + i, 1000);
        for (int c : {1, 2, 3, 4, 5})
            random.queuePick(c, 1000);
        random.queuePick(1, 5);
        FakeClock clock;
        clock.timeText = QStringLiteral("12:00:05");
        const DrawnQuestion q = drawQuestion(random, clock, 1000);
        QCOMPARE(q.question, 113);
        QCOMPARE(q.choices, (std::array<int, 5>{113, 2, 3, 4, 5}));
        QCOMPARE(random.draws, 1 + 13 + 5 + 1);
    }

    void secondsAndMinutesComeFromTwoReadings()
    {
        // Seconds from the first reading (59: a = 30), minutes from the second (15: b = 8.5 -> 8).
        ScriptedRandom random;
        random.queuePick(3, 1000);
        SteppingClock clock({QStringLiteral("10:14:59"), QStringLiteral("10:15:00")});
        drawQuestion(random, clock, 1000);
        QCOMPARE(random.draws, 1 + (3 * 30 + 8) / 3 + 5 + 1);
    }

    void repeatsAreRedrawnAtMostTwice()
    {
        ScriptedRandom random;
        random.queuePick(1, 1000); // question 1, no discards
        random.queuePick(1, 1000); // choice 1 hits the question twice, then takes 6
        random.queuePick(1, 1000);
        random.queuePick(6, 1000);
        random.queuePick(1, 1000); // choice 2 hits the question three times and keeps it
        random.queuePick(1, 1000);
        random.queuePick(1, 1000);
        random.queuePick(7, 1000); // choice 3: 7
        random.queuePick(7, 1000); // choice 4 repeats choice 3, then takes 8
        random.queuePick(8, 1000);
        random.queuePick(1, 1000); // choice 5 repeats the question once, then 10
        random.queuePick(10, 1000);
        random.queuePick(5, 5); // the answer goes into slot 5
        FakeClock clock;
        const DrawnQuestion q = drawQuestion(random, clock, 1000);
        QCOMPARE(q.choices, (std::array<int, 5>{6, 1, 7, 8, 1}));
        QCOMPARE(q.answerSlot, 5);
        QCOMPARE(random.draws, 13);
    }

    // The rows of whole tests are the session's; here every right count of a 20-question test.
    void score_data()
    {
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("asked");
        QTest::addColumn<int>("score");
        QTest::addRow("28 of 50 gives 56") << 28 << 50 << 56;
        for (int k = 0; k <= 20; ++k)
            QTest::addRow("%d of 20 gives %d", k, 5 * k) << k << 20 << 5 * k;
    }
    void score()
    {
        QFETCH(int, right);
        QFETCH(int, asked);
        QFETCH(int, score);
        QCOMPARE(testScore(right, asked), score);
    }
};

QTEST_GUILESS_MAIN(TestDrillLogic)
#include "tst_drill_logic.moc"
