#pragma once
// The drill's rules apart from its window: how a question is drawn, how numbers are written in
// the test display, how a test is scored and how its answers are listed.

#include <QString>

#include <array>

class Clock;
class RandomSource;

struct DrawnQuestion
{
    int question = 0;             // word number of the question word
    std::array<int, 5> choices{}; // word numbers shown in choices 1..5
    int answerSlot = 1;           // the choice (1..5) that holds the question word
};

// Draws one question from a list of `listSize` words: the first draw, the clock's discard count of
// further draws, five choices with at most two redraws each against repeats, then the answer slot.
DrawnQuestion drawQuestion(RandomSource &random, const Clock &clock, int listSize);

// A number as the test display writes it: a space in the sign position, then the digits.
QString signedNumber(int value);

// " 3／ 5": right count and question number.
QString scoreBoxText(int rightCount, int questionNumber);

// The integer part of right ÷ asked × 100, in double precision (29 of 50 gives 57).
int testScore(int rightCount, int questionNumber);

// One line of the correct or incorrect list, CR LF included.
QString answerListLine(bool right, const QString &questionText, const QString &answerText);
