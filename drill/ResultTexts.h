#pragma once

#include <QString>

// What the drill window leaves for the result list window: the lines of the questions answered
// right and wrong at their first press in the current test, and the score of the last finished
// test. The only state the two windows share.
struct ResultTexts
{
    QString correctList;
    QString incorrectList;
    QString scoreText;
};

ResultTexts &resultTexts();
