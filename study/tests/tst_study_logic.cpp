// Card picking, pace texts, the centring rule and the drawing steps of each style, on a canvas
// that records what it is asked to draw.
#include "CardCanvas.h"
#include "CardStyles.h"
#include "StudyDeck.h"
#include "testing/Fakes.h"

#include <QTest>

namespace {
struct Drawn
{
    QString kind;
    double x = 0, y = 0;
    int radius = 0;
    int colour = 0;
    QString text;
};

class RecordingCanvas final : public CardCanvas
{
  public:
    QList<Drawn> steps;
    void clear() override { steps.append({QStringLiteral("clear"), 0, 0, 0, 0, {}}); }
    void circle(double x, double y, int radius, int colour) override
    {
        steps.append({QStringLiteral("circle"), x, y, radius, colour, {}});
    }
    void text(double x, double y, const QString &text, int colour) override
    {
        steps.append({QStringLiteral("text"), x, y, 0, colour, text});
    }
};

// Lists whose texts tell where they came from: "f2-11" is the front of entry 11 of list 2.
StudyLists labelledLists()
{
    StudyLists lists;
    for (int k = 0; k < 3; ++k) {
        lists[std::size_t(k)].resize(1001);
        for (int e = 1; e <= 1000; ++e)
            lists[std::size_t(k)][std::size_t(e)] = {QStringLiteral("f%1-%2").arg(k + 1).arg(e),
                                                     QStringLiteral("b%1-%2").arg(k + 1).arg(e)};
    }
    return lists;
}

const QString kJapaneseSpace = QString(QChar(0x3000));
} // namespace

class TestStudyLogic : public QObject
{
    Q_OBJECT
  private Q_SLOTS:
    void paceTexts_data();
    void paceTexts();
    void centredStart_data();
    void centredStart();
    void startPositionsFollowTheDirection();
    void pick_data();
    void pick();
    void discardCountZeroKeepsTheListNumber();
    void slideSteps_data();
    void slideSteps();
    void slideAbandonedWhenTheWaitSaysSo();
    void layerColourRanges();
    void layerPositionsAndDrawOrder();
    void circlesDraws();
    void whichSidesClear_data();
    void whichSidesClear();
    void styleTexts();
};

void TestStudyLogic::paceTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<float>("pace");
    QTest::addRow("item 0.5") << QStringLiteral(" 0.5") << 0.5f;
    QTest::addRow("item 1.0") << QStringLiteral(" 1.0") << 1.0f;
    QTest::addRow("item 2.0") << QStringLiteral(" 2.0") << 2.0f;
    QTest::addRow("item 3.0") << QStringLiteral(" 3.0") << 3.0f;
    QTest::addRow("2.0 without the blank gives 1.0") << QStringLiteral("2.0") << 1.0f;
    QTest::addRow("5 gives 1.0") << QStringLiteral("5") << 1.0f;
    QTest::addRow("empty gives 1.0") << QString() << 1.0f;
    QTest::addRow("trailing blank gives 1.0") << QStringLiteral(" 0.5 ") << 1.0f;
}

void TestStudyLogic::paceTexts()
{
    QFETCH(QString, text);
    QFETCH(float, pace);
    QCOMPARE(paceOfText(text), pace);
}

void TestStudyLogic::centredStart_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("perCharacter");
    QTest::addColumn<int>("start");
    QTest::addRow("accident, English side")
        << QStringLiteral("accident                ") << 20 << 300;
    QTest::addRow("事故, Japanese side")
        << QStringLiteral("事故") + kJapaneseSpace.repeated(14) << 40 << 380;
    QTest::addRow("five letters") << QStringLiteral("apple") << 20 << 360;
    QTest::addRow("12 Japanese characters go to 40, not 20")
        << QStringLiteral("一二三四五六七八九十一二") << 40 << 40;
    QTest::addRow("11 Japanese characters give exactly 20")
        << QStringLiteral("一二三四五六七八九十一") << 40 << 20;
    QTest::addRow("empty text") << QString() << 20 << 460;
    QTest::addRow("only padding") << QStringLiteral("   ") + kJapaneseSpace << 40 << 460;
    QTest::addRow("inner blanks count") << QStringLiteral("a lot of ") << 20 << 300;
}

void TestStudyLogic::centredStart()
{
    QFETCH(QString, text);
    QFETCH(int, perCharacter);
    QFETCH(int, start);
    QCOMPARE(::centredStart(text, perCharacter), start);
}

void TestStudyLogic::startPositionsFollowTheDirection()
{
    const QString english = QStringLiteral("accident                ");
    const QString japanese = QStringLiteral("事故") + kJapaneseSpace.repeated(14);
    const StartPositions forward = startPositions(english, japanese, QStringLiteral("英和"));
    QCOMPARE(forward.front, 300);
    QCOMPARE(forward.back, 380);
    const StartPositions reverse = startPositions(japanese, english, QStringLiteral("和英"));
    QCOMPARE(reverse.front, 380);
    QCOMPARE(reverse.back, 300);
    // Before any direction is chosen the English side is the front.
    QCOMPARE(startPositions(english, japanese, QString()).front, 300);
}

void TestStudyLogic::pick_data()
{
    QTest::addColumn<QString>("time");
    QTest::addColumn<QList<int>>("picks"); // pairs of value and n, in draw order
    QTest::addColumn<int>("draws");
    QTest::addColumn<int>("discards");
    QTest::addColumn<int>("list");
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("front");

    QTest::addRow("first pick without passes leaves the card empty")
        << QStringLiteral("12:00:00") << QList<int>{1, 1000, 7, 1000} << 2 << 0 << 0 << 7
        << QString();
    QTest::addRow("one pass: entry, list and two spare draws")
        << QStringLiteral("00:00:00") << QList<int>{2, 1000, 7, 1000, 11, 1000, 2, 3, 1, 7, 7, 7}
        << 6 << 1 << 2 << 11 << QStringLiteral("f2-11");
    QTest::addRow("seconds 1 and minutes 3 round half to even")
        << QStringLiteral("00:03:01")
        << QList<int>{4, 1000, 1, 1000, 5, 1000, 1,  3,    1, 7, 1, 7, 6, 1000,
                      3, 3,    1, 7,    1, 7,    20, 1000, 1, 3, 1, 7, 1, 7}
        << 14 << 3 << 1 << 20 << QStringLiteral("f1-20");
    QTest::addRow("the largest count makes 40042 draws")
        << QStringLiteral("23:59:59") << QList<int>{1000, 1000} << 40042 << 10010 << -1 << -1
        << QString();
}

void TestStudyLogic::pick()
{
    QFETCH(QString, time);
    QFETCH(QList<int>, picks);
    QFETCH(int, draws);
    QFETCH(int, discards);
    QFETCH(int, list);
    QFETCH(int, entry);
    QFETCH(QString, front);

    ScriptedRandom random;
    for (qsizetype i = 0; i + 1 < picks.size(); i += 2)
        random.queuePick(picks[i], picks[i + 1]);
    const StudyLists lists = labelledLists();
    CardPicker picker;
    picker.pick(random, time, lists);
    QCOMPARE(random.draws, draws);
    QCOMPARE(picker.discardCount(), discards);
    if (list >= 0) {
        QCOMPARE(picker.listNumber(), list);
        QCOMPARE(picker.entryNumber(), entry);
        QCOMPARE(picker.card().front, front);
    } else {
        QVERIFY(picker.listNumber() >= 1 && picker.listNumber() <= 3);
        QVERIFY(picker.entryNumber() >= 1 && picker.entryNumber() <= 1000);
    }
}

void TestStudyLogic::discardCountZeroKeepsTheListNumber()
{
    ScriptedRandom random;
    const StudyLists lists = labelledLists();
    CardPicker picker;
    // First pick: one pass, entry 5 of list 2.
    for (auto [value, n] : {std::pair{2, 1000}, {1, 1000}, {5, 1000}, {2, 3}, {1, 7}, {1, 7}})
        random.queuePick(value, n);
    picker.pick(random, QStringLiteral("00:00:00"), lists);
    QCOMPARE(picker.card().back, QStringLiteral("b2-5"));
    // Second pick: no pass; the entry drawn first is taken from the list of the previous pick.
    random.queuePick(1, 1000);
    random.queuePick(9, 1000);
    picker.pick(random, QStringLiteral("00:00:00"), lists);
    QCOMPARE(picker.discardCount(), 0);
    QCOMPARE(picker.listNumber(), 2);
    QCOMPARE(picker.card().front, QStringLiteral("f2-9"));
    QCOMPARE(random.draws, 8);
}

void TestStudyLogic::slideSteps_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("steps");
    QTest::addColumn<int>("restsAt");
    QTest::addRow("five letters from 360") << 360 << 12 << 360;
    QTest::addRow("accident from 300") << 300 << 13 << 320;
    QTest::addRow("事故 from 380") << 380 << 11 << 400;
    QTest::addRow("start 440") << 440 << 10 << 440;
    QTest::addRow("start 40") << 40 << 20 << 40;
    QTest::addRow("empty text from 460") << 460 << 9 << 480;
}

void TestStudyLogic::slideSteps()
{
    QFETCH(int, start);
    QFETCH(int, steps);
    QFETCH(int, restsAt);
    RecordingCanvas canvas;
    QList<float> waits;
    const QString text = QStringLiteral("word");
    QVERIFY(slideIn(canvas, text, start, 600, [&](float s) {
        waits.append(s);
        return true;
    }));
    QCOMPARE(waits.size(), steps);
    QVERIFY(std::all_of(waits.begin(), waits.end(), [](float s) { return s == 0.02f; }));
    QCOMPARE(canvas.steps.size(), 3 * steps);
    for (int j = 0; j < steps; ++j) {
        const int u = 800 - 40 * j;
        const Drawn &wipe = canvas.steps[3 * j];
        QCOMPARE(wipe.x, double(u + 40));
        QCOMPARE(wipe.colour, 0);
        for (int k = 1; k <= 2; ++k) {
            const Drawn &copy = canvas.steps[3 * j + k];
            QCOMPARE(copy.x, double(u));
            QCOMPARE(copy.y, 600.0);
            QCOMPARE(copy.colour, 15);
            QCOMPARE(copy.text, text);
        }
    }
    QCOMPARE(canvas.steps.last().x, double(restsAt));
}

void TestStudyLogic::slideAbandonedWhenTheWaitSaysSo()
{
    RecordingCanvas canvas;
    int waits = 0;
    QVERIFY(!slideIn(canvas, QStringLiteral("word"), 40, 200, [&](float) { return ++waits < 3; }));
    QCOMPARE(waits, 3);
    QCOMPARE(canvas.steps.size(), 9);
}

void TestStudyLogic::layerColourRanges()
{
    // Many cards from the program's own generator: the front's colours stay within 9..14, the
    // back's layer colour reaches white, its edge colour never does.
    LcgRandom random;
    RecordingCanvas front;
    RecordingCanvas back;
    for (int card = 0; card < 300; ++card) {
        drawLayers(front, random, QStringLiteral("x"), 300, 200, CardSide::Front);
        drawLayers(back, random, QStringLiteral("x"), 300, 600, CardSide::Back);
    }
    QSet<int> frontColours;
    QSet<int> backLayers;
    QSet<int> backEdges;
    for (const Drawn &d : std::as_const(front.steps))
        frontColours.insert(d.colour);
    for (qsizetype i = 0; i < back.steps.size(); ++i)
        (i % 3 == 0 ? backEdges : backLayers).insert(back.steps[i].colour);
    QCOMPARE(frontColours, (QSet<int>{9, 10, 11, 12, 13, 14}));
    QCOMPARE(backLayers, (QSet<int>{9, 10, 11, 12, 13, 14, 15}));
    QCOMPARE(backEdges, (QSet<int>{9, 10, 11, 12, 13, 14}));
}

void TestStudyLogic::layerPositionsAndDrawOrder()
{
    ScriptedRandom random;
    // Layer 1: layer colour drawn first, then the edge colour.
    random.queuePick(7, 7); // back layer: 15, white
    random.queuePick(1, 6); // edge: 9
    RecordingCanvas canvas;
    drawLayers(canvas, random, QStringLiteral("w"), 300, 600, CardSide::Back);
    QCOMPARE(random.draws, 28);
    QCOMPARE(canvas.steps.size(), 42);
    QCOMPARE(canvas.steps[0].colour, 9);
    QCOMPARE(canvas.steps[1].colour, 15);
    QCOMPARE(canvas.steps[2].colour, 15);
    QCOMPARE(canvas.steps[0].x, 309.4);
    QCOMPARE(canvas.steps[41].x, 301.6);
    for (qsizetype i = 0; i < canvas.steps.size(); ++i) {
        const double expected = 300 - 0.6 * double(i / 3 + 1) + 10;
        QCOMPARE(canvas.steps[i].x, expected);
        QCOMPARE(canvas.steps[i].y, 600.0);
    }
}

void TestStudyLogic::circlesDraws()
{
    ScriptedRandom random;
    for (int copy = 0; copy < 8; ++copy) {
        random.queuePick(copy * 100 + 1, 800);  // x = copy * 100
        random.queuePick(copy * 100 + 51, 900); // y = copy * 100 + 50
    }
    // The last copy reaches the far edges.
    random.script[14] = 0.99999f;
    random.script[15] = 0.99999f;
    RecordingCanvas canvas;
    drawCircles(canvas, random, QStringLiteral("side"));
    QCOMPARE(random.draws, 16);
    QCOMPARE(canvas.steps.size(), 1 + 16 + 2);
    QCOMPARE(canvas.steps[0].kind, QStringLiteral("clear"));
    for (int copy = 0; copy < 8; ++copy) {
        const Drawn &ring = canvas.steps[1 + 2 * copy];
        const Drawn &text = canvas.steps[2 + 2 * copy];
        QCOMPARE(ring.kind, QStringLiteral("circle"));
        QCOMPARE(ring.radius, 200);
        QCOMPARE(ring.colour, 8 + copy);
        QCOMPARE(text.colour, 8 + copy);
        QCOMPARE(text.text, QStringLiteral("side"));
        QCOMPARE(text.x, ring.x);
        QCOMPARE(text.y, ring.y);
        if (copy < 7) {
            QCOMPARE(ring.x, double(copy * 100));
            QCOMPARE(ring.y, double(copy * 100 + 50));
        }
    }
    QCOMPARE(canvas.steps[15].x, 799.0);
    QCOMPARE(canvas.steps[15].y, 899.0);
    const Drawn &lastRing = canvas.steps[17];
    const Drawn &lastText = canvas.steps[18];
    QCOMPARE(lastRing.colour, 15);
    QCOMPARE(lastRing.radius, 200);
    QCOMPARE(lastText.colour, 15);
    QCOMPARE(lastRing.x, 799.0);
    QCOMPARE(lastText.y, 899.0);
}

void TestStudyLogic::whichSidesClear_data()
{
    QTest::addColumn<CardStyle>("style");
    QTest::addColumn<bool>("frontClears");
    QTest::addColumn<bool>("backClears");
    QTest::addRow("円形") << CardStyle::Circles << true << true;
    QTest::addRow("白黒") << CardStyle::Slide << true << false;
    QTest::addRow("立体") << CardStyle::Layers << true << false;
}

void TestStudyLogic::whichSidesClear()
{
    QFETCH(CardStyle, style);
    QFETCH(bool, frontClears);
    QFETCH(bool, backClears);
    LcgRandom random;
    const auto noWait = [](float) { return true; };
    RecordingCanvas front;
    drawCardSide(style, CardSide::Front, front, random, QStringLiteral("a"), 440, noWait);
    RecordingCanvas back;
    drawCardSide(style, CardSide::Back, back, random, QStringLiteral("b"), 440, noWait);
    QCOMPARE(front.steps.first().kind == QStringLiteral("clear"), frontClears);
    QCOMPARE(back.steps.first().kind == QStringLiteral("clear"), backClears);
    if (style != CardStyle::Circles) {
        QCOMPARE(front.steps.last().y, 200.0);
        QCOMPARE(back.steps.last().y, 600.0);
    }
}

void TestStudyLogic::styleTexts()
{
    QCOMPARE(styleOfText(QStringLiteral("円形")), CardStyle::Circles);
    QCOMPARE(styleOfText(QStringLiteral("白黒")), CardStyle::Slide);
    QCOMPARE(styleOfText(QStringLiteral("立体")), CardStyle::Layers);
    QVERIFY(!styleOfText(QStringLiteral("白黒 ")));
    QVERIFY(!styleOfText(QString()));
}

QTEST_GUILESS_MAIN(TestStudyLogic)
#include "tst_study_logic.moc"
