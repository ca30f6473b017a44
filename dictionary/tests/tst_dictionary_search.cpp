#include "DictionarySearch.h"

#include <QTest>

namespace {
const QString kCrLf = QStringLiteral("\r\n");
const QString kMiddle = QStringLiteral("○中学単語");
const QString kHigh = QStringLiteral("○高校単語");
const QString kUniversity = QStringLiteral("○大学単語");

QString field(const QString &text, QChar pad, int count)
{
    return text + QString(count, pad);
}

// One result line: the key and the value with the padding the banks store.
QString line(const QString &key, int keyPad, QChar keyFill, const QString &value, int valuePad,
             QChar valueFill)
{
    return QStringLiteral("  ") + field(key, keyFill, keyPad) + QStringLiteral("  ") +
           field(value, valueFill, valuePad) + kCrLf;
}

QString englishLine(const QString &english, int spaces, const QString &japanese, int ideographic)
{
    return line(english, spaces, u' ', japanese, ideographic, QChar(0x3000));
}

QString japaneseLine(const QString &japanese, int ideographic, const QString &english, int spaces)
{
    return line(japanese, ideographic, QChar(0x3000), english, spaces, u' ');
}

QString headingsAround(const QString &middle, const QString &high, const QString &university)
{
    return kMiddle + kCrLf + kCrLf + middle + kCrLf + kHigh + kCrLf + kCrLf + high + kCrLf +
           kUniversity + kCrLf + kCrLf + university;
}

// Entries listed under each heading of a result.
struct Counts
{
    int middle = 0;
    int high = 0;
    int university = 0;
    int total() const { return middle + high + university; }
};

Counts countEntries(const QString &result)
{
    Counts counts;
    int *current = nullptr;
    for (const QString &row : result.split(kCrLf)) {
        if (row == kMiddle)
            current = &counts.middle;
        else if (row == kHigh)
            current = &counts.high;
        else if (row == kUniversity)
            current = &counts.university;
        else if (!row.isEmpty() && current)
            ++*current;
    }
    return counts;
}

QString run(const QString &text, Direction direction)
{
    const std::optional<QString> result = searchDictionary(text, direction);
    return result ? *result : QString();
}

constexpr auto kEnglish = Direction::EnglishToJapanese;
constexpr auto kJapanese = Direction::JapaneseToEnglish;
} // namespace

Q_DECLARE_METATYPE(Direction)

class TestDictionarySearch : public QObject
{
    Q_OBJECT
  private Q_SLOTS:
    void guard_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Direction>("direction");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("listed"); // a line start the result holds, if any
        QTest::addRow("empty") << QString() << kEnglish << false << QString();
        QTest::addRow("leading space") << QStringLiteral(" a") << kEnglish << false << QString();
        QTest::addRow("leading digit") << QStringLiteral("1a") << kEnglish << false << QString();
        QTest::addRow("A is the lower bound")
            << QStringLiteral("A") << kEnglish << true << QString();
        QTest::addRow("z is the upper bound")
            << QStringLiteral("z") << kEnglish << true << QString();
        QTest::addRow("only the first character counts: zoo")
            << QStringLiteral("zoo") << kEnglish << true << QStringLiteral("  zoo ");
        QTest::addRow("Zoo") << QStringLiteral("Zoo") << kEnglish << true << QString();
        QTest::addRow("kana in 英和") << QStringLiteral("の") << kEnglish << false << QString();
        QTest::addRow("full-width letter in 英和")
            << QStringLiteral("ａ") << kEnglish << false << QString();
        QTest::addRow("あ is the lower bound")
            << QStringLiteral("あ") << kJapanese << true << QString();
        QTest::addRow("ぁ ranks below あ")
            << QStringLiteral("ぁ") << kJapanese << false << QString();
        QTest::addRow("kanji above U+9E19: 黒")
            << QStringLiteral("黒") << kJapanese << true << QStringLiteral("  黒板");
        QTest::addRow("U+9FFF is the upper bound")
            << QStringLiteral("\u9FFF") << kJapanese << true << QString();
        QTest::addRow("U+A000 lies above")
            << QStringLiteral("\uA000") << kJapanese << false << QString();
        QTest::addRow("full-width letter in 和英")
            << QStringLiteral("ａ") << kJapanese << false << QString();
        QTest::addRow("wave dash ～") << QStringLiteral("～頃") << kJapanese << false << QString();
        QTest::addRow("ASCII letter in 和英")
            << QStringLiteral("a") << kJapanese << false << QString();
        QTest::addRow("kana then ASCII in 和英")
            << QStringLiteral("のa") << kJapanese << true << QString();
        QTest::addRow("a character outside the BMP lies above")
            << QStringLiteral("\U00020BB7") << kJapanese << false << QString();
        QTest::addRow("the longest search text still fits")
            << QString(kMaxSearchLength, u'a') << kEnglish << true << QString();
        QTest::addRow("a character more would wrap the length")
            << QString(kMaxSearchLength + 1, u'a') << kEnglish << false << QString();
    }
    void guard()
    {
        QFETCH(QString, text);
        QFETCH(Direction, direction);
        QFETCH(bool, accepted);
        QFETCH(QString, listed);
        QCOMPARE(searchAccepted(text, direction), accepted);
        const std::optional<QString> result = searchDictionary(text, direction);
        QCOMPARE(result.has_value(), accepted);
        if (!listed.isEmpty())
            QVERIFY(result->contains(listed));
    }

    void keyMatches_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<Direction>("direction");
        QTest::addColumn<bool>("matches");
        const QString go = field(QStringLiteral("go"), u' ', 22);
        QTest::addRow("prefix ignores case of the key")
            << field(QStringLiteral("May"), u' ', 21) << QStringLiteral("may") << kEnglish << true;
        QTest::addRow("prefix ignores case of the text")
            << field(QStringLiteral("about"), u' ', 19) << QStringLiteral("ABO") << kEnglish
            << true;
        QTest::addRow("padding takes part: go + space matches go")
            << go << QStringLiteral("go ") << kEnglish << true;
        QTest::addRow("go + space does not match good")
            << field(QStringLiteral("good"), u' ', 20) << QStringLiteral("go ") << kEnglish
            << false;
        QTest::addRow("the whole padded key matches")
            << go << QStringLiteral("go") + QString(22, u' ') << kEnglish << true;
        QTest::addRow("a text longer than the key never matches")
            << go << QStringLiteral("go") + QString(23, u' ') << kEnglish << false;
        QTest::addRow("a short key is compared whole")
            << QStringLiteral("in charge （of）        ")
            << QStringLiteral("in charge （of）         ") << kEnglish << false;
        QTest::addRow("英和 is not a substring test") << field(QStringLiteral("bazaar"), u' ', 18)
                                                      << QStringLiteral("az") << kEnglish << false;
        QTest::addRow("和英 finds the text anywhere")
            << QStringLiteral("偶然の（でき事）、事故による") << QStringLiteral("事故") << kJapanese
            << true;
        QTest::addRow("和英 is case-sensitive")
            << QStringLiteral("すなわち（=that is to say)") << QStringLiteral("すなわち（=THAT")
            << kJapanese << false;
        QTest::addRow("和英 is not a prefix of the text")
            << QStringLiteral("事") << QStringLiteral("事故") << kJapanese << false;
    }
    void keyMatches()
    {
        QFETCH(QString, key);
        QFETCH(QString, text);
        QFETCH(Direction, direction);
        QFETCH(bool, matches);
        QCOMPARE(KeyMatcher(text, direction).matches(key), matches);
    }

    void zListsFiveEntriesExactly()
    {
        const QString expected = headingsAround(
            englishLine(QStringLiteral("zebra"), 19, QStringLiteral("シマウマ"), 12) +
                englishLine(QStringLiteral("zone"), 20, QStringLiteral("地帯"), 14) +
                englishLine(QStringLiteral("zoo"), 21, QStringLiteral("動物園"), 13),
            englishLine(QStringLiteral("zeal"), 20, QStringLiteral("熱意"), 14) +
                englishLine(QStringLiteral("zero"), 20,
                            QStringLiteral("零、零点、零度、無、最下点"), 3),
            QString());
        QCOMPARE(run(QStringLiteral("z"), kEnglish), expected);
    }

    void accidentListsTwoEntriesExactly()
    {
        const QString expected =
            headingsAround(japaneseLine(QStringLiteral("事故"), 14, QStringLiteral("accident"), 16),
                           japaneseLine(QStringLiteral("偶然の（でき事）、事故による"), 2,
                                        QStringLiteral("accidentally"), 12),
                           QString());
        QCOMPARE(run(QStringLiteral("事故"), kJapanese), expected);
    }

    void noMatchShowsTheHeadings_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Direction>("direction");
        QTest::addRow("no English field begins with x") << QStringLiteral("x") << kEnglish;
        QTest::addRow("a text longer than 24 characters")
            << QStringLiteral("the day before yesterday ") << kEnglish;
        QTest::addRow("ASCII after kana in 和英") << QStringLiteral("のabc") << kJapanese;
    }
    void noMatchShowsTheHeadings()
    {
        QFETCH(QString, text);
        QFETCH(Direction, direction);
        QCOMPARE(run(text, direction), headingsAround(QString(), QString(), QString()));
    }

    void counts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Direction>("direction");
        QTest::addColumn<int>("middle");
        QTest::addColumn<int>("high");
        QTest::addColumn<int>("university");
        QTest::addColumn<int>("total");
        QTest::addRow("a lists 517 entries")
            << QStringLiteral("a") << kEnglish << 54 << 192 << 271 << 517;
        QTest::addRow("s lists 748 entries")
            << QStringLiteral("s") << kEnglish << -1 << -1 << -1 << 748;
        QTest::addRow("ab lists 31 entries")
            << QStringLiteral("ab") << kEnglish << -1 << -1 << -1 << 31;
        QTest::addRow("go + space lists 7 entries")
            << QStringLiteral("go ") << kEnglish << -1 << -1 << -1 << 7;
        QTest::addRow("the whole 24-column key")
            << QStringLiteral("the day before yesterday") << kEnglish << 0 << 1 << 0 << 1;
        QTest::addRow("の lists 1041 entries")
            << QStringLiteral("の") << kJapanese << -1 << -1 << -1 << 1041;
    }
    void counts()
    {
        QFETCH(QString, text);
        QFETCH(Direction, direction);
        QFETCH(int, middle);
        QFETCH(int, high);
        QFETCH(int, university);
        QFETCH(int, total);
        const Counts found = countEntries(run(text, direction));
        QCOMPARE(found.total(), total);
        if (middle >= 0) {
            QCOMPARE(found.middle, middle);
            QCOMPARE(found.high, high);
            QCOMPARE(found.university, university);
        }
    }

    void caseOfTheTextDoesNotMatter()
    {
        QCOMPARE(run(QStringLiteral("Ab"), kEnglish), run(QStringLiteral("ab"), kEnglish));
        QCOMPARE(
            run(QStringLiteral("Zoo"), kEnglish),
            headingsAround(englishLine(QStringLiteral("zoo"), 21, QStringLiteral("動物園"), 13),
                           QString(), QString()));
    }

    void goWithSpaceListsGoAndItsPhrases()
    {
        const QString result = run(QStringLiteral("go "), kEnglish);
        QVERIFY(result.contains(QStringLiteral("  go") + QString(22, u' ') + QStringLiteral("  ")));
        for (const QString &row : result.split(kCrLf)) {
            if (row.startsWith(QStringLiteral("  ")))
                QVERIFY2(row.startsWith(QStringLiteral("  go ")), qPrintable(row));
        }
    }

    void duplicatesAreEachListed()
    {
        const QString result = run(QStringLiteral("may"), kEnglish);
        const qsizetype upper = result.indexOf(QStringLiteral("  May "));
        const qsizetype lower = result.indexOf(QStringLiteral("  may "));
        QVERIFY(upper >= 0);
        QVERIFY2(lower > upper, "bank order: May (slot 517) before may (slot 518)");
        const QString allInAll = run(QStringLiteral("all in all"), kEnglish);
        QCOMPARE(countEntries(allInAll).university, 2);
    }

    void everyLineLinesUpInColumns()
    {
        // Two spaces, 24 columns, two spaces, 32 columns in 英和; the fields swap in 和英.
        const auto columns = [](QStringView text) {
            int width = 0;
            for (QChar c : text)
                width += (c.unicode() < 0x80 || (c.unicode() >= 0xFF61 && c.unicode() <= 0xFF9F))
                             ? 1
                             : 2;
            return width;
        };
        for (const auto &[text, direction] : {std::pair{QStringLiteral("s"), kEnglish},
                                              std::pair{QStringLiteral("の"), kJapanese}}) {
            const QString result = run(text, direction);
            QVERIFY(result.endsWith(kCrLf));
            QVERIFY(!result.contains(QStringLiteral("\r\r")));
            for (const QString &row : result.split(kCrLf)) {
                if (row.startsWith(QStringLiteral("  ")))
                    QCOMPARE(columns(row), 2 + 24 + 2 + 32);
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestDictionarySearch)
#include "tst_dictionary_search.moc"
