#pragma once
// The dictionary subsystem: the window Form4 (search box, letter buttons, result box) and this
// search, which reads all seven word banks and knows nothing of widgets. The window copies its
// search box into searchDictionary and writes the text it returns into the result box.

#include <QString>
#include <QStringView>

#include <optional>

enum class SearchDirection
{
    EnglishToJapanese, // 英和: entries whose English field begins with the search text
    JapaneseToEnglish, // 和英: entries whose Japanese field contains the search text
};

// The search length is a 16-bit count; a longer text is refused rather than let it wrap.
constexpr qsizetype kMaxSearchLength = 32767;

// Whether a search runs at all: the whole text, compared code unit by code unit, must lie between
// "A" and "z" (英和) or between "あ" and "鸙" (和英), and be no longer than kMaxSearchLength.
bool searchAccepted(QStringView text, SearchDirection direction);

// Whether the key of a row matches. 英和: the key's first text.size() characters equal the text,
// ignoring case, padding included. 和英: the key contains the text exactly.
bool keyMatches(QStringView key, QStringView text, SearchDirection direction);

// Loads each bank right before scanning it and lists the matches under the three level headings,
// each line "  key  value" with both fields as stored, every line ending in CR LF. Empty when
// the text is refused: then nothing at all has happened.
std::optional<QString> searchDictionary(const QString &text, SearchDirection direction);
