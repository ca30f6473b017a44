#pragma once
// The drill window, the program's main window: five-choice tests of 20 or 50 questions drawn
// from the chosen level's word banks, with sound cues, a score out of 100 and a review of the
// questions. It opens the result list, dictionary, study and about windows, each at most once,
// and hands its results to the result list window through ResultTexts.

#include "Layout.h"
#include "Platform.h"
#include "WordBanks.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <array>
#include <memory>

class Form2;
class Form4;
class Form5;
class frmAbout;
class QLabel;
class QLineEdit;
class QPushButton;

class Form1 final : public QWidget
{
    Q_OBJECT
  public:
    // The client area of the drill window, which the result list window shares.
    static constexpr ClientArea kClientArea{10245, 8295};

    explicit Form1(Platform &platform, QWidget *parent = nullptr);
    ~Form1() override;

    // Level, length and direction.
    void Option91_Click();
    void Option92_Click();
    void Option93_Click();
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Option4_Click();
    void Option5_Click() {}
    void Option6_Click() {}
    // The test.
    void Command8_Click();
    void Command1_Click();
    void Command2_Click() { answer(1); }
    void Command3_Click() { answer(2); }
    void Command4_Click() { answer(3); }
    void Command5_Click() { answer(4); }
    void Command6_Click() { answer(5); }
    // Review.
    void Command10_Click();
    void Command11_Click();
    // Window commands.
    void Command21_Click();
    void Command22_Click();
    void Command23_Click();
    void Command99_Click();
    void Command9_Click();
    void Command7_Click();

  private:
    struct Row
    {
        QString question;
        QString answer;
    };
    using WordList = std::array<Row, kSlotsPerBank>;

    void Form_Load();
    void selectLevel(int level);
    void runCurrentLevel();
    void setTestLength(int length);
    void setDirection(const QString &direction);
    void answer(int choice);
    void endTest();
    void review(int step);
    void playCue(const QString &fileName);
    void enableAnswerButtons(bool enabled);
    QLineEdit *box(const char *name) const;
    QPushButton *button(const char *name) const;

    Platform &m_platform;

    WordList m_testList;
    std::array<WordList, 3> m_levelLists;
    qint16 m_rotation = 1;
    QString m_level;
    qint16 m_listSize = 0;
    QString m_direction = QStringLiteral("英和");
    qint16 m_testLength = 0;
    qint16 m_questionNumber = 0;
    qint16 m_pressCount = 0;
    qint16 m_rightCount = 0;
    qint16 m_answerSlot = 0;
    // Set by a level, length or direction click during a test: its counts and lists stay as they
    // were, so further presses only mark and sound.
    bool m_testAbandoned = false;
    // Per question of a test: the question word, then the words of choices 1..5; room for twice
    // the longest test, with one to spare.
    static constexpr int kRecordCount = 101;
    std::array<std::array<qint16, kRecordCount>, 6> m_records{};

    QLabel *m_questionLabel = nullptr;
    std::array<QLineEdit *, 5> m_choiceBoxes{};
    std::array<QLineEdit *, 5> m_markBoxes{};
    std::array<QPushButton *, 5> m_answerButtons{};

    QPointer<Form2> m_results;
    QPointer<Form4> m_dictionary;
    std::unique_ptr<Form5> m_study;
    QPointer<frmAbout> m_about;
};
