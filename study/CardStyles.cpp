#include "CardStyles.h"

#include "CardCanvas.h"
#include "Columns.h"
#include "RandomSource.h"

#include <cstdint>

namespace {
constexpr int kTopLine = 200;
constexpr int kLowerLine = 600;
constexpr int kBlack = 0;
constexpr int kWhite = 15;
} // namespace

int centredStart(const QString &text, int unitsPerCharacter)
{
    const auto length = std::int16_t(withoutPadding(text).size());
    const auto start = std::int16_t(460 - length * unitsPerCharacter);
    return start < 20 ? 40 : start;
}

StartPositions startPositions(const QString &front, const QString &back, const QString &direction)
{
    const bool japaneseFirst = direction == u"和英";
    return {centredStart(front, japaneseFirst ? 40 : 20),
            centredStart(back, japaneseFirst ? 20 : 40)};
}

void drawCircles(CardCanvas &canvas, RandomSource &random, const QString &text)
{
    canvas.clear();
    int x = 0;
    int y = 0;
    for (int colour = 8; colour <= 15; ++colour) {
        x = drawInRange(random, 800, 0);
        y = drawInRange(random, 900, 0);
        canvas.circle(x, y, 200, colour);
        canvas.text(x, y, text, colour);
    }
    // The last copy once more in bright white, on top of the others.
    canvas.circle(x, y, 200, kWhite);
    canvas.text(x, y, text, kWhite);
}

bool slideIn(CardCanvas &canvas, const QString &text, int start, int y, const DrawWait &wait)
{
    for (int u = 800; u >= start; u -= 40) {
        // Black over the copy of the previous step, then the new copy twice in white.
        canvas.text(u + 40, y, text, kBlack);
        canvas.text(u, y, text, kWhite);
        canvas.text(u, y, text, kWhite);
        if (!wait(0.02f))
            return false;
    }
    return true;
}

void drawLayers(CardCanvas &canvas, RandomSource &random, const QString &text, int start, int y,
                CardSide side)
{
    for (int u = 1; u <= 14; ++u) {
        const int layer = drawInRange(random, side == CardSide::Front ? 6 : 7, 9);
        const int edge = drawInRange(random, 6, 9);
        const double x = start - 0.6 * u + 10;
        canvas.text(x, y, text, edge);
        canvas.text(x, y, text, layer);
        canvas.text(x, y, text, layer);
    }
}

bool drawCardSide(CardStyle style, CardSide side, CardCanvas &canvas, RandomSource &random,
                  const QString &text, int start, const DrawWait &wait)
{
    const bool front = side == CardSide::Front;
    const int y = front ? kTopLine : kLowerLine;
    switch (style) {
    case CardStyle::Circles:
        drawCircles(canvas, random, text);
        return true;
    case CardStyle::Slide:
        if (front)
            canvas.clear();
        return slideIn(canvas, text, start, y, wait);
    case CardStyle::Layers:
        if (front)
            canvas.clear();
        drawLayers(canvas, random, text, start, y, side);
        return true;
    }
    return true;
}

QString styleName(CardStyle style)
{
    switch (style) {
    case CardStyle::Circles:
        return QStringLiteral("円形");
    case CardStyle::Slide:
        return QStringLiteral("白黒");
    case CardStyle::Layers:
        return QStringLiteral("立体");
    }
    return {};
}

std::optional<CardStyle> styleOfText(const QString &styleText)
{
    for (const CardStyle style : {CardStyle::Circles, CardStyle::Slide, CardStyle::Layers}) {
        if (styleText == styleName(style))
            return style;
    }
    return std::nullopt;
}
