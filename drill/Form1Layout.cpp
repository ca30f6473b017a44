// The drill window's controls, as its layout places them.
#include "Form1.h"

#include "Layout.h"

namespace {
constexpr ControlFont kGothic975{Face::Gothic, 9.75};

// clang-format off
constexpr ControlRow kControls[] = {
    {"Frame2",    Kind::Frame,  "",       u"試験の問題集を選択", 960, 720, 3015, 735, 23, kGothic9},
    {"Option91",  Kind::Option, "Frame2", u"中学",      240, 240, 855, 375, 24, kGothic9},
    {"Option92",  Kind::Option, "Frame2", u"高校",      1200, 240, 855, 375, 25, kGothic9},
    {"Option93",  Kind::Option, "Frame2", u"大学",      2160, 240, 735, 375, 26, kGothic9},
    {"Frame1",    Kind::Frame,  "",       u"試験の問題数", 4560, 720, 2175, 735, 20, kGothic9},
    {"Option1",   Kind::Option, "Frame1", u"20問",      240, 240, 975, 360, 21, kGothic9},
    {"Option2",   Kind::Option, "Frame1", u"50問",      1200, 240, 735, 375, 22, kGothic9},
    {"Frame3",    Kind::Frame,  "",       u"試験の出題モード", 7320, 720, 2055, 735, 27, kGothic9},
    {"Option3",   Kind::Option, "Frame3", u"英和",      240, 240, 735, 360, 29, kGothic9},
    {"Option4",   Kind::Option, "Frame3", u"和英",      1200, 240, 735, 375, 30, kGothic9},
    {"Frame5",    Kind::Frame,  "",       u"",          960, 1680, 1695, 735, 40, {}},
    {"Command21", Kind::Button, "",       u"結　果",    3000, 1800, 1335, 550, 36, kGothic9},
    {"Command10", Kind::Button, "",       u"←",        4680, 1800, 1335, 550, 19, {Face::Mincho, 9}},
    {"Command11", Kind::Button, "",       u"→",        6360, 1800, 1335, 550, 33, {Face::Mincho, 9}},
    {"Command8",  Kind::Button, "",       u"試験開始",  8040, 1800, 1335, 550, 0, kGothic9},
    {"Text1",     Kind::Text,   "",       u"点　数",    1080, 1920, 1455, 345, 18, {Face::Gothic, 12}, AlignCentre},
    {"Command1",  Kind::Button, "",       u"次　へ",    8040, 2520, 1335, 550, 2, kGothic9},
    {"Label1",    Kind::Label,  "",       u"コトハナ 7000語", 960, 2640, 7095, 555, 1, {Face::Gothic, 20.25}, AlignCentre},
    {"Command2",  Kind::Button, "",       u"１",        8040, 3240, 1335, 500, 3, kGothic9},
    {"Text2",     Kind::Text,   "",       u"",          960, 3360, 6255, 270, 8, kGothic975},
    {"Text12",    Kind::Text,   "",       u"",          7440, 3360, 330, 270, 13, kGothic9, AlignCentre},
    {"Command3",  Kind::Button, "",       u"２",        8040, 3960, 1335, 500, 4, kGothic9},
    {"Text3",     Kind::Text,   "",       u"",          960, 4080, 6255, 270, 9, kGothic975},
    {"Text13",    Kind::Text,   "",       u"",          7440, 4080, 330, 270, 14, kGothic9, AlignCentre},
    {"Command4",  Kind::Button, "",       u"３",        8040, 4680, 1335, 500, 5, kGothic9},
    {"Text4",     Kind::Text,   "",       u"",          960, 4800, 6255, 270, 10, kGothic975},
    {"Text14",    Kind::Text,   "",       u"",          7440, 4800, 330, 270, 15, kGothic9, AlignCentre},
    {"Command5",  Kind::Button, "",       u"４",        8040, 5400, 1335, 500, 6, kGothic9},
    {"Text5",     Kind::Text,   "",       u"",          960, 5520, 6255, 270, 11, kGothic975},
    {"Text15",    Kind::Text,   "",       u"",          7440, 5520, 330, 270, 16, kGothic9, AlignCentre},
    {"Command6",  Kind::Button, "",       u"５",        8040, 6120, 1335, 500, 7, kGothic9},
    {"Text6",     Kind::Text,   "",       u"",          960, 6240, 6255, 270, 12, kGothic975},
    {"Text16",    Kind::Text,   "",       u"",          7440, 6240, 330, 270, 17, kGothic9, AlignCentre},
    {"Command22", Kind::Button, "",       u"辞　書",    720, 7320, 1455, 550, 37, kGothic975},
    {"Command23", Kind::Button, "",       u"学　習",    2640, 7320, 1335, 549, 38, kGothic9},
    {"Command99", Kind::Button, "",       u"HELP",      4440, 7320, 1335, 549, 34, kGothic9},
    {"Command9",  Kind::Button, "",       u"Web Site",  6240, 7320, 1335, 549, 41, kGothic9},
    {"Command7",  Kind::Button, "",       u"終　了",    8040, 7320, 1335, 549, 39, kGothic9},
    // Below the visible client area: there, but never seen.
    {"Frame4",    Kind::Frame,  "",       u"特訓モードを選択", 600, 8400, 1815, 735, 28, {Face::Gothic, 8.25}},
    {"Option5",   Kind::Option, "Frame4", u"試験",      240, 240, 735, 360, 31, kGothic9},
    {"Option6",   Kind::Option, "Frame4", u"暗記",      960, 240, 735, 375, 32, kGothic9},
    {"MMControl1", Kind::Picture, "",     u"",          3120, 8400, 4695, 615, 35, {}},
    {"Text99",    Kind::Text,   "",       u"Text99",    8280, 8520, 1215, 495, 42, {}},
    // The white rectangle around the working area, as end points.
    {"Line1",     Kind::Line,   "",       u"",          480, 360, 9720, 360, -1, {}},
    {"Line2",     Kind::Line,   "",       u"",          480, 360, 480, 6960, -1, {}},
    {"Line3",     Kind::Line,   "",       u"",          480, 6960, 9720, 6960, -1, {}},
    {"Line4",     Kind::Line,   "",       u"",          9720, 360, 9720, 6960, -1, {}},
};
// clang-format on
} // namespace

constinit const WindowLayout Form1::kLayout{kClientArea, {Face::Gothic, 9.75, true}, kControls};
