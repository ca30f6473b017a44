#include "Columns.h"

#include <limits>

namespace {
// The longest start of `text` that fits in `columns`, and its width.
std::pair<QStringView, int> fitting(QStringView text, int columns)
{
    int used = 0;
    for (qsizetype i = 0; i < text.size();) {
        char32_t c = text[i].unicode();
        qsizetype units = 1;
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            units = 2;
        }
        if (used + columnsOf(c) > columns)
            return {text.first(i), used};
        used += columnsOf(c);
        i += units;
    }
    return {text, used};
}
} // namespace

int columnWidth(QStringView text)
{
    return fitting(text, std::numeric_limits<int>::max()).second;
}

QStringView leadingColumns(QStringView text, int columns)
{
    return fitting(text, columns).first;
}

QString padEnglish(QStringView text)
{
    const auto [kept, used] = fitting(text, kEnglishColumns);
    return kept.toString() + QString(kEnglishColumns - used, u' ');
}

QString padJapanese(QStringView text)
{
    const auto [kept, used] = fitting(text, kJapaneseColumns);
    int left = kJapaneseColumns - used;
    QString field = kept.toString();
    if (left % 2 == 1) {
        field += u' ';
        --left;
    }
    return field + QString(left / 2, QChar(0x3000));
}

QString withoutPadding(QStringView field)
{
    qsizetype end = field.size();
    while (end > 0 && (field[end - 1] == u' ' || field[end - 1] == QChar(0x3000)))
        --end;
    return field.first(end).toString();
}
