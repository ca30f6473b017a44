#pragma once

#include <QIcon>
#include <QString>

// The maker's web address: the drill window's hidden address box and the about window show it.
inline const QString kMakerAddress = QStringLiteral("https://kotohana.example/");

// Name and version of the program.
void setApplicationInfo();
// The program icon: 32 × 32 pixels in the 16 colours of the standard palette.
QIcon programIcon();
// The icon's design drawn crisp at any size in the same 16 colours; the windows show the 32 × 32
// one, the desktop's icon theme gets the others.
QImage programIconImage(int size = 32);
// The same icon as a Windows icon file, for the executable's resources.
QByteArray programIconFile();
