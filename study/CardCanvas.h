#pragma once
// What the card styles draw on: a surface of 1000 × 1000 user units, origin top left, with circle
// outlines and 50-point text in the numbered colours of a fixed 16-colour palette.

#include <QColor>
#include <QString>

// Colour number 0..15 of the classic 16-colour palette (0 black, 8 grey, 9..15 the bright ones).
QColor paletteColour(int number);

class CardCanvas
{
  public:
    virtual ~CardCanvas() = default;
    // Paints the whole surface black.
    virtual void clear() = 0;
    // A one-pixel outline centred at (x, y); the radius is in horizontal units and the circle is
    // round on screen although the units are not square.
    virtual void circle(double x, double y, int radius, int colour) = 0;
    // The full text (trailing blanks included) with its top left corner at (x, y), 50 points, only
    // the glyphs painted.
    virtual void text(double x, double y, const QString &text, int colour) = 0;
};
