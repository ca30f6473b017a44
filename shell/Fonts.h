#pragma once

#include <QString>

#include <thread>

enum class Face;

// The layout names its faces as ＭＳ ゴシック (fixed pitch), ＭＳ Ｐゴシック (proportional) and
// ＭＳ 明朝 (serif). Where those are not installed they resolve to the IPA fonts, then to Noto CJK,
// so that a full-width character is exactly two half-width characters wide in the fixed-pitch face.
QString faceFamily(Face face);

// Reads fontconfig's configuration and font caches on a thread of its own. Qt reads them at the
// first font it needs, after the display connection is made; started before the application, the
// read overlaps that connection. Join the thread before any widget is made.
[[nodiscard]] std::jthread preloadFontConfiguration();
