#include "Fonts.h"

#include "Layout.h"

#include <QFont>
#include <QStringList>

QString faceFamily(Face face)
{
    switch (face) {
    case Face::PGothic:
        return QStringLiteral("ＭＳ Ｐゴシック");
    case Face::Mincho:
        return QStringLiteral("ＭＳ 明朝");
    case Face::Gothic:
    case Face::Window:
        break;
    }
    return QStringLiteral("ＭＳ ゴシック");
}

void installFontSubstitutes()
{
    QFont::insertSubstitutions(
        faceFamily(Face::Gothic),
        QStringList{QStringLiteral("IPAGothic"), QStringLiteral("Noto Sans Mono CJK JP")});
    QFont::insertSubstitutions(
        faceFamily(Face::PGothic),
        QStringList{QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP")});
    QFont::insertSubstitutions(
        faceFamily(Face::Mincho),
        QStringList{QStringLiteral("IPAMincho"), QStringLiteral("Noto Serif CJK JP")});
}
