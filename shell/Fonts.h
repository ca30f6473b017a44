#pragma once

#include <QString>

enum class Face;

// The layout names its faces as ＭＳ ゴシック (fixed pitch), ＭＳ Ｐゴシック (proportional) and
// ＭＳ 明朝 (serif). They resolve to the IPA fonts, with Noto CJK as the fallback, so that a
// full-width character is exactly two half-width characters wide in the fixed-pitch face.
QString faceFamily(Face face);
void installFontSubstitutes();
