#pragma once

#include <QFont>
#include <QString>

#include <thread>

// The faces a layout names; Window means the window's own font.
enum class Face
{
    Window,
    Gothic,
    PGothic,
    Mincho
};

struct ControlFont
{
    Face face = Face::Window; // Window: the control takes its window's font
    double points = 0;
    bool bold = false;
};

// The two faces most controls of the layout use.
constexpr ControlFont kGothic9{Face::Gothic, 9};
constexpr ControlFont kPGothic9{Face::PGothic, 9};

// The font a layout gives a control, the face resolved to an installed family.
QFont layoutFont(const ControlFont &font);

// The layout names its faces as ＭＳ ゴシック (fixed pitch), ＭＳ Ｐゴシック (proportional) and
// ＭＳ 明朝 (serif). Where those are not installed they resolve to the IPA fonts, then to Noto CJK,
// so that a full-width character is exactly two half-width characters wide in the fixed-pitch face.
QString faceFamily(Face face);

// Reads fontconfig's configuration and font caches on a thread of its own. Qt reads them at the
// first font it needs, after the display connection is made; started before the application, the
// read overlaps that connection. Join the thread before any widget is made.
[[nodiscard]] std::jthread preloadFontConfiguration();
