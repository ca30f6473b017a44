#include "MyPath.h"

#include <QCoreApplication>
#include <QDir>

QString withTrailingSeparator(const QString &folder, QChar separator)
{
    return folder.endsWith(separator) ? folder : folder + separator;
}

QString MyPath()
{
    return withTrailingSeparator(QDir::toNativeSeparators(QCoreApplication::applicationDirPath()),
                                 QDir::separator());
}
