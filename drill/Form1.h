#pragma once
// The drill window, the program's main window: five-choice tests of 20 or 50 questions drawn
// from the chosen level's word banks, with sound cues, a score out of 100 and a review of the
// questions. It opens the result list, dictionary, study and about windows, each at most once,
// and hands its results to the result list window. The rules of a test live in DrillSession; this
// class owns the controls, and each handler reads them, calls the session and writes them back.

#include "DrillSession.h"
#include "Layout.h"
#include "Platform.h"

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
    static const WindowLayout kLayout;

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
    void Form_Load();
    void answer(int choice);
    void endTest();
    void review(int step);
    void playCue(const QString &fileName);
    void clearQuestion();
    void showButtons();
    void addKeys();
    // The English of the choice whose box or answer button has the focus, else of the question.
    QString focusedEnglish() const;
    QLineEdit *box(const char *name) const;
    QPushButton *button(const char *name) const;

    Platform &m_platform;
    DrillSession m_session;

    QLabel *m_questionLabel = nullptr;
    std::array<QLineEdit *, 5> m_choiceBoxes{};
    std::array<QLineEdit *, 5> m_markBoxes{};
    std::array<QPushButton *, 5> m_answerButtons{};
    // What the question label and the choice boxes show in English, as they were shown.
    ShownEnglish m_shownEnglish;

    QPointer<Form2> m_results;
    QPointer<Form4> m_dictionary;
    std::unique_ptr<Form5> m_study;
    QPointer<frmAbout> m_about;
};
