#pragma once
// How one side of a card is drawn in each style. The functions only draw on a canvas and take
// their random numbers from the program's generator; the session decides when a side is drawn.

#include <QString>

#include <functional>
#include <optional>

class CardCanvas;
class RandomSource;

enum class CardStyle
{
    Circles, // 円形
    Slide,   // 白黒
    Layers,  // 立体
};

enum class CardSide
{
    Front,
    Back
};

// Where a centred text starts: 460 minus its visible length (trailing U+0020 and U+3000 left out)
// times 20 for an English side or 40 for a Japanese side; a start below 20 becomes 40.
int centredStart(const QString &text, int unitsPerCharacter);

struct StartPositions
{
    int front = 0;
    int back = 0;
};
// The start of both sides; the Japanese side is the front for "和英", the back for anything else.
StartPositions startPositions(const QString &front, const QString &back, const QString &direction);

// A pause inside a drawing (the 白黒 slide); returns false when the drawing must be abandoned
// because its window has gone.
using DrawWait = std::function<bool(float seconds)>;

// Draws one side of the card in the style, the text starting at `start` where the style centres
// it; returns false when a wait abandoned it midway. The front of every style clears the
// surface, the back only in 円形.
bool drawCardSide(CardStyle style, CardSide side, CardCanvas &canvas, RandomSource &random,
                  const QString &text, int start, const DrawWait &wait);

// The steps of each style, one side each.
void drawCircles(CardCanvas &canvas, RandomSource &random, const QString &text);
// Slides the text in from 800 towards `start` in steps of 40 on line `y`; one pause per step.
bool slideIn(CardCanvas &canvas, const QString &text, int start, int y, const DrawWait &wait);
// Fourteen copies, each 0.6 units left of the one before; the back's layers may be white.
void drawLayers(CardCanvas &canvas, RandomSource &random, const QString &text, int start, int y,
                CardSide side);

// The style named by a Combo2 text ("円形", "白黒", "立体"); none for any other text.
std::optional<CardStyle> styleOfText(const QString &styleText);
QString styleName(CardStyle style);
