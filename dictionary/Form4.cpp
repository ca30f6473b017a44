#include "Form4.h"

#include "AppInfo.h"
#include "InputMethodSwitch.h"
#include "Layout.h"
#include "Platform.h"
#include "SpeechEntry.h"
#include "SpokenEnglish.h"

#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBlock>

namespace {
constexpr ClientArea kClientArea{10320, 8280};

// clang-format off
constexpr ControlRow kControls[] = {
    {"Frame1",    Kind::Frame,     "",       u"",       360, 120, 1695, 615, 4, kPGothic9},
    // The options take the window's face, not their frame's.
    {"Option1",   Kind::Option,    "Frame1", u"英和",   120, 240, 735, 255, 5, kGothic9},
    {"Option2",   Kind::Option,    "Frame1", u"和英",   840, 240, 735, 255, 6, kGothic9},
    {"Command19", Kind::Button,    "",       u"クリア", 7440, 240, 855, 495, 22, {}},
    {"Command1",  Kind::Button,    "",       u"検 索",  8520, 240, 1455, 495, 1, {}},
    {"Text1",     Kind::Text,      "",       u"",       2280, 285, 4935, 375, 0, {Face::Gothic, 12}},
    {"Command9",  Kind::Button,    "",       u"Ｑ",     480, 960, 735, 375, 12, {}},
    {"Command10", Kind::Button,    "",       u"Ｗ",     1320, 960, 735, 375, 13, {}},
    {"Command20", Kind::Button,    "",       u"Ｅ",     2160, 960, 735, 375, 23, {}},
    {"Command14", Kind::Button,    "",       u"Ｒ",     3000, 960, 735, 375, 17, {}},
    {"Command15", Kind::Button,    "",       u"Ｔ",     3840, 960, 735, 375, 18, {}},
    {"Command16", Kind::Button,    "",       u"Ｙ",     4680, 960, 735, 375, 19, {}},
    {"Command17", Kind::Button,    "",       u"Ｕ",     5520, 960, 735, 375, 20, {}},
    {"Command18", Kind::Button,    "",       u"Ｉ",     6360, 960, 735, 375, 21, {}},
    {"Command21", Kind::Button,    "",       u"Ｏ",     7200, 960, 735, 375, 24, {}},
    {"Command22", Kind::Button,    "",       u"Ｐ",     8040, 960, 735, 375, 25, {}},
    {"Command11", Kind::Button,    "",       u"Ａ",     960, 1440, 735, 375, 14, {}},
    {"Command12", Kind::Button,    "",       u"Ｓ",     1800, 1440, 735, 375, 15, {}},
    {"Command13", Kind::Button,    "",       u"Ｄ",     2640, 1440, 735, 375, 16, {}},
    {"Command23", Kind::Button,    "",       u"Ｆ",     3480, 1440, 735, 375, 26, {}},
    {"Command25", Kind::Button,    "",       u"Ｇ",     4320, 1440, 735, 375, 27, {}},
    {"Command26", Kind::Button,    "",       u"Ｈ",     5160, 1440, 735, 375, 28, {}},
    {"Command27", Kind::Button,    "",       u"Ｊ",     6000, 1440, 735, 375, 29, {}},
    {"Command28", Kind::Button,    "",       u"Ｋ",     6840, 1440, 735, 375, 30, {}},
    {"Command29", Kind::Button,    "",       u"Ｌ",     7680, 1440, 735, 375, 31, {}},
    {"Command2",  Kind::Button,    "",       u"戻 る",  8880, 1800, 855, 495, 2, {}},
    {"Command30", Kind::Button,    "",       u"Ｚ",     1440, 1920, 735, 375, 32, {}},
    {"Command4",  Kind::Button,    "",       u"Ｘ",     2280, 1920, 735, 375, 7, {}},
    {"Command5",  Kind::Button,    "",       u"Ｃ",     3120, 1920, 735, 375, 8, {}},
    {"Command6",  Kind::Button,    "",       u"Ｖ",     3960, 1920, 735, 375, 9, {}},
    {"Command7",  Kind::Button,    "",       u"Ｂ",     4800, 1920, 735, 375, 10, {}},
    {"Command8",  Kind::Button,    "",       u"Ｎ",     5640, 1920, 735, 375, 11, {}},
    {"Command31", Kind::Button,    "",       u"Ｍ",     6480, 1920, 735, 375, 33, {}},
    {"Text2",     Kind::MultiText, "",       u"",       480, 2640, 9375, 5175, 3, {Face::Gothic, 11.25}},
};
// clang-format on

constexpr AccessibleName kAccessibleNames[] = {
    {"Text1", u"検索語"},
    {"Text2", u"検索結果"},
};

struct LetterButton
{
    const char *name;
    char16_t letter;
};

constexpr LetterButton kLetterButtons[] = {
    {"Command11", u'a'}, {"Command7", u'b'},  {"Command5", u'c'},  {"Command13", u'd'},
    {"Command20", u'e'}, {"Command23", u'f'}, {"Command25", u'g'}, {"Command26", u'h'},
    {"Command18", u'i'}, {"Command27", u'j'}, {"Command28", u'k'}, {"Command29", u'l'},
    {"Command31", u'm'}, {"Command8", u'n'},  {"Command21", u'o'}, {"Command22", u'p'},
    {"Command9", u'q'},  {"Command14", u'r'}, {"Command12", u's'}, {"Command15", u't'},
    {"Command17", u'u'}, {"Command6", u'v'},  {"Command10", u'w'}, {"Command4", u'x'},
    {"Command16", u'y'}, {"Command30", u'z'},
};
} // namespace

constinit const WindowLayout Form4::kLayout{kClientArea, kGothic9, kControls};

Form4::Form4(Platform &platform) : m_inputMethod(platform.inputMethod)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("７０００単語の辞書"));
    setWindowIcon(programIcon());
    setFont(layoutFont(kLayout.font));
    setFixedClientArea(this, kLayout.clientArea);
    QWidget *first = buildLayout(this, kLayout.controls);
    setAccessibleNames(this, kAccessibleNames);

    m_searchBox = findChild<QLineEdit *>(QStringLiteral("Text1"));
    m_resultBox = findChild<QPlainTextEdit *>(QStringLiteral("Text2"));
    // Results are replaced whole; an undo history of 48,000-character texts is of no use.
    m_resultBox->setUndoRedoEnabled(false);
    auto *english = findChild<QRadioButton *>(QStringLiteral("Option1"));
    english->setChecked(true);

    const auto button = [this](const char *name) {
        return findChild<QPushButton *>(QLatin1String(name));
    };
    onClicked(this, "Option1", &Form4::Option1_Click);
    onClicked(this, "Option2", &Form4::Option2_Click);
    onClicked(this, "Command1", &Form4::Command1_Click);
    onClicked(this, "Command19", &Form4::Command19_Click);
    onClicked(this, "Command2", &Form4::Command2_Click);
    // Enter in the search box searches, as 検 索 does.
    connect(m_searchBox, &QLineEdit::returnPressed, this, &Form4::Command1_Click);
    m_searchBox->installEventFilter(this);
    for (const LetterButton &letter : kLetterButtons) {
        connect(button(letter.name), &QPushButton::clicked, this,
                [this, ch = letter.letter] { appendLetter(ch); });
    }

    addSpeechShortcut(this, platform.speaker,
                      [this] { return englishOfLine(m_resultBox->textCursor()); });
    addSpeechMenu(m_resultBox, platform.speaker, [this](QPoint pos) {
        return englishOfLine(m_resultBox->cursorForPosition(pos));
    });

    Form_Load();
    centreOnScreen(this);
    first->setFocus();
}

QString Form4::englishOfLine(const QTextCursor &cursor) const
{
    return spokenEnglish(resultLineEnglish(cursor.block().text(), m_resultDirection));
}

void Form4::Form_Load()
{
    Option1_Click();
}

bool Form4::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_searchBox && event->type() == QEvent::FocusIn &&
        m_direction == Direction::JapaneseToEnglish) {
        m_inputMethod.turnOn();
    }
    return QWidget::eventFilter(watched, event);
}

void Form4::setDirection(Direction direction)
{
    m_direction = direction;
    const bool japanese = direction == Direction::JapaneseToEnglish;
    // The input method follows the direction at once while the box has the focus, and otherwise
    // as the box takes it. Turning it off as the box takes the focus in 英和 could reach another
    // program's box, as the input method then knows of no box of this one.
    if (m_searchBox->hasFocus()) {
        if (japanese)
            m_inputMethod.turnOn();
        else
            m_inputMethod.turnOff();
    }
    // English search takes the keys directly; Japanese search lets the input method in. Qt tells
    // the input method of the change while the box has the focus.
    m_searchBox->setAttribute(Qt::WA_InputMethodEnabled, japanese);
    m_searchBox->setInputMethodHints(japanese
                                         ? Qt::ImhNone
                                         : Qt::ImhLatinOnly | Qt::ImhPreferLowercase |
                                               Qt::ImhNoAutoUppercase | Qt::ImhNoPredictiveText);
    m_searchBox->clear();
}

void Form4::Option1_Click()
{
    setDirection(Direction::EnglishToJapanese);
}

void Form4::Option2_Click()
{
    setDirection(Direction::JapaneseToEnglish);
}

void Form4::appendLetter(char16_t letter)
{
    m_searchBox->setText(m_searchBox->text() + QChar(letter));
}

void Form4::Command19_Click()
{
    m_searchBox->clear();
}

void Form4::Command1_Click()
{
    if (const std::optional<QString> result = searchDictionary(m_searchBox->text(), m_direction)) {
        m_resultBox->setPlainText(*result);
        m_resultDirection = m_direction;
    }
}

void Form4::Command2_Click()
{
    close();
}
