#pragma once

#include <QString>

// The folder of the running program with exactly one trailing separator.
QString MyPath();
// The rule itself: append the separator unless the folder already ends in it (a root folder).
QString withTrailingSeparator(const QString &folder, QChar separator);
