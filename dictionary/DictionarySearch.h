#pragma once
// The dictionary subsystem: the window Form4 (search box, letter buttons, result box) and this
// search, which reads all seven word banks and knows nothing of widgets. The window copies its
// search box into searchDictionary and writes the text it returns into the result box.

#include "WordBanks.h"

#include <QString>
#include <QStringView>

#include <limits>
#include <optional>

// The search length is a 16-bit count; a longer text is refused rather than let it wrap.
constexpr qsizetype kMaxSearchLength = std::numeric_limits<qint16>::max();

// Whether a search runs at all: the first character must lie between "A" and "z" (英和) or
// between "あ" and U+9FFF, the end of the CJK ideographs (和英), and the text must be no longer
// than kMaxSearchLength. The empty text is refused.
bool searchAccepted(QStringView text, Direction direction);

// Whether the key of a row matches the search text: in 英和 the key is an entry's English field,
// in 和英 its Japanese field. 英和: the key's first text.size() characters
// equal the text, ignoring case, padding included. 和英: the key contains the text exactly.
class KeyMatcher
{
  public:
    KeyMatcher(const QString &text, Direction direction);
    bool matches(QStringView key) const;

  private:
    QString m_text; // lower-cased in 英和, once per search
    Direction m_direction;
};

// The English field of a line of a result that searchDictionary gave in `direction`, padding
// included; empty for a heading or an empty line.
QString resultLineEnglish(QStringView line, Direction direction);

// Loads each bank right before scanning it and lists the matches under the three level headings,
// each line "  key  value" with both fields as stored, every line ending in CR LF. Empty when
// the text is refused: then nothing at all has happened.
std::optional<QString> searchDictionary(const QString &text, Direction direction);
