#include "AppInfo.h"
#include "DiscardCount.h"
#include "Layout.h"
#include "MyPath.h"
#include "ProgramStyle.h"
#include "QtTranslation.h"
#include "RandomSource.h"

#include <QAction>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QSet>
#include <QStyleFactory>
#include <QTest>

#include <cmath>
#include <limits>
#include <memory>

namespace {
class ConstantRandom final : public RandomSource
{
  public:
    explicit ConstantRandom(float value) : m_value(value) {}
    float next() override { return m_value; }

  private:
    float m_value;
};
} // namespace

class TestShell : public QObject
{
    Q_OBJECT
  private Q_SLOTS:
    void discardCount_data()
    {
        QTest::addColumn<int>("v");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<int>("expected");
        // a = s/2 + 1 and b = m/2 + 1, halves to even: 0 -> 1, 1 -> 2, 3 -> 2, 5 -> 4, 59 -> 30.
        QTest::addRow("first draw 1 at 00:00 gives no discards") << 1 << 0 << 0 << 0;
        QTest::addRow("s=1 rounds 1.5 up to 2") << 3 << 1 << 0 << (3 * 2 + 1) / 3;
        QTest::addRow("s=3 rounds 2.5 down to 2") << 3 << 3 << 0 << (3 * 2 + 1) / 3;
        QTest::addRow("s=5 rounds 3.5 up to 4") << 10 << 5 << 0 << (10 * 4 + 1) / 3;
        QTest::addRow("minutes 59 give b=30") << 1 << 0 << 59 << (1 + 30) / 3;
        QTest::addRow("largest product 30030") << 1000 << 59 << 59 << 10010;
        QTest::addRow("seconds 58 give a=30") << 1000 << 58 << 0 << (30000 + 1) / 3;
    }
    void discardCount()
    {
        QFETCH(int, v);
        QFETCH(int, seconds);
        QFETCH(int, minutes);
        QFETCH(int, expected);
        QCOMPARE(::discardCount(v, seconds, minutes), expected);
    }

    void timeTextParts()
    {
        QCOMPARE(secondsOfTimeText(QStringLiteral("13:47:09")), 9);
        QCOMPARE(minutesOfTimeText(QStringLiteral("13:47:09")), 47);
        QCOMPARE(minutesOfTimeText(QStringLiteral("00:00:59")), 0);
    }

    void pickStaysInRange()
    {
        const float largest = std::nextafter(1.0f, 0.0f);
        for (int n : {1, 3, 5, 7, 1000}) {
            ConstantRandom high(largest);
            QCOMPARE(pick(high, n), n);
            ConstantRandom low(0.0f);
            QCOMPARE(pick(low, n), 1);
        }
        ConstantRandom middle(0.5f);
        QCOMPARE(drawInRange(middle, 7, 9), 12);
    }

    // Never seeded: every launch draws the same picks, whenever it runs.
    void generatorStartsTheSameEveryTime()
    {
        LcgRandom random;
        QCOMPARE(pick(random, 1000), 706);
        QCOMPARE(pick(random, 1000), 534);
        QCOMPARE(pick(random, 1000), 580);
        QSet<int> seen;
        for (int i = 0; i < 10000; ++i) {
            const float r = random.next();
            QVERIFY(r >= 0.0f && r < 1.0f);
            seen.insert(int(r * 1000));
        }
        QCOMPARE(seen.size(), 1000); // every pick from 1000 comes up
    }

    void myPathEndsInOneSeparator()
    {
        QCOMPARE(withTrailingSeparator(QStringLiteral("/opt/kotohana"), u'/'),
                 QStringLiteral("/opt/kotohana/"));
        QCOMPARE(withTrailingSeparator(QStringLiteral("/"), u'/'), QStringLiteral("/"));
        QCOMPARE(withTrailingSeparator(QStringLiteral("C:\\"), u'\\'), QStringLiteral("C:\\"));
        QVERIFY(MyPath().endsWith(u'/'));
        QVERIFY(!MyPath().endsWith(QStringLiteral("//")));
    }

    void twips()
    {
        QCOMPARE(twipsToPixels(1335), 89);
        QCOMPARE(twipsToPixels(15), 1);
        QCOMPARE(twipsToPixels(8), 1); // half a pixel and more rounds up
        QCOMPARE(twipsToPixels(7), 0);
        QCOMPARE(twipsToPixels(0), 0);
    }

    // The program's style draws group box frames exactly as Fusion does, titled or not.
    void groupBoxFramesAsFusionDrawsThem()
    {
        std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("fusion")));
        ProgramStyle program(QStyleFactory::create(QStringLiteral("fusion")));
        for (const QString &title : {QStringLiteral("試験の問題数"), QString()}) {
            QGroupBox box(title);
            box.setFont(layoutFont({Face::Gothic, 9}));
            box.resize(145, 49);
            box.setStyle(fusion.get());
            const QImage expected = box.grab().toImage();
            box.setStyle(&program);
            QCOMPARE(box.grab().toImage(), expected);
        }
    }

    // Each face asks for a family that is installed: asking for a missing one costs a fontconfig
    // fallback search per style and script, and lands on whatever fontconfig prefers.
    void facesNameInstalledFamilies()
    {
        const QStringList installed = QFontDatabase::families();
        for (Face face : {Face::Window, Face::Gothic, Face::PGothic, Face::Mincho})
            QVERIFY2(installed.contains(layoutFont({face, 9}).family()),
                     qPrintable(layoutFont({face, 9}).family()));
    }

    void fixedPitchFaceIsTwoToOne()
    {
        for (double points : {9.0, 11.25, 12.0}) {
            const QFont font = layoutFont({Face::Gothic, points});
            QVERIFY2(QFontInfo(font).family().startsWith(QStringLiteral("IPA")),
                     qPrintable(QFontInfo(font).family()));
            const QFontMetricsF metrics(font);
            QCOMPARE(metrics.horizontalAdvance(QStringLiteral("漢あ")),
                     4 * metrics.horizontalAdvance(u'a'));
            QCOMPARE(metrics.horizontalAdvance(QString(QChar(0x3000))),
                     2 * metrics.horizontalAdvance(u' '));
        }
    }

    // A text box's context menu is in Japanese, like the rest of the program, whatever the locale.
    void contextMenusAreJapanese()
    {
        if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                           QStringLiteral("/qtbase_ja.qm")))
            QSKIP("Qt's Japanese translations are not installed");
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        installQtJapaneseTranslation(*QCoreApplication::instance());
        QLineEdit edit(QStringLiteral("text"));
        const std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
        QStringList texts;
        for (const QAction *action : menu->actions())
            texts << action->text().section(u'\t', 0, 0); // less the shortcut
        QVERIFY2(texts.contains(QStringLiteral("元に戻す(&U)")), qPrintable(texts.join(u'|')));
        QVERIFY(texts.contains(QStringLiteral("すべてを選択")));
    }

    void versionRecord()
    {
        setApplicationInfo();
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("コトハナ７０００語"));
        QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral("1.00"));
    }

    void iconIs32By32()
    {
        const QImage icon = programIconImage();
        QCOMPARE(icon.size(), QSize(32, 32));
        QSet<QRgb> colours;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                if (qAlpha(icon.pixel(x, y)) != 0)
                    colours.insert(icon.pixel(x, y));
        QVERIFY(colours.size() > 3);

        // The Windows icon file holds the same picture, see-through corners included.
        const QImage fromFile = QImage::fromData(programIconFile(), "ICO");
        QCOMPARE(fromFile.convertToFormat(QImage::Format_ARGB32), icon);
    }

    void themeIconsAreTheSameDesign_data()
    {
        QTest::addColumn<int>("size");
        QTest::addRow("16 pixels") << 16;
        QTest::addRow("48 pixels") << 48;
        QTest::addRow("64 pixels") << 64;
        QTest::addRow("256 pixels") << 256;
    }

    // Whole multiples of 32 are the window icon pixel for pixel; the others keep its colours,
    // its see-through corners and its left-right symmetry of tile and pages.
    void themeIconsAreTheSameDesign()
    {
        QFETCH(int, size);
        const QImage small = programIconImage();
        const QImage icon = programIconImage(size);
        QCOMPARE(icon.size(), QSize(size, size));
        if (size % 32 == 0) {
            QCOMPARE(icon, small.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation));
            return;
        }
        QSet<QRgb> smallColours;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                smallColours.insert(small.pixel(x, y));
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                QVERIFY2(smallColours.contains(icon.pixel(x, y)),
                         qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
        QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(icon.pixel(size - 1, size - 1)), 0);
        const int belowPages = size * 27 / 32;
        const QImage row = icon.copy(0, belowPages, size, 1);
        QCOMPARE(row, row.mirrored(true, false));
    }
};

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
