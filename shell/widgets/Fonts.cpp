#include "Fonts.h"

#include <QFontDatabase>
#include <QStringList>

#include <array>

#include <fontconfig/fontconfig.h>

namespace {
std::array<QString, 3> candidates(Face face)
{
    switch (face) {
    case Face::PGothic:
        return {QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"),
                QStringLiteral("Noto Sans CJK JP")};
    case Face::Mincho:
        return {QStringLiteral("ＭＳ 明朝"), QStringLiteral("IPAMincho"),
                QStringLiteral("Noto Serif CJK JP")};
    case Face::Gothic:
    case Face::Window:
        break;
    }
    return {QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic"),
            QStringLiteral("Noto Sans Mono CJK JP")};
}
} // namespace

QString faceFamily(Face face)
{
    // Naming an installed family spares Qt a fontconfig fallback search for every style and
    // script in which a missing family is asked for, a few milliseconds at start-up.
    const QStringList installed = QFontDatabase::families();
    const std::array<QString, 3> families = candidates(face);
    for (const QString &family : families)
        if (installed.contains(family))
            return family;
    return families[1];
}

std::jthread preloadFontConfiguration()
{
    return std::jthread([] { FcInit(); });
}

QFont layoutFont(const ControlFont &font)
{
    QFont qfont(faceFamily(font.face));
    qfont.setPointSizeF(font.points);
    qfont.setBold(font.bold);
    // The 明朝 face draws only ← and →. Its own TrueType hints draw them as crisply as FreeType's
    // auto-hinter, which would first measure a hundred glyphs across the face: 2 MiB of the font
    // file read in at start-up. The ゴシック faces keep the auto-hinter, whose rounding keeps a
    // full-width character exactly two half-width ones wide.
    if (font.face == Face::Mincho)
        qfont.setHintingPreference(QFont::PreferFullHinting);
    return qfont;
}
