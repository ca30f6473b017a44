#include "AppInfo.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

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
    QGuiApplication::setApplicationDisplayName(QStringLiteral("コトハナ７０００語"));
}

QImage programIconImage()
{
    // An open book in white and yellow on a blue tile, with a red bookmark.
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 128));
    painter.drawRect(1, 1, 30, 30);
    painter.setBrush(QColor(255, 255, 255));
    painter.drawRect(4, 8, 11, 17);
    painter.drawRect(17, 8, 11, 17);
    painter.setBrush(QColor(255, 255, 0));
    painter.drawRect(15, 7, 2, 19);
    painter.setPen(QColor(128, 128, 128));
    for (int y = 11; y <= 21; y += 3) {
        painter.drawLine(6, y, 13, y);
        painter.drawLine(19, y, 26, y);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 0, 0));
    painter.drawRect(23, 5, 3, 9);
    painter.end();
    QImage indexed =
        image.convertToFormat(QImage::Format_Indexed8, kPalette16, Qt::ThresholdDither);
    // Keep the corners see-through.
    indexed = indexed.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            if (qAlpha(image.pixel(x, y)) == 0)
                indexed.setPixel(x, y, qRgba(0, 0, 0, 0));
    return indexed;
}

QIcon programIcon()
{
    static const QIcon icon(QPixmap::fromImage(programIconImage()));
    return icon;
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
