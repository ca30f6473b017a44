#include "AppInfo.h"

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
    const QImage image = programIconImage().convertToFormat(QImage::Format_ARGB32);
    const int size = image.width();
    const int maskRowBytes = (size + 31) / 32 * 4;
    const int imageBytes = 40 + size * size * 4 + maskRowBytes * size;

    QByteArray file;
    auto put16 = [&file](int value) {
        file.append(char(value & 0xFF)).append(char((value >> 8) & 0xFF));
    };
    auto put32 = [&](int value) {
        put16(value & 0xFFFF);
        put16((value >> 16) & 0xFFFF);
    };

    // Icon directory with its single entry.
    put16(0);
    put16(1); // icon
    put16(1); // one image
    file.append(char(size)).append(char(size)).append(char(0)).append(char(0));
    put16(1);  // planes
    put16(32); // bits per pixel
    put32(imageBytes);
    put32(6 + 16);

    // The image: a bitmap header whose height counts colour rows and mask rows, then both, bottom
    // row first.
    put32(40);
    put32(size);
    put32(2 * size);
    put16(1);
    put16(32);
    put32(0); // uncompressed
    put32(size * size * 4 + maskRowBytes * size);
    put32(0);
    put32(0);
    put32(0);
    put32(0);
    for (int y = size - 1; y >= 0; --y)
        for (int x = 0; x < size; ++x) {
            const QRgb pixel = image.pixel(x, y);
            file.append(char(qBlue(pixel)))
                .append(char(qGreen(pixel)))
                .append(char(qRed(pixel)))
                .append(char(qAlpha(pixel)));
        }
    // The mask: a set bit lets the background through.
    for (int y = size - 1; y >= 0; --y) {
        QByteArray row(maskRowBytes, '\0');
        for (int x = 0; x < size; ++x)
            if (qAlpha(image.pixel(x, y)) == 0)
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        file.append(row);
    }
    return file;
}
