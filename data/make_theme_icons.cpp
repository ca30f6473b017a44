// Writes the program icon into a hicolor icon theme tree for the desktop's menus:
// <folder>/hicolor/<size>x<size>/apps/<name>.png, each size drawn from the design, not scaled.

#include "AppInfo.h"

#include <QDir>
#include <QImage>
#include <QString>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_theme_icons <folder> <icon name>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        const QString sizeFolder = QStringLiteral("%1/hicolor/%2x%2/apps").arg(folder).arg(size);
        const QString file = QStringLiteral("%1/%2.png").arg(sizeFolder, name);
        if (!QDir().mkpath(sizeFolder) || !programIconImage(size).save(file, "PNG")) {
            std::fprintf(stderr, "make_theme_icons: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
