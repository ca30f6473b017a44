#pragma once
// What a drill test is, apart from its window: the three lists of the chosen level and their
// rotation, the test list, the question records, the counts, the review cursor, the result texts
// the result list window reads, and which of the drill window's buttons are enabled. Form1 reads
// its controls, calls one operation here and writes back what the operation returns.

#include "WordBanks.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

class Clock;
class RandomSource;

// What the drill window leaves for the result list window: the lines of the questions answered
// right and wrong at their first press in the current test, and the score of the last finished
// test. The only state the two windows share.
struct ResultTexts
{
    QString correctList;
    QString incorrectList;
    QString scoreText;
};

// Which of the drill window's controls are enabled.
struct DrillButtons
{
    bool start = true;    // 試験開始
    bool next = false;    // 次へ
    bool answers = false; // １..５
    bool review = false;  // ← and →
    bool results = false; // 結果
    bool boxes = false;   // the score box, the choice boxes and the mark boxes
};

// The English field that the question and choices 1..5 show, for speaking it; empty where one
// shows Japanese.
using ShownEnglish = std::array<QString, 6>;

// One question as the window shows it.
struct QuestionView
{
    QString question;
    std::array<QString, 5> choices;
    QString score;
    ShownEnglish english;
};

class DrillSession
{
  public:
    // Level, length and direction; each abandons a running test.
    void selectLevel(int level);
    void setTestLength(int length);
    void setDirection(const QString &direction);

    // 試験開始: the next of the level's lists becomes the test list; counts and answer lists start
    // afresh. The records and the score text stay.
    void startTest();
    // 次へ: true when the test has had all its questions, so that the score is due.
    bool next();
    // Draws the next question, records it and counts it as asked.
    QuestionView askNextQuestion(RandomSource &random, const Clock &clock);

    struct Answer
    {
        bool right;
        std::optional<QString> score; // the new score box text, when the press scored
    };
    // An answer button 1..5: judged at every press, counted at the first press of a running test.
    Answer answer(int choice);

    // The score out of 100 of the test just ended, as the message writes it.
    QString finalScore() const;
    // After the score message: keeps the score text and opens the review.
    void finishTest();

    struct Review
    {
        QString number;
        QString question;
        std::array<QString, 5> choices;
        int markedChoice = 0; // 1..5: the choice that shows "○", the others "×"; 0: no marks
        ShownEnglish english;
    };
    // ← (-1) and → (+1).
    Review review(int step);

    // 結果 enables 試験開始.
    void resultsShown();

    const DrillButtons &buttons() const { return m_buttons; }
    const ResultTexts &results() const { return m_results; }

    // Room for twice the longest test, with one to spare.
    static constexpr int kRecordCount = 101;

  private:
    struct Row
    {
        QString question;
        QString answer;
    };
    using WordList = std::array<Row, kSlotsPerBank>;

    struct Record
    {
        std::int16_t question = 0;
        std::array<std::int16_t, 5> choices{};
    };

    void rebuildLevel();
    bool englishFirst() const;

    WordList m_testList;
    std::array<WordList, 3> m_levelLists;
    std::int16_t m_rotation = 1;
    QString m_level;
    std::int16_t m_listSize = 0;
    QString m_direction = QStringLiteral("英和");
    std::int16_t m_testLength = 20;
    std::int16_t m_questionNumber = 0;
    std::int16_t m_pressCount = 0;
    std::int16_t m_rightCount = 0;
    std::int16_t m_answerSlot = 0;
    // Set by a level, length or direction choice during a test: its counts and lists stay as they
    // were, so further presses only mark and sound.
    bool m_abandoned = false;
    std::array<Record, kRecordCount> m_records{};
    ResultTexts m_results;
    DrillButtons m_buttons;
};
