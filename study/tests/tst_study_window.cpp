// The study window driven through its controls on a fake clock and a scripted generator: the
// layout, the defaults of every opening, the pace, the stop checkpoints, nested sessions, closing
// during a session and the drawn card itself.
#include "CardSurface.h"
#include "Form5.h"
#include "Layout.h"
#include "SpokenEnglish.h"
#include "WordBanks.h"
#include "testing/ContextMenu.h"
#include "testing/Fakes.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

namespace {
struct Drawn
{
    double time;
    int draws;
    ImageCanvas::Step step;
};

// Scripts a pick at 00:00:00 that makes one pass and lands on `entry` of study list `list`.
void scriptCard(ScriptedRandom &random, int list, int entry)
{
    random.queuePick(2, 1000); // multiplier 2: (2·1 + 1) / 3 = 1 pass
    random.queuePick(1, 1000);
    random.queuePick(entry, 1000);
    random.queuePick(list, 3);
    random.queuePick(1, 7);
    random.queuePick(1, 7);
}

struct Study
{
    FakePlatform fake;
    Form5 form{fake.platform};
    CardSurface *surface = nullptr;
    QList<Drawn> drawn;

    Study()
    {
        form.showWindow();
        surface = form.findChild<CardSurface *>(QStringLiteral("Picture1"));
        surface->onStep = [this](const ImageCanvas::Step &step) {
            drawn.append({fake.clock.monotonic, fake.random.draws, step});
        };
    }
    QAbstractButton *button(const char *name)
    {
        return form.findChild<QAbstractButton *>(QLatin1String(name));
    }
    QComboBox *combo(const char *name) { return form.findChild<QComboBox *>(QLatin1String(name)); }
    void start() { button("Command1")->click(); }
    // A 中学 session stopped once the back of its first card is drawn: "accident" / "事故" in 白黒.
    void showOneAccidentCard()
    {
        button("Option91")->click();
        scriptCard(fake.random, 1, 5);
        fake.clock.onWait = [this] {
            if (!textsAt(600).isEmpty())
                button("Command3")->click();
        };
        start();
    }
    // Text steps on the line at y (200 the front, 600 the back of 白黒 and 立体).
    QList<Drawn> textsAt(double y) const
    {
        QList<Drawn> texts;
        for (const Drawn &d : drawn)
            if (d.step.kind == ImageCanvas::Step::Text && d.step.y == y)
                texts.append(d);
        return texts;
    }
    qsizetype clears() const
    {
        return std::count_if(drawn.begin(), drawn.end(), [](const Drawn &d) {
            return d.step.kind == ImageCanvas::Step::Clear;
        });
    }
};

bool allBlack(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != 0)
                return false;
    return true;
}

const QString kAccident = QStringLiteral("accident");
} // namespace

class TestStudyWindow : public QObject
{
    Q_OBJECT
  private Q_SLOTS:
    void resizingMovesNothing();
    void windowAndCombos();
    void everyOpeningAppliesTheDefaults();
    void paceOfEachSide_data();
    void paceOfEachSide();
    void stopCheckpoints_data();
    void stopCheckpoints();
    void levelClickDuringSession();
    void nestedSession();
    void frameCloseDuringSession_data();
    void frameCloseDuringSession();
    void backButtonInsideNestedSession();
    void styleChangeWithinCard_data();
    void styleChangeWithinCard();
    void unknownStyleText();
    void renderedCard();
    void cardIsDrawnAtTheDevicePixelRatio();
    void waitTimerContract();
    void sessionEndsAfterItsLastCard();
    void waitEndsWhenTheApplicationQuits();
    void speechOfTheCard();
};

// The window has a sizable border, but its controls keep their places and sizes.
void TestStudyWindow::resizingMovesNothing()
{
    Study study;
    QHash<QString, QRect> before;
    for (const QWidget *control : study.form.findChildren<QWidget *>())
        if (!control->objectName().isEmpty())
            before.insert(control->objectName(), control->geometry());
    QVERIFY(before.contains(QStringLiteral("Command2")));
    study.form.resize(1200, 900);
    for (const QWidget *control : study.form.findChildren<QWidget *>())
        if (before.contains(control->objectName()))
            QCOMPARE(control->geometry(), before[control->objectName()]);
}

void TestStudyWindow::windowAndCombos()
{
    Study study;
    QCOMPARE(study.form.windowTitle(), QStringLiteral("学習"));
    QVERIFY(study.form.minimumSize() != study.form.maximumSize()); // sizable
    // No icon: the window's is blank, not the program's.
    const QImage icon = study.form.windowIcon().pixmap(16, 16).toImage();
    QVERIFY(!icon.isNull());
    QCOMPARE(qAlpha(icon.pixel(8, 8)), 0);

    QComboBox *pace = study.combo("Combo1");
    QCOMPARE(pace->count(), 4);
    const QStringList paceItems{QStringLiteral(" 0.5"), QStringLiteral(" 1.0"),
                                QStringLiteral(" 2.0"), QStringLiteral(" 3.0")};
    for (int i = 0; i < 4; ++i)
        QCOMPARE(pace->itemText(i), paceItems[i]);
    QComboBox *style = study.combo("Combo2");
    QCOMPARE(style->count(), 3);
    const QStringList styleItems{QStringLiteral("白黒"), QStringLiteral("円形"),
                                 QStringLiteral("立体")};
    for (int i = 0; i < 3; ++i)
        QCOMPARE(style->itemText(i), styleItems[i]);
    // Typed text is kept as typed and never becomes an item.
    QTest::keyClicks(pace, QStringLiteral("2"));
    QTest::keyClick(pace, Qt::Key_Return);
    QCOMPARE(pace->count(), 4);

    QCOMPARE(study.surface->palette().color(QPalette::Window), QColor(Qt::black));
    QVERIFY(allBlack(study.surface->canvas().image()));
}

void TestStudyWindow::everyOpeningAppliesTheDefaults()
{
    Study study;
    study.button("Option5")->click();
    study.button("Option93")->click();
    study.combo("Combo1")->setEditText(QStringLiteral(" 3.0"));
    study.combo("Combo2")->setEditText(QStringLiteral("立体"));
    study.form.resize(900, 700);
    study.form.setWindowState(Qt::WindowMaximized);
    // A card on the surface, then close with 戻　る.
    scriptCard(study.fake.random, 1, 5);
    study.fake.clock.onWait = [&] { study.button("Command2")->click(); };
    study.start();
    QVERIFY(!study.form.isVisible());
    QVERIFY(!allBlack(study.surface->canvas().image()));
    QCOMPARE(study.textsAt(200).first().step.text, BankJapanese(5, 5));

    study.form.showWindow();
    QVERIFY(study.form.isVisible());
    QCOMPARE(study.form.windowState(), Qt::WindowNoState);
    QCOMPARE(study.form.size(), QSize(twipsToPixels(Form5::kLayout.clientArea.width),
                                      twipsToPixels(Form5::kLayout.clientArea.height)));
    QVERIFY(qobject_cast<QRadioButton *>(study.button("Option4"))->isChecked());
    QVERIFY(qobject_cast<QRadioButton *>(study.button("Option92"))->isChecked());
    QCOMPARE(study.combo("Combo1")->currentText(), QStringLiteral(" 1.0"));
    QCOMPARE(study.combo("Combo2")->currentText(), QStringLiteral("白黒"));
    QVERIFY(allBlack(study.surface->canvas().image()));

    // The lists are 高校 again, English in front.
    study.drawn.clear();
    scriptCard(study.fake.random, 2, 7);
    study.fake.clock.onWait = [&] { study.button("Command3")->click(); };
    study.start();
    QCOMPARE(study.textsAt(200).first().step.text, BankEnglish(3, 7));
}

void TestStudyWindow::paceOfEachSide_data()
{
    QTest::addColumn<QString>("paceText");
    QTest::addColumn<double>("pace");
    QTest::addRow(" 2.0") << QStringLiteral(" 2.0") << 2.0;
    QTest::addRow(" 0.5") << QStringLiteral(" 0.5") << 0.5;
    QTest::addRow("2.0 without the blank") << QStringLiteral("2.0") << 1.0;
    QTest::addRow("5") << QStringLiteral("5") << 1.0;
}

void TestStudyWindow::paceOfEachSide()
{
    QFETCH(QString, paceText);
    QFETCH(double, pace);
    Study study;
    study.combo("Combo1")->setEditText(paceText);
    study.combo("Combo2")->setEditText(QStringLiteral("立体"));
    study.fake.clock.onWait = [&] {
        if (!study.textsAt(600).isEmpty())
            study.button("Command3")->click();
    };
    study.start();
    const double frontDone = study.textsAt(200).last().time;
    const double backDrawn = study.textsAt(600).first().time;
    QVERIFY2(backDrawn - frontDone > pace, qPrintable(QString::number(backDrawn - frontDone)));
    QVERIFY(backDrawn - frontDone < pace + 0.01);
    // The back, too, stays for the pace and then 0.2 seconds more.
    const double end = study.fake.clock.monotonic;
    QVERIFY(end - backDrawn > pace + 0.2);
    QVERIFY(end - backDrawn < pace + 0.2 + 0.01);
}

void TestStudyWindow::stopCheckpoints_data()
{
    QTest::addColumn<QString>("style");
    QTest::addColumn<QString>("when");
    QTest::addColumn<bool>("backDrawn");
    QTest::addColumn<double>("tailFrom");
    QTest::addColumn<double>("tailTo");
    // tail: the time from the last drawing step to the end of the session.
    QTest::addRow("during the front: back drawn, no more waits")
        << QStringLiteral("立体") << QStringLiteral("front") << true << 0.0 << 0.0;
    QTest::addRow("during the slide: slide finishes, back not drawn")
        << QStringLiteral("白黒") << QStringLiteral("slide") << false << 0.02 << 0.03;
    QTest::addRow("during the back: the pace and 0.2 s run out")
        << QStringLiteral("立体") << QStringLiteral("back") << true << 1.2 << 1.21;
}

void TestStudyWindow::stopCheckpoints()
{
    QFETCH(QString, style);
    QFETCH(QString, when);
    QFETCH(bool, backDrawn);
    QFETCH(double, tailFrom);
    QFETCH(double, tailTo);

    Study study;
    study.button("Option91")->click(); // 中学: entry 5 is "accident"
    study.combo("Combo2")->setEditText(style);
    scriptCard(study.fake.random, 1, 5);
    int waits = 0;
    study.fake.clock.onWait = [&] {
        ++waits;
        const bool front = !study.textsAt(200).isEmpty();
        const bool back = !study.textsAt(600).isEmpty();
        if ((when == u"front" && front && !back) || (when == u"slide" && waits == 3) ||
            (when == u"back" && back))
            study.button("Command3")->click();
    };
    study.start();

    QCOMPARE(study.form.wordCounter(), Form5::kStopMark);
    QCOMPARE(study.clears(), 1);
    QCOMPARE(!study.textsAt(600).isEmpty(), backDrawn);
    if (style == u"白黒") // all 13 steps of "accident": 300 rounds up to 320
        QCOMPARE(study.textsAt(200).size(), 3 * 13);
    const double tail = study.fake.clock.monotonic - study.drawn.last().time;
    QVERIFY2(tail >= tailFrom && tail <= tailTo, qPrintable(QString::number(tail)));
    // The card stays on the surface.
    QVERIFY(!allBlack(study.surface->canvas().image()));
}

void TestStudyWindow::levelClickDuringSession()
{
    Study study;
    study.combo("Combo2")->setEditText(QStringLiteral("立体"));
    scriptCard(study.fake.random, 1, 5);
    bool clicked = false;
    study.fake.clock.onWait = [&] {
        if (!clicked) {
            clicked = true;
            study.button("Option91")->click();
        }
    };
    study.start();
    // The card already picked is kept: its back, from 高校, is drawn at the next checkpoint.
    QCOMPARE(study.form.wordCounter(), Form5::kStopMark);
    QCOMPARE(study.textsAt(600).first().step.text, BankJapanese(2, 5));
    QCOMPARE(study.clears(), 1);

    // The next session shows 中学 words.
    study.drawn.clear();
    scriptCard(study.fake.random, 2, 5);
    study.fake.clock.onWait = [&] { study.button("Command3")->click(); };
    study.start();
    QCOMPARE(study.textsAt(200).first().step.text, BankEnglish(1, 5));
    QVERIFY(study.textsAt(200).first().step.text.startsWith(kAccident));
}

void TestStudyWindow::nestedSession()
{
    Study study;
    study.combo("Combo2")->setEditText(QStringLiteral("立体"));
    scriptCard(study.fake.random, 1, 5);
    int phase = 0;
    double outerFrontDone = 0;
    study.fake.clock.onWait = [&] {
        if (phase == 0) {
            phase = 1;
            outerFrontDone = study.drawn.last().time;
            scriptCard(study.fake.random, 1, 6);
            study.start(); // a second 開　始, nested inside the first one's wait
            phase = 3;
        } else if (phase == 1) {
            phase = 2;
            study.button("Command3")->click();
        }
    };
    study.start();
    QCOMPARE(phase, 3);
    QCOMPARE(study.form.wordCounter(), Form5::kStopMark);
    // Front of card 5, then card 6 front and back in the nested session, then the first session
    // draws the back of the current card (card 6) after its wait and ends.
    const QList<Drawn> fronts = study.textsAt(200);
    const QList<Drawn> backs = study.textsAt(600);
    QCOMPARE(fronts.size(), 2 * 42);
    QCOMPARE(backs.size(), 2 * 42);
    QCOMPARE(fronts.first().step.text, BankEnglish(2, 5));
    QCOMPARE(fronts.last().step.text, BankEnglish(2, 6));
    QCOMPARE(backs.first().step.text, BankJapanese(2, 6));
    QCOMPARE(backs.last().step.text, BankJapanese(2, 6));
    QCOMPARE(study.clears(), 2);
    // The first session's wait ran its whole length.
    QVERIFY(backs[42].time > outerFrontDone + 1.0);
    QCOMPARE(study.drawn.last().time, study.fake.clock.monotonic);
}

void TestStudyWindow::frameCloseDuringSession_data()
{
    QTest::addColumn<bool>("reopened");
    QTest::addRow("closed") << false;
    QTest::addRow("closed and reopened within one wait") << true;
}

void TestStudyWindow::frameCloseDuringSession()
{
    QFETCH(bool, reopened);
    Study study;
    study.combo("Combo1")->setEditText(QStringLiteral(" 3.0"));
    scriptCard(study.fake.random, 3, 5);
    double closedAt = -1;
    qsizetype drawnAtClose = -1;
    int waits = 0;
    study.fake.clock.onWait = [&] {
        if (++waits == 5) {
            closedAt = study.fake.clock.monotonic;
            study.form.close();
            if (reopened)
                study.form.showWindow(); // which clears the surface
            drawnAtClose = study.drawn.size();
        }
    };
    study.start();
    QCOMPARE(study.form.isVisible(), reopened);
    QCOMPARE(study.form.wordCounter(), Form5::kStopMark);
    // The slide stopped drawing with the close and the session returned at once, without waiting.
    QVERIFY(drawnAtClose > 0);
    QCOMPARE(study.drawn.size(), drawnAtClose);
    QCOMPARE(study.fake.clock.monotonic, closedAt);
    QCOMPARE(study.form.picker().listNumber(), 3);

    // Reopened: a pick without passes takes the list number kept from before the closing.
    study.form.showWindow();
    QVERIFY(allBlack(study.surface->canvas().image()));
    study.drawn.clear();
    study.fake.random.queuePick(1, 1000);
    study.fake.random.queuePick(9, 1000);
    study.fake.clock.onWait = [&] { study.button("Command3")->click(); };
    study.start();
    QCOMPARE(study.form.picker().discardCount(), 0);
    QCOMPARE(study.form.picker().listNumber(), 3);
    QCOMPARE(study.textsAt(200).first().step.text, BankEnglish(4, 9));
}

void TestStudyWindow::backButtonInsideNestedSession()
{
    Study study;
    scriptCard(study.fake.random, 1, 5);
    int phase = 0;
    qsizetype drawnAtClose = 0;
    study.fake.clock.onWait = [&] {
        if (phase == 0) {
            phase = 1;
            study.start();
            phase = 3;
        } else if (phase == 1) {
            phase = 2;
            study.button("Command2")->click(); // 戻　る inside the nested session's wait
            drawnAtClose = study.drawn.size();
        }
    };
    study.start();
    QCOMPARE(phase, 3);
    QVERIFY(!study.form.isVisible());
    QCOMPARE(study.drawn.size(), drawnAtClose);
    // The window object lives on and opens again.
    study.form.showWindow();
    QVERIFY(study.form.isVisible());
}

void TestStudyWindow::styleChangeWithinCard_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<int>("stepsOfFirst");
    QTest::addColumn<bool>("sameCard");
    QTest::addRow("円形 to 白黒") << QStringLiteral("円形") << QStringLiteral("白黒") << 38 << true;
    QTest::addRow("円形 to 立体") << QStringLiteral("円形") << QStringLiteral("立体") << 38 << true;
    QTest::addRow("白黒 to 立体") << QStringLiteral("白黒") << QStringLiteral("立体") << 73 << true;
    QTest::addRow("白黒 to 円形: next card")
        << QStringLiteral("白黒") << QStringLiteral("円形") << 73 << false;
}

void TestStudyWindow::styleChangeWithinCard()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(int, stepsOfFirst);
    QFETCH(bool, sameCard);

    Study study;
    study.button("Option91")->click(); // "accident" / "事故": 73 steps in 白黒
    study.combo("Combo2")->setEditText(from);
    scriptCard(study.fake.random, 1, 5);
    bool changed = false;
    bool stopped = false;
    study.fake.clock.onWait = [&] {
        if (!changed && study.drawn.size() == stepsOfFirst) {
            changed = true;
            study.combo("Combo2")->setEditText(to);
        } else if (changed && !stopped && study.drawn.size() > stepsOfFirst) {
            stopped = true;
            study.button("Command3")->click();
        }
    };
    study.start();
    QVERIFY(stopped);
    const Drawn &lastOfFirst = study.drawn[stepsOfFirst - 1];
    const Drawn &firstOfSecond = study.drawn[stepsOfFirst];
    QCOMPARE(firstOfSecond.step.kind, ImageCanvas::Step::Clear);
    QCOMPARE(firstOfSecond.draws == lastOfFirst.draws, sameCard);
    const auto firstText = [&](qsizetype from) {
        for (qsizetype i = from; i < study.drawn.size(); ++i)
            if (study.drawn[i].step.kind == ImageCanvas::Step::Text)
                return study.drawn[i].step.text;
        return QString();
    };
    if (sameCard)
        QCOMPARE(firstText(stepsOfFirst), firstText(0));
}

void TestStudyWindow::unknownStyleText()
{
    Study study;
    study.combo("Combo2")->setEditText(QStringLiteral("水玉"));
    study.start();
    QCOMPARE(study.fake.random.draws, 0);
    QVERIFY(study.drawn.isEmpty());
    QCOMPARE(study.fake.clock.monotonic, 0.0);

    // Typed during a session: the card in hand finishes, no further card is picked.
    study.combo("Combo2")->setEditText(QStringLiteral("立体"));
    int drawsAtChange = -1;
    study.fake.clock.onWait = [&] {
        if (drawsAtChange < 0 && !study.textsAt(600).isEmpty()) {
            drawsAtChange = study.fake.random.draws;
            study.combo("Combo2")->setEditText(QStringLiteral("立 体"));
        }
    };
    study.start();
    QCOMPARE(study.fake.random.draws, drawsAtChange);
    QCOMPARE(study.form.wordCounter(), 2); // the first card ran through
    QCOMPARE(study.clears(), 1);
}

void TestStudyWindow::renderedCard()
{
    Study study;
    study.showOneAccidentCard();

    // The expected card: "accident" white at (320, 200), "事故" white at (400, 600), nothing else.
    const QImage &card = study.surface->canvas().image();
    QCOMPARE(card.size(), QSize(745, 473));
    QImage expected(card.size(), QImage::Format_RGB32);
    expected.fill(Qt::black);
    {
        QPainter painter(&expected);
        QFont font(QStringLiteral("IPAGothic"));
        font.setPixelSize(67);
        font.setStyleStrategy(QFont::NoAntialias);
        painter.setFont(font);
        painter.setPen(Qt::white);
        const int ascent = painter.fontMetrics().ascent();
        painter.drawText(QPoint(238, 95 + ascent), BankEnglish(1, 5)); // 320 × 0.745, 200 × 0.473
        painter.drawText(QPoint(298, 284 + ascent), BankJapanese(1, 5)); // 400 × 0.745, 600 × 0.473
    }
    QCOMPARE(card, expected);
    // Only black and white; the front's text begins right of 238 and lies on the top line.
    int white = 0;
    for (int y = 0; y < card.height(); ++y) {
        for (int x = 0; x < card.width(); ++x) {
            const QRgb p = card.pixel(x, y) & 0xFFFFFF;
            QVERIFY(p == 0 || p == 0xFFFFFF);
            if (p != 0) {
                ++white;
                QVERIFY(x >= 238);
                QVERIFY((y >= 95 && y < 95 + 67) || (y >= 284 && y < 284 + 67));
            }
        }
    }
    QVERIFY(white > 500);
    // The widget repaints the card from its image, e.g. after being covered.
    QCOMPARE(study.surface->grab().toImage().convertToFormat(QImage::Format_RGB32), card);
}

// ctest runs this once more at QT_SCALE_FACTOR=2: the card is then drawn at twice the resolution
// in the same place, not drawn at 1× and enlarged.
void TestStudyWindow::cardIsDrawnAtTheDevicePixelRatio()
{
    Study study;
    study.showOneAccidentCard();

    const qreal ratio = study.surface->devicePixelRatioF();
    const QImage &card = study.surface->canvas().image();
    QCOMPARE(card.devicePixelRatio(), ratio);
    QCOMPARE(card.size(), QSize(745, 473) * ratio);
    // An enlarged 1× card is made of uniform 2 × 2 blocks; a card drawn at 2× is not.
    bool finerThanBlocks = false;
    for (int y = 0; y < card.height(); ++y) {
        for (int x = 0; x < card.width(); ++x) {
            const QRgb p = card.pixel(x, y) & 0xFFFFFF;
            if (x % 2 == 0 && y % 2 == 0 && x + 1 < card.width() && y + 1 < card.height()) {
                const QRgb block[] = {card.pixel(x + 1, y), card.pixel(x, y + 1),
                                      card.pixel(x + 1, y + 1)};
                for (const QRgb q : block)
                    finerThanBlocks = finerThanBlocks || (q & 0xFFFFFF) != p;
            }
            // Only black and white, as at 1×: the slide wipes a copy by drawing it again in black.
            QVERIFY(p == 0 || p == 0xFFFFFF);
            // The geometry of renderedCard, in logical pixels: the two lines of text only.
            if (p != 0) {
                const double top = y / ratio;
                QVERIFY(x / ratio >= 238);
                QVERIFY((top >= 95 && top < 95 + 67) || (top >= 284 && top < 284 + 67));
            }
        }
    }
    if (ratio >= 2)
        QVERIFY(finerThanBlocks);
}

void TestStudyWindow::waitTimerContract()
{
    Study study;
    // Fifty days after start-up, where single precision cannot tell 20 ms apart.
    const double start = 50 * 86400.0 + 0.25;
    study.fake.clock.monotonic = start;
    bool handled = false;
    QTimer::singleShot(0, &study.form, [&] { handled = true; });
    const double step = study.form.WaitTimer(0.02f) - start;
    QVERIFY(handled);
    QVERIFY(step > 0.02);
    QVERIFY(step < 0.025);
    // A slow handler run inside the wait uses up what is left of it instead of adding to it.
    const double slowStart = study.fake.clock.monotonic;
    QTimer::singleShot(0, &study.form, [&] { study.fake.clock.monotonic += 0.5; });
    QVERIFY(study.form.WaitTimer(0.3f) - slowStart < 0.51);
    const double end = study.form.WaitTimer(0.5f);
    // A wait of no length still waits for a later reading.
    const double after = study.form.WaitTimer(0.0f);
    QVERIFY(after > end);
    // A closed window waits no more.
    study.form.close();
    QCOMPARE(study.form.WaitTimer(5.0f), after);
}

void TestStudyWindow::sessionEndsAfterItsLastCard()
{
    Study study;
    // 立体 waits least per card. Picks without passes leave the card empty, which keeps 10000
    // cards quick to draw; the layers of both sides take 56 draws.
    study.combo("Combo2")->setEditText(QStringLiteral("立体"));
    for (int card = 1; card <= Form5::kLastCard; ++card) {
        study.fake.random.queuePick(1, 1000);
        study.fake.random.queuePick(1, 1000);
        study.fake.random.script.insert(study.fake.random.script.end(), 56, 0.5f);
    }
    study.form.hide(); // hidden, not closed: the session runs on without repainting the window
    int cards = 0;
    study.surface->onStep = [&](const ImageCanvas::Step &step) {
        cards += step.kind == ImageCanvas::Step::Clear; // once a card, for its front
    };
    study.start();
    QCOMPARE(cards, int(Form5::kLastCard));
    QCOMPARE(study.form.wordCounter(), Form5::kLastCard + 1);
    QCOMPARE(study.form.picker().listNumber(), 0);
    QVERIFY(study.fake.random.script.empty());
}

void TestStudyWindow::waitEndsWhenTheApplicationQuits()
{
    Study study;
    scriptCard(study.fake.random, 1, 5);
    study.combo("Combo1")->setEditText(QStringLiteral(" 3.0"));
    int waits = 0;
    study.fake.clock.onWait = [&] {
        if (++waits == 2)
            QCoreApplication::exit(0);
    };
    QTimer::singleShot(0, &study.form, [&] { study.start(); });
    QCoreApplication::exec();
    // Once told to quit, the session stops waiting and picks no further card.
    QCOMPARE(waits, 2);
    QVERIFY(study.fake.clock.monotonic < 0.1);
    QCOMPARE(study.clears(), 1);
}

// 発音を聞く speaks the English side once it has appeared; 英語を読み上げる, off at every opening,
// reads each English side as it appears.
void TestStudyWindow::speechOfTheCard()
{
    const QString hear = QStringLiteral("発音を聞く");
    const QString readAloud = QStringLiteral("英語を読み上げる");
    Study study;
    QStringList &said = study.fake.speaker.said;
    QVERIFY(!contextMenuEntry(study.surface, hear)->isEnabled());
    QVERIFY(!contextMenuEntry(study.surface, readAloud)->isChecked());

    study.showOneAccidentCard();
    contextMenuEntry(study.surface, hear)->trigger();
    QCOMPARE(said, QStringList{kAccident});
    study.fake.speaker.engine = false;
    QVERIFY(!contextMenuEntry(study.surface, hear)->isEnabled());
    study.fake.speaker.engine = true;

    // 和英: the English is the back, read aloud as it appears and not before.
    contextMenuEntry(study.surface, readAloud)->trigger();
    closeContextMenu();
    study.button("Option5")->click();
    study.button("Option91")->click();
    study.drawn.clear();
    scriptCard(study.fake.random, 1, 5);
    int saidBeforeBack = -1;
    study.fake.clock.onWait = [&] {
        if (saidBeforeBack < 0)
            saidBeforeBack = int(said.size());
        if (!study.textsAt(600).isEmpty())
            study.button("Command3")->click();
    };
    study.start();
    QCOMPARE(saidBeforeBack, 1);
    QCOMPARE(said, QStringList({kAccident, kAccident}));

    study.button("Command2")->click();
    study.form.showWindow();
    QVERIFY(!contextMenuEntry(study.surface, readAloud)->isChecked());
    QVERIFY(!contextMenuEntry(study.surface, hear)->isEnabled());
    closeContextMenu();
}

QTEST_MAIN(TestStudyWindow)
#include "tst_study_window.moc"
