#include "DictionarySearch.h"

#include "Columns.h"
#include "WordBanks.h"

namespace {
const QString kLineBreak = QStringLiteral("\r\n");
const QString kFieldGap = QStringLiteral("  ");
// The heading of each level's matches, 中学, 高校 and 大学 in turn.
constexpr const char16_t *kLevelHeadings[kLevelCount] = {u"○中学単語", u"○高校単語", u"○大学単語"};
} // namespace

bool searchAccepted(QStringView text, Direction direction)
{
    if (text.isEmpty() || text.size() > kMaxSearchLength)
        return false;
    const char16_t first = text.front().unicode();
    if (direction == Direction::EnglishToJapanese)
        return first >= u'A' && first <= u'z';
    return first >= u'\u3042' && first <= u'\u9FFF';
}

KeyMatcher::KeyMatcher(const QString &text, Direction direction)
    : m_text(direction == Direction::EnglishToJapanese ? text.toLower() : text),
      m_direction(direction)
{
}

bool KeyMatcher::matches(QStringView key) const
{
    if (m_direction == Direction::JapaneseToEnglish)
        return key.contains(m_text, Qt::CaseSensitive);
    // A key shorter than the text is compared whole, so it never matches.
    const QStringView head = key.left(m_text.size());
    return head.size() == m_text.size() && head.toString().toLower() == m_text;
}

std::optional<QString> searchDictionary(const QString &text, Direction direction)
{
    if (!searchAccepted(text, direction))
        return std::nullopt;

    const KeyMatcher matcher(text, direction);
    QString result;
    for (int level = 1; level <= kLevelCount; ++level) {
        if (level > 1)
            result += kLineBreak;
        result += QString::fromUtf16(kLevelHeadings[level - 1]) + kLineBreak + kLineBreak;
        takeLevelEntries(
            distinctLevelBanks(level), direction,
            [&](std::size_t, int, const QString &key, const QString &value) {
                if (matcher.matches(key))
                    result.append(kFieldGap).append(key).append(kFieldGap).append(value).append(
                        kLineBreak);
            });
    }
    return result;
}

QString resultLineEnglish(QStringView line, Direction direction)
{
    if (!line.startsWith(kFieldGap))
        return {};
    const QStringView fields = line.mid(kFieldGap.size());
    if (direction == Direction::EnglishToJapanese)
        return leadingColumns(fields, kEnglishColumns).toString();
    const qsizetype key = leadingColumns(fields, kJapaneseColumns).size();
    return fields.mid(key + kFieldGap.size()).toString();
}
