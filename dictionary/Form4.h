#pragma once

#include "DictionarySearch.h"
#include "Layout.h"

#include <QWidget>

class InputMethodSwitch;
struct Platform;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class QTextCursor;

// The dictionary window: a search box filled by typing or by 26 letter buttons, the direction
// 英和 / 和英, and a fixed-pitch result box that searchDictionary fills. Destroyed when closed,
// so every opening starts from the defaults. The direction sets the search box's input-method
// mode: 英和 keeps the input method out of it, 和英 lets it in and turns it on as the box takes
// the focus.
class Form4 final : public QWidget
{
    Q_OBJECT
  public:
    static const WindowLayout kLayout;

    explicit Form4(Platform &platform);

    void Option1_Click();
    void Option2_Click();
    void Command1_Click();
    void Command19_Click();
    void Command2_Click();
    // The 26 letter buttons: each appends its lower-case ASCII letter.
    void appendLetter(char16_t letter);

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void Form_Load();
    void setDirection(Direction direction);

    QString englishOfLine(const QTextCursor &cursor) const;

    InputMethodSwitch &m_inputMethod;
    Direction m_direction = Direction::EnglishToJapanese;
    // The direction of the search that the result box shows; the options change only the next.
    Direction m_resultDirection = Direction::EnglishToJapanese;
    QLineEdit *m_searchBox = nullptr;
    QPlainTextEdit *m_resultBox = nullptr;
};
