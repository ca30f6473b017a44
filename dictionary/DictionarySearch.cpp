#include "DictionarySearch.h"

#include "WordBanks.h"

#include <array>

namespace {
const QString kLineBreak = QStringLiteral("\r\n");
const QString kFieldGap = QStringLiteral("  ");

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
} // namespace

bool searchAccepted(QStringView text, SearchDirection direction)
{
    if (text.isEmpty() || text.size() > kMaxSearchLength)
        return false;
    const char16_t first = text.front().unicode();
    if (direction == SearchDirection::EnglishToJapanese)
        return first >= u'A' && first <= u'z';
    return first >= u'\u3042' && first <= u'\u9FFF';
}

KeyMatcher::KeyMatcher(const QString &text, SearchDirection direction)
    : m_text(direction == SearchDirection::EnglishToJapanese ? text.toLower() : text),
      m_direction(direction)
{
}

bool KeyMatcher::matches(QStringView key) const
{
    if (m_direction == SearchDirection::JapaneseToEnglish)
        return key.contains(m_text, Qt::CaseSensitive);
    // A key shorter than the text is compared whole, so it never matches.
    const QStringView head = key.left(m_text.size());
    return head.size() == m_text.size() && head.toString().toLower() == m_text;
}

std::optional<QString> searchDictionary(const QString &text, SearchDirection direction)
{
    if (!searchAccepted(text, direction))
        return std::nullopt;

    const KeyMatcher matcher(text, direction);
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
                if (matcher.matches(entry.key)) {
                    result.append(kFieldGap).append(entry.key).append(kFieldGap);
                    result.append(entry.value).append(kLineBreak);
                }
            }
        }
    }
    return result;
}
