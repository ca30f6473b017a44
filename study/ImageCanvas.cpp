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

namespace {
QImage blackImage(QSize pixels, qreal ratio)
{
    QImage image(pixels * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::black);
    return image;
}

// The same pixels seen as an image of ratio 1. Painting on it draws in device pixels without a
// scaling transform, so that glyphs are rendered whole at their device size and stay unblended, as
// on a 1× screen.
QImage devicePixels(QImage &image)
{
    return QImage(image.bits(), image.width(), image.height(), image.bytesPerLine(),
                  image.format());
}

QFont deviceFont(qreal ratio)
{
    QFont font = ImageCanvas::cardFont();
    font.setPixelSize(qRound(font.pixelSize() * ratio));
    return font;
}
} // namespace

ImageCanvas::ImageCanvas(QSize pixels, qreal devicePixelRatio)
    : m_size(pixels), m_image(blackImage(pixels, devicePixelRatio)),
      m_font(deviceFont(devicePixelRatio))
{
}

void ImageCanvas::setDevicePixelRatio(qreal ratio)
{
    if (ratio == m_image.devicePixelRatio())
        return;
    QImage moved = blackImage(m_size, ratio);
    QPainter(&moved).drawImage(QRectF(QPointF(0, 0), m_size), m_image);
    m_image = std::move(moved);
    m_font = deviceFont(ratio);
}

QPointF ImageCanvas::toPixels(double x, double y) const
{
    return {x * m_size.width() / 1000.0, y * m_size.height() / 1000.0};
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
        const qreal ratio = m_image.devicePixelRatio();
        QImage pixels = devicePixels(m_image);
        QPainter painter(&pixels);
        // One logical pixel wide: the thinnest line at 1×, as thick on a denser screen.
        painter.setPen(QPen(paletteColour(colour), ratio > 1 ? ratio : 0));
        painter.setBrush(Qt::NoBrush);
        const double r = radius * m_size.width() / 1000.0 * ratio;
        painter.drawEllipse(toPixels(x, y) * ratio, r, r);
    }
    if (afterStep)
        afterStep({Step::Circle, x, y, radius, colour, {}});
}

void ImageCanvas::text(double x, double y, const QString &text, int colour)
{
    {
        QImage pixels = devicePixels(m_image);
        QPainter painter(&pixels);
        painter.setFont(m_font);
        painter.setPen(paletteColour(colour));
        painter.setBackgroundMode(Qt::TransparentMode);
        // On whole device pixels, so that a copy drawn again in black wipes exactly.
        const QPointF topLeft = toPixels(x, y) * m_image.devicePixelRatio();
        const QPointF baseline(std::round(topLeft.x()),
                               std::round(topLeft.y()) + painter.fontMetrics().ascent());
        painter.drawText(baseline, text);
    }
    if (afterStep)
        afterStep({Step::Text, x, y, 0, colour, text});
}
