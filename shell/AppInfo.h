#pragma once

#include <QIcon>
#include <QString>

// The maker's web address: the drill window's hidden address box and the about window show it.
inline const QString kMakerAddress = QStringLiteral("https://kotohana.example/");

inline const QString kProgramComment = QStringLiteral("英単語学習ソフト");

// Name, version and comment of the program, and its icon.
void setApplicationInfo();
// The program icon: 32 × 32 pixels in the 16 colours of the standard palette, drawn once.
QIcon programIcon();
QImage programIconImage();
