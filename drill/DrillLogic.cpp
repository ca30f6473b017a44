#include "DrillLogic.h"

#include "Clock.h"
#include "DiscardCount.h"
#include "RandomSource.h"

#include <algorithm>
#include <cmath>

DrawnQuestion drawQuestion(RandomSource &random, const Clock &clock, int listSize)
{
    DrawnQuestion drawn;
    const int first = pick(random, 1000);
    const int seconds = secondsOfTimeText(clock.timeOfDayText());
    const int minutes = minutesOfTimeText(clock.timeOfDayText());
    const int discards = discardCount(first, seconds, minutes);

    drawn.question = first;
    for (int i = 0; i < discards; ++i)
        drawn.question = pick(random, listSize);

    for (std::size_t k = 0; k < drawn.choices.size(); ++k) {
        const auto taken = [&](int word) {
            return word == drawn.question ||
                   std::find(drawn.choices.begin(), drawn.choices.begin() + k, word) !=
                       drawn.choices.begin() + k;
        };
        int word = pick(random, listSize);
        // Two redraws at most: a repeat that survives them stays.
        for (int redraw = 0; redraw < 2 && taken(word); ++redraw)
            word = pick(random, listSize);
        drawn.choices[k] = word;
    }

    drawn.answerSlot = pick(random, 5);
    drawn.choices[drawn.answerSlot - 1] = drawn.question;
    return drawn;
}

QString signedNumber(int value)
{
    return value < 0 ? QString::number(value) : u' ' + QString::number(value);
}

QString scoreBoxText(int rightCount, int questionNumber)
{
    return signedNumber(rightCount) + u'／' + signedNumber(questionNumber);
}

int testScore(int rightCount, int questionNumber)
{
    const double ratio = double(rightCount) / double(questionNumber);
    return int(std::trunc(ratio * 100.0));
}

QString answerListLine(bool right, const QString &questionText, const QString &answerText)
{
    return (right ? QStringLiteral(" ○ ") : QStringLiteral(" × ")) + questionText + u' ' +
           answerText + QStringLiteral("\r\n");
}
