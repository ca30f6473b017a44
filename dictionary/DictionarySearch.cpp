#include "DictionarySearch.h"

#include "WordBanks.h"

#include <array>
#include <string_view>

namespace {
const QString kLineBreak = QStringLiteral("\r\n");
const QString kFieldGap = QStringLiteral("  ");

// Binary order: char16_t traits compare code units as unsigned numbers, and a prefix ranks first.
std::u16string_view units(QStringView text)
{
    return {text.utf16(), std::size_t(text.size())};
}

struct Level
{
    const char16_t *heading;
    std::array<int, 3> banks;
    int bankCount;
};

constexpr Level kLevels[] = {
    {u"○中学単語", {1, 0, 0}, 1},
    {u"○高校単語", {2, 3, 4}, 3},
    {u"○大学単語", {5, 6, 7}, 3},
};

// The rows of the bank being scanned: key in the first field, value in the second.
struct Row
{
    QString key;
    QString value;
};
using WorkingTable = std::array<Row, kSlotsPerBank>;

void fillTable(WorkingTable &table, int bank, SearchDirection direction)
{
    for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) {
        QString english = BankEnglish(bank, slot);
        QString japanese = BankJapanese(bank, slot);
        if (direction == SearchDirection::EnglishToJapanese)
            table[slot] = {std::move(english), std::move(japanese)};
        else
            table[slot] = {std::move(japanese), std::move(english)};
    }
}

bool prefixMatches(QStringView key, const QString &lowerText)
{
    // A key shorter than the text is compared whole, so it never matches.
    const QStringView head = key.left(lowerText.size());
    return head.size() == lowerText.size() && head.toString().toLower() == lowerText;
}
} // namespace

bool searchAccepted(QStringView text, SearchDirection direction)
{
    if (text.size() > kMaxSearchLength)
        return false;
    const std::u16string_view value = units(text);
    if (direction == SearchDirection::EnglishToJapanese)
        return value >= u"A" && value <= u"z";
    return value >= u"\u3042" && value <= u"\u9E19";
}

bool keyMatches(QStringView key, QStringView text, SearchDirection direction)
{
    if (direction == SearchDirection::EnglishToJapanese)
        return prefixMatches(key, text.toString().toLower());
    return key.contains(text, Qt::CaseSensitive);
}

std::optional<QString> searchDictionary(const QString &text, SearchDirection direction)
{
    if (!searchAccepted(text, direction))
        return std::nullopt;

    const QString lowerText = text.toLower();
    const auto matches = [&](const QString &key) {
        return direction == SearchDirection::EnglishToJapanese
                   ? prefixMatches(key, lowerText)
                   : key.contains(text, Qt::CaseSensitive);
    };

    WorkingTable table;
    QString result;
    bool first = true;
    for (const Level &level : kLevels) {
        if (!first)
            result += kLineBreak;
        first = false;
        result += QString::fromUtf16(level.heading) + kLineBreak + kLineBreak;
        for (int b = 0; b < level.bankCount; ++b) {
            const int bank = level.banks[std::size_t(b)];
            LoadWordBank(bank);
            fillTable(table, bank, direction);
            for (int row = kFirstSlot; row <= kLastSlot; ++row) {
                const Row &entry = table[std::size_t(row)];
                if (matches(entry.key)) {
                    result.append(kFieldGap).append(entry.key).append(kFieldGap);
                    result.append(entry.value).append(kLineBreak);
                }
            }
        }
    }
    return result;
}
