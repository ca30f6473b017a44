// Facts of the whole vocabulary, checked on the strings as the program loads them.

#include "Columns.h"
#include "WordBanks.h"

#include <QTest>

#include <algorithm>

namespace {
struct Entry
{
    int bank;
    int slot;
    QString english; // as stored, padded
    QString japanese;
    QString word() const { return withoutPadding(english); }
    QString meaning() const { return withoutPadding(japanese); }
};

QList<Entry> loadAll()
{
    QList<Entry> entries;
    for (int bank = 1; bank <= kBankCount; ++bank) {
        LoadWordBank(bank);
        for (int slot = kFirstSlot; slot <= kLastSlot; ++slot)
            entries.append({bank, slot, BankEnglish(bank, slot), BankJapanese(bank, slot)});
    }
    return entries;
}

int levelOf(int bank)
{
    for (int level = 1; level <= kLevelCount; ++level)
        if (std::ranges::count(levelBanks(level), bank) != 0)
            return level;
    return 0;
}

// The wordbook order: ignore case, hyphens and apostrophes; a space sorts before any letter.
QString orderKey(const QString &english)
{
    QString key = english.toLower();
    key.remove(u'-');
    key.remove(u'\'');
    return key;
}

bool isWide(QChar c)
{
    return columnsOf(c.unicode()) == 2;
}
} // namespace

class TestVocabulary : public QObject
{
    Q_OBJECT
  private:
    QList<Entry> m_entries;

    const Entry &at(int bank, int slot) const { return m_entries[(bank - 1) * 1000 + slot - 1]; }
    QStringList where(const std::function<bool(const Entry &)> &test) const
    {
        QStringList found;
        for (const Entry &e : m_entries)
            if (test(e))
                found << QStringLiteral("%1:%2 %3").arg(e.bank).arg(e.slot).arg(e.word());
        return found;
    }

  private Q_SLOTS:
    void initTestCase() { m_entries = loadAll(); }

    void tellingRows_data()
    {
        QTest::addColumn<int>("bank");
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("japanese");
        const auto row = [](int bank, int slot, const char16_t *english, const char16_t *japanese) {
            QTest::addRow("bank %d slot %d", bank, slot)
                << bank << slot << QString::fromUtf16(english) << QString::fromUtf16(japanese);
        };
        row(1, 1, u"about", u"約、およそ、～頃、～に関する");
        row(1, 1000, u"zoo", u"動物園");
        row(2, 1, u"abandon", u"捨てる");
        row(2, 1000, u"explosion", u"爆発、激発");
        row(3, 1, u"explosive", u"爆発する");
        row(3, 1000, u"policy", u"政策、方針");
        row(4, 1, u"polish", u"磨く");
        row(4, 714, u"the day before yesterday", u"おととい");
        row(4, 1000, u"zero", u"零、零点、零度、無、最下点");
        row(5, 1, u"abandon myself", u"身を委ねる");
        row(5, 568, u"ceiling prices", u"(経済）いき詰まり");
        row(5, 1000, u"employ in", u"～従事して");
        row(6, 1, u"enact", u"演ずる");
        row(6, 1000, u"parking lot", u"駐車場");
        row(7, 1, u"parlance", u"語法");
        row(7, 1000, u"yell", u"叫ぶ");
    }
    void tellingRows()
    {
        QFETCH(int, bank);
        QFETCH(int, slot);
        QFETCH(QString, english);
        QFETCH(QString, japanese);
        QCOMPARE(at(bank, slot).word(), english);
        QCOMPARE(at(bank, slot).meaning(), japanese);
    }

    void storedForms()
    {
        QCOMPARE(at(4, 714).english, QStringLiteral("the day before yesterday"));
        QCOMPARE(at(5, 91).word(), QStringLiteral("All in all"));
        QCOMPARE(at(5, 92).word(), QStringLiteral("all in all"));
        QCOMPARE(at(5, 568).japanese,
                 QStringLiteral("(経済）いき詰まり ") + QString(7, QChar(0x3000)));
        const QStringList inCharge =
            where([](const Entry &e) { return e.word() == u"in charge （of）"; });
        QCOMPARE(inCharge.size(), 1);
        for (const Entry &e : m_entries)
            if (e.word() == u"in charge （of）")
                QCOMPARE(e.english.size(), 22);
    }

    void entriesStandInTheirBanks_data()
    {
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("japanese"); // of the entry in the first bank; empty: any meaning
        QTest::addColumn<QList<int>>("banks");
        const auto row = [](const char16_t *english, const char16_t *japanese, QList<int> banks) {
            QTest::addRow("%s", QString::fromUtf16(english).toUtf8().constData())
                << QString::fromUtf16(english) << QString::fromUtf16(japanese) << banks;
        };
        row(u"accident", u"事故", {1});
        row(u"accidentally", u"偶然の（でき事）、事故による", {2});
        row(u"banner", u"", {2, 5});
        row(u"lｅad", u"", {3});
        row(u"namely", u"すなわち（=that is to say)", {3});
        row(u"zeal", u"熱意", {4});
        row(u"be accompanied by the ot", u"", {5});
        row(u"checker", u"vt、格子縞、市松模様", {5});
        row(u"apt to～", u"", {5});
        row(u"As is always the case", u"", {5});
        row(u"account for", u"", {5});
        row(u"once", u"", {1});
        row(u"Once", u"", {6});
        row(u"leave ～ at the mercy of", u"", {6});
        row(u"make allowance（s） for", u"", {6});
        row(u"Well done!", u"", {7});
        row(u"May", u"５月", {1});
        row(u"go", u"", {1});
    }
    void entriesStandInTheirBanks()
    {
        QFETCH(QString, english);
        QFETCH(QString, japanese);
        QFETCH(QList<int>, banks);
        QList<int> found;
        for (const Entry &e : m_entries)
            if (e.word() == english) {
                if (found.isEmpty() && !japanese.isEmpty())
                    QCOMPARE(e.meaning(), japanese);
                found << e.bank;
            }
        QCOMPARE(found, banks);
    }

    void wholeAssetCounts()
    {
        int capitals = 0, wideEnglish = 0, fullJapanese = 0, fullEnglish = 0;
        for (const Entry &e : m_entries) {
            capitals += e.english.front().isUpper();
            wideEnglish += std::any_of(e.english.begin(), e.english.end(), isWide);
            fullJapanese += e.japanese == e.meaning();
            fullEnglish += e.english == e.word();
            QVERIFY(!e.word().trimmed().isEmpty());
            QVERIFY(!e.meaning().trimmed().isEmpty());
            QVERIFY(!e.english.startsWith(u'x', Qt::CaseInsensitive));
        }
        QCOMPARE(capitals, 79);
        QCOMPARE(wideEnglish, 10);
        QCOMPARE(fullJapanese, 288);
        QCOMPARE(fullEnglish, 11);
    }

    void levelFacts()
    {
        std::array<int, 4> startsWithA{};
        for (const Entry &e : m_entries)
            startsWithA[levelOf(e.bank)] += e.english.startsWith(u'a', Qt::CaseInsensitive);
        QCOMPARE(startsWithA[1], 54);
        QCOMPARE(startsWithA[2], 192);
        QCOMPARE(startsWithA[3], 271);

        const auto wordsWhere = [this](const std::function<bool(const Entry &)> &test) {
            QStringList words;
            for (const Entry &e : m_entries)
                if (test(e))
                    words << QStringLiteral("%1 %2").arg(e.bank).arg(e.word());
            return words;
        };
        QCOMPARE(
            wordsWhere([](const Entry &e) { return e.japanese.contains(QStringLiteral("事故")); }),
            QStringList({QStringLiteral("1 accident"), QStringLiteral("2 accidentally")}));
        QCOMPARE(wordsWhere([](const Entry &e) {
                     return e.english.startsWith(u'z', Qt::CaseInsensitive);
                 }),
                 QStringList({QStringLiteral("1 zebra"), QStringLiteral("1 zone"),
                              QStringLiteral("1 zoo"), QStringLiteral("4 zeal"),
                              QStringLiteral("4 zero")}));
    }

    // A higher level teaches new words: only "banner" and "Once" repeat a lower level's word;
    // within a level only "May" and "All in all" repeat one, in another case.
    void eachLevelTeachesItsOwnWords()
    {
        QHash<QString, QString> firstSeen;
        QStringList repeats;
        for (const Entry &e : m_entries) {
            const QString word = e.word().toLower();
            const QString here = QStringLiteral("%1 %2").arg(e.bank).arg(e.word());
            if (firstSeen.contains(word))
                repeats << firstSeen[word] + QStringLiteral(" / ") + here;
            else
                firstSeen.insert(word, here);
        }
        QCOMPARE(repeats, QStringList({QStringLiteral("1 May / 1 may"),
                                       QStringLiteral("5 All in all / 5 all in all"),
                                       QStringLiteral("2 banner / 5 banner"),
                                       QStringLiteral("1 once / 6 Once")}));
    }

    // Within each level the entries run in wordbook order; three stand beside a related word
    // instead.
    void wordbookOrder()
    {
        const QStringList expectedExceptions = {QStringLiteral("1 TV"), QStringLiteral("3 lｅad"),
                                                QStringLiteral("7 vs.")};
        QStringList exceptions;
        for (int level = 1; level <= 3; ++level) {
            QString previous;
            for (const Entry &e : m_entries) {
                if (levelOf(e.bank) != level)
                    continue;
                const QString tag = QStringLiteral("%1 %2").arg(e.bank).arg(e.word());
                if (expectedExceptions.contains(tag)) {
                    // It really stands out: the entry after it sorts before it.
                    const Entry &next = at(e.bank, e.slot + 1);
                    QVERIFY(orderKey(next.english) < orderKey(e.english));
                    exceptions << tag;
                    continue;
                }
                const QString key = orderKey(e.english);
                QVERIFY2(previous <= key, qPrintable(QStringLiteral("%1:%2 %3 is out of order")
                                                         .arg(e.bank)
                                                         .arg(e.slot)
                                                         .arg(e.word())));
                previous = key;
            }
        }
        QCOMPARE(exceptions, expectedExceptions);
    }
};

QTEST_GUILESS_MAIN(TestVocabulary)
#include "tst_vocabulary.moc"
