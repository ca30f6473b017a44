#pragma once

#include <QString>
#include <QStringView>

// Fields are measured in columns: a character that takes one byte in the Japanese ANSI code page
// (ASCII, half-width katakana) is one column wide, every other character two. Characters are code
// points: a surrogate pair is one character, two columns wide, and is never cut apart.
constexpr int kEnglishColumns = 24;
constexpr int kJapaneseColumns = 32;

constexpr int columnsOf(char32_t c)
{
    return (c < 0x80 || (c >= 0xFF61 && c <= 0xFF9F)) ? 1 : 2;
}

int columnWidth(QStringView text);

// The longest start of the text that fits in `columns`, a wide character straddling the edge left
// out.
QStringView leadingColumns(QStringView text, int columns);

// Cuts the text at `columns` (dropping a wide character that would straddle the edge) and fills
// it out to exactly that width with ASCII spaces.
QString padEnglish(QStringView text);
// The same for a Japanese field: ideographic spaces fill it, after one ASCII space where an odd
// column is left over.
QString padJapanese(QStringView text);

// The text without its trailing padding, ASCII and ideographic spaces alike.
QString withoutPadding(QStringView field);
