#pragma once

#include <QString>
#include <QStringView>

// What a speech engine is given for an English field: the field without its padding, in plain
// letters (full-width ones folded), with the wordbook's placeholders turned into what a reader
// says aloud: "allowance（s）" and "in charge （of）" read the bracketed letters as part of the
// phrase, "～ing" reads "doing", a "～" or "…" inside a phrase becomes a pause and one at either
// end is dropped, and the placeholder "A" is followed by a pause so that it is read as the letter
// rather than as the article ("B" and "one's" need nothing). Everything else is read as shown,
// a field cut at its width included.
QString spokenEnglish(QStringView field);
