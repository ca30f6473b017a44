#include "ImageCanvas.h"

#include "Layout.h"

#include <QPainter>

#include <array>

QColor paletteColour(int number)
{
    static constexpr std::array<QRgb, 16> kPalette = {
        0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
        0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
    };
    return QColor::fromRgb(kPalette[std::size_t(number & 15)]);
}

QFont ImageCanvas::cardFont()
{
    QFont font = layoutFont({Face::Gothic, 50});
    // 50 points are 1000 twips; sized in pixels so that the screen's resolution does not matter.
    font.setPixelSize(twipsToPixels(50 * 20));
    // Plain glyphs in the exact palette colour: the 白黒 slide wipes a copy by drawing it again in
    // black, which only works when no edge pixel is blended.
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

ImageCanvas::ImageCanvas(QSize pixels) : m_image(pixels, QImage::Format_RGB32), m_font(cardFont())
{
    m_image.fill(Qt::black);
}

QPointF ImageCanvas::toPixels(double x, double y) const
{
    return {x * m_image.width() / 1000.0, y * m_image.height() / 1000.0};
}

void ImageCanvas::clear()
{
    m_image.fill(Qt::black);
    if (afterStep)
        afterStep({Step::Clear, 0, 0, 0, 0, {}});
}

void ImageCanvas::circle(double x, double y, int radius, int colour)
{
    if (radius > 0) {
        QPainter painter(&m_image);
        painter.setPen(QPen(paletteColour(colour), 0));
        painter.setBrush(Qt::NoBrush);
        const double r = radius * m_image.width() / 1000.0;
        painter.drawEllipse(toPixels(x, y), r, r);
    }
    if (afterStep)
        afterStep({Step::Circle, x, y, radius, colour, {}});
}

void ImageCanvas::text(double x, double y, const QString &text, int colour)
{
    {
        QPainter painter(&m_image);
        painter.setFont(m_font);
        painter.setPen(paletteColour(colour));
        painter.setBackgroundMode(Qt::TransparentMode);
        const QPointF topLeft = toPixels(x, y);
        const QPointF baseline(std::round(topLeft.x()),
                               std::round(topLeft.y()) + painter.fontMetrics().ascent());
        painter.drawText(baseline, text);
    }
    if (afterStep)
        afterStep({Step::Text, x, y, 0, colour, text});
}
