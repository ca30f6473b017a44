#include "Columns.h"
#include "SpokenEnglish.h"
#include "WordBanks.h"

#include <QRegularExpression>
#include <QTest>

class TestWordBanks : public QObject
{
    Q_OBJECT
  private Q_SLOTS:
    // Runs first, while no bank has been loaded in this process.
    void unloadedBanksReadEmpty()
    {
        for (int bank = 1; bank <= kBankCount; ++bank)
            for (int slot : {0, 1, 500, 1000, 1010}) {
                QVERIFY(BankEnglish(bank, slot).isEmpty());
                QVERIFY(BankJapanese(bank, slot).isEmpty());
            }
    }

    void loadingFillsOnlyItsOwnBank()
    {
        LoadWordBank(3);
        QVERIFY(!BankEnglish(3, 1).isEmpty());
        QVERIFY(BankEnglish(2, 1).isEmpty());
        QVERIFY(BankEnglish(4, 1000).isEmpty());
    }

    void slotsOutsideTheEntriesStayEmpty()
    {
        for (int bank = 1; bank <= kBankCount; ++bank) {
            LoadWordBank(bank);
            for (int slot : {0, 1001, 1010}) {
                QVERIFY(BankEnglish(bank, slot).isEmpty());
                QVERIFY(BankJapanese(bank, slot).isEmpty());
            }
            QVERIFY(BankEnglish(bank, -1).isEmpty());
            QVERIFY(BankEnglish(bank, kSlotsPerBank).isEmpty());
        }
        QVERIFY(BankEnglish(0, 1).isEmpty());
        QVERIFY(BankEnglish(8, 1).isEmpty());
    }

    void loadingAgainChangesNothing()
    {
        LoadWordBank(5);
        QStringList before;
        for (int slot = kFirstSlot; slot <= kLastSlot; ++slot)
            before << BankEnglish(5, slot) + BankJapanese(5, slot);
        LoadWordBank(1);
        LoadWordBank(5);
        LoadWordBank(5);
        for (int slot = kFirstSlot; slot <= kLastSlot; ++slot)
            QCOMPARE(BankEnglish(5, slot) + BankJapanese(5, slot), before[slot - 1]);
    }

    void everyFieldHasItsFixedWidth()
    {
        for (int bank = 1; bank <= kBankCount; ++bank) {
            LoadWordBank(bank);
            for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) {
                const QString english = BankEnglish(bank, slot);
                const QString japanese = BankJapanese(bank, slot);
                QCOMPARE(columnWidth(english), kEnglishColumns);
                QCOMPARE(columnWidth(japanese), kJapaneseColumns);
                // English is padded with ASCII spaces only; Japanese with ideographic spaces,
                // after at most one ASCII space.
                QVERIFY(!english.endsWith(QChar(0x3000)));
                const QString japanesePadding = japanese.mid(withoutPadding(japanese).size());
                QVERIFY(japanesePadding.count(u' ') <= 1);
                QVERIFY(!japanesePadding.contains(u' ') || japanesePadding.startsWith(u' '));
                QVERIFY(!withoutPadding(english).isEmpty());
                QVERIFY(!withoutPadding(japanese).isEmpty());
            }
        }
    }

    void padding_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("english");
        QTest::addColumn<QString>("stored");
        const QChar ideographic(0x3000);
        QTest::addRow("short English gets ASCII spaces")
            << QStringLiteral("about") << true << QStringLiteral("about") + QString(19, u' ');
        QTest::addRow("full-width brackets count two columns")
            << QStringLiteral("in charge （of）") << true
            << QStringLiteral("in charge （of）") + QString(8, u' ');
        QTest::addRow("long English is cut at 24 columns")
            << QStringLiteral("be accompanied by the other") << true
            << QStringLiteral("be accompanied by the ot");
        QTest::addRow("a wide character straddling the edge is dropped")
            << QStringLiteral("abcdefghijklmnopqrstuvw～x") << true
            << QStringLiteral("abcdefghijklmnopqrstuvw ");
        QTest::addRow("even Japanese width gets ideographic spaces")
            << QStringLiteral("動物園") << false
            << QStringLiteral("動物園") + QString(13, ideographic);
        QTest::addRow("odd Japanese width gets one ASCII space first")
            << QStringLiteral("(経済）いき詰まり") << false
            << QStringLiteral("(経済）いき詰まり ") + QString(7, ideographic);
        QTest::addRow("beの現在分詞 is 17 characters")
            << QStringLiteral("beの現在分詞、現在の、存在、実") << false
            << QStringLiteral("beの現在分詞、現在の、存在、実") + ideographic;
        QTest::addRow("32 columns take no padding")
            << QStringLiteral("に混じって、に共通して、のうちで") << false
            << QStringLiteral("に混じって、に共通して、のうちで");
        QTest::addRow("a character outside the BMP is one, two columns wide")
            << QStringLiteral("𠮷野家") << false
            << QStringLiteral("𠮷野家") + QString(13, ideographic);
        QTest::addRow("a surrogate pair that reaches the edge stays whole")
            << QStringLiteral("abcdefghijklmnopqrstuv😀x") << true
            << QStringLiteral("abcdefghijklmnopqrstuv😀");
        QTest::addRow("half-width katakana count one column")
            << QStringLiteral("ｶﾀｶﾅ") << false << QStringLiteral("ｶﾀｶﾅ") + QString(14, ideographic);
    }
    void padding()
    {
        QFETCH(QString, text);
        QFETCH(bool, english);
        QFETCH(QString, stored);
        QCOMPARE(english ? padEnglish(text) : padJapanese(text), stored);
    }

    void spokenText_data()
    {
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("spoken");
        const auto row = [](const char *name, const char16_t *written, const char16_t *spoken) {
            QTest::addRow("%s", name) << QString::fromUtf16(written) << QString::fromUtf16(spoken);
        };
        row("a word loses its padding", u"zoo", u"zoo");
        row("（s） reads as the plural", u"make allowance（s） for", u"make allowances for");
        row("a bracketed word is read", u"in charge （of）", u"in charge of");
        row("～ing reads doing", u"cannot help ～ing", u"cannot help doing");
        row("～ at the end is dropped", u"apt to～", u"apt to");
        row("～ inside is a pause", u"keep ～ in mind", u"keep, in mind");
        row("～ and … as the two objects", u"prefer ～ to …", u"prefer, to");
        row("ASCII dots inside are a pause", u"cannot ... too", u"cannot, too");
        row("A is read as the letter", u"accuse A of B", u"accuse A, of B");
        row("A and B in a correlative", u"not only A but also B", u"not only A, but also B");
        row("one's is read as written", u"do one's best", u"do one's best");
        row("the pronoun I", u"I", u"I");
        row("an initialism", u"TV", u"TV");
        row("a title keeps its dot", u"Mr.", u"Mr.");
        row("a capitalised name", u"May", u"May");
        row("a hyphen and digits", u"Catch-22", u"Catch-22");
        row("a set phrase with its stop", u"Excuse me.", u"Excuse me.");
        row("a full-width letter is folded", u"lｅad", u"lead");
        row("a field of full width", u"the day before yesterday", u"the day before yesterday");
        row("a full field with ～", u"leave ～ at the mercy of", u"leave, at the mercy of");
        row("a field cut at its width is read as shown", u"be accompanied by the ot",
            u"be accompanied by the ot");
    }
    void spokenText()
    {
        QFETCH(QString, written);
        QFETCH(QString, spoken);
        // The entry as loaded, wherever the editors keep it.
        QString field;
        for (int bank = 1; bank <= kBankCount && field.isEmpty(); ++bank) {
            LoadWordBank(bank);
            for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) {
                if (withoutPadding(BankEnglish(bank, slot)) == written)
                    field = BankEnglish(bank, slot);
            }
        }
        QVERIFY2(!field.isEmpty(), "no longer in the banks");
        QCOMPARE(spokenEnglish(field), spoken);
    }

    // No field gives an engine a placeholder, a bracket, a wide character or an empty text.
    void everyFieldIsSpokenInPlainWords()
    {
        static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9][A-Za-z0-9 ',.!?-]*$"));
        for (int bank = 1; bank <= kBankCount; ++bank) {
            LoadWordBank(bank);
            for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) {
                const QString spoken = spokenEnglish(BankEnglish(bank, slot));
                QVERIFY2(plain.match(spoken).hasMatch() && !spoken.contains(u"  "),
                         qPrintable(spoken));
            }
        }
    }

    void juniorHighFacts()
    {
        LoadWordBank(1);
        const auto entry = [](int slot) {
            return std::pair(withoutPadding(BankEnglish(1, slot)),
                             withoutPadding(BankJapanese(1, slot)));
        };
        QCOMPARE(BankEnglish(1, 1), QStringLiteral("about") + QString(19, u' '));
        QCOMPARE(BankJapanese(1, 1),
                 QStringLiteral("約、およそ、～頃、～に関する") + QString(2, QChar(0x3000)));
        QCOMPARE(BankEnglish(1, 26), QStringLiteral("among") + QString(19, u' '));
        QCOMPARE(BankJapanese(1, 26), QStringLiteral("に混じって、に共通して、のうちで"));
        QCOMPARE(entry(517), std::pair(QStringLiteral("May"), QStringLiteral("５月")));
        QCOMPARE(entry(518).first, QStringLiteral("may"));
        QCOMPARE(entry(1000), std::pair(QStringLiteral("zoo"), QStringLiteral("動物園")));

        QStringList zWords, accidentMeanings;
        int startsWithA = 0;
        bool hasGo = false, hasOnce = false, hasBeing = false;
        for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) {
            const auto [english, japanese] = entry(slot);
            if (english.startsWith(u'z', Qt::CaseInsensitive))
                zWords << english + u'/' + japanese;
            if (english.startsWith(u'a', Qt::CaseInsensitive))
                ++startsWithA;
            QVERIFY(!english.startsWith(u'x', Qt::CaseInsensitive));
            if (japanese.contains(QStringLiteral("事故")))
                accidentMeanings << english + u'/' + japanese;
            hasGo |= english == u"go";
            hasOnce |= english == u"once";
            if (english == u"being") {
                hasBeing = true;
                QCOMPARE(BankJapanese(1, slot).size(), 17);
                QCOMPARE(japanese, QStringLiteral("beの現在分詞、現在の、存在、実"));
            }
        }
        QCOMPARE(zWords, QStringList({QStringLiteral("zebra/シマウマ"), QStringLiteral("zone/地帯"),
                                      QStringLiteral("zoo/動物園")}));
        QCOMPARE(accidentMeanings, QStringList{QStringLiteral("accident/事故")});
        QCOMPARE(startsWithA, 54);
        QVERIFY(hasGo && hasOnce && hasBeing);
    }
};

QTEST_GUILESS_MAIN(TestWordBanks)
#include "tst_wordbanks.moc"
