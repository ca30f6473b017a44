#include "Columns.h"

namespace {
// The longest start of `text` that fits in `columns`, and its width.
std::pair<QStringView, int> fitting(QStringView text, int columns)
{
    int used = 0;
    qsizetype length = 0;
    for (const QChar c : text) {
        const int w = columnsOf(c.unicode());
        if (used + w > columns)
            break;
        used += w;
        ++length;
    }
    return {text.first(length), used};
}
} // namespace

int columnWidth(QStringView text)
{
    int width = 0;
    for (const QChar c : text)
        width += columnsOf(c.unicode());
    return width;
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
