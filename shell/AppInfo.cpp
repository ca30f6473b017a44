#include "AppInfo.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {
// The 16-colour palette shared with the study window's drawings.
const QList<QRgb> kPalette16 = {
    qRgb(0, 0, 0),       qRgb(0, 0, 128),   qRgb(0, 128, 0),   qRgb(0, 128, 128),
    qRgb(128, 0, 0),     qRgb(128, 0, 128), qRgb(128, 128, 0), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(0, 0, 255),   qRgb(0, 255, 0),   qRgb(0, 255, 255),
    qRgb(255, 0, 0),     qRgb(255, 0, 255), qRgb(255, 255, 0), qRgb(255, 255, 255),
};
} // namespace

void setApplicationInfo()
{
    QCoreApplication::setApplicationName(QStringLiteral("コトハナ７０００語"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.00"));
    // No display name: the platform would append it to every window's title.
    // Lets the desktop match the windows to the installed menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(KOTOHANA_APP_ID));
}

namespace {
// Maps an edge on the icon's 32-unit grid to a whole pixel at the given size. An edge that falls
// on half a pixel is rounded towards the middle, so that the design stays symmetric.
int gridToPixel(double unit, int size)
{
    const double pixel = unit * size / 32.0;
    const double middle = size / 2.0;
    if (pixel - std::floor(pixel) == 0.5)
        return int(pixel < middle ? std::ceil(pixel) : std::floor(pixel));
    return int(std::lround(pixel));
}

// Fills a rectangle given on the 32-unit grid; at least one pixel wide and high at any size.
void fillGridRect(QPainter &painter, int size, QRectF grid, const QColor &colour)
{
    const int left = gridToPixel(grid.left(), size);
    const int top = gridToPixel(grid.top(), size);
    const int right = std::max(gridToPixel(grid.right(), size), left + 1);
    const int bottom = std::max(gridToPixel(grid.bottom(), size), top + 1);
    painter.fillRect(left, top, right - left, bottom - top, colour);
}
} // namespace

QImage programIconImage(int size)
{
    // An open book in white and yellow on a blue tile, with a red bookmark.
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    fillGridRect(painter, size, {1, 1, 30, 30}, QColor(0, 0, 128));
    fillGridRect(painter, size, {4, 8, 11, 17}, QColor(255, 255, 255));
    fillGridRect(painter, size, {17, 8, 11, 17}, QColor(255, 255, 255));
    fillGridRect(painter, size, {15, 7, 2, 19}, QColor(255, 255, 0));
    // Four lines of text a page; below 32 pixels they would run together, so every other one.
    const int lineThickness = std::max(1, int(std::lround(size / 32.0)));
    const int lineStep = size < 32 ? 2 : 1;
    for (int line = lineStep - 1; line < 4; line += lineStep) {
        const int top = gridToPixel(11 + 3 * line, size);
        for (const double left : {6.0, 19.0}) {
            const int x = gridToPixel(left, size);
            painter.fillRect(x, top, gridToPixel(left + 8, size) - x, lineThickness,
                             QColor(128, 128, 128));
        }
    }
    fillGridRect(painter, size, {23, 5, 3, 9}, QColor(255, 0, 0));
    painter.end();
    QImage indexed =
        image.convertToFormat(QImage::Format_Indexed8, kPalette16, Qt::ThresholdDither);
    // Keep the corners see-through.
    indexed = indexed.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            if (qAlpha(image.pixel(x, y)) == 0)
                indexed.setPixel(x, y, qRgba(0, 0, 0, 0));
    return indexed;
}

QIcon programIcon()
{
    // Drawn for each caller, a few microseconds: a cached icon would outlive the application.
    return QIcon(QPixmap::fromImage(programIconImage()));
}

QByteArray programIconFile()
{
    QByteArray file;
    QBuffer buffer(&file);
    buffer.open(QIODevice::WriteOnly);
    programIconImage().save(&buffer, "ICO");
    return file;
}
