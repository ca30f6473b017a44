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
    qApp->setProperty("comment", kProgramComment);
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
