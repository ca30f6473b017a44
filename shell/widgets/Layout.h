#pragma once
// The widget helpers: this layout builder, the layout's fonts (Fonts.h), the program's widget
// style, the modal message box and Qt's own Japanese texts. Every window builds its controls
// through them; they know nothing of words, tests or cards.
//
// Each window describes its controls in one table, a row per control: name, kind, container,
// caption, position and size in twips, tab index and font. buildLayout turns a table
// into live widgets; this is the one place where twips become pixels.

#include "Fonts.h"

#include <QAbstractButton>
#include <QString>

#include <functional>
#include <span>
#include <string_view>

class QWidget;

constexpr int kTwipsPerPixel = 15;

constexpr int twipsToPixels(int twips)
{
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

enum class Kind
{
    Frame,     // QGroupBox
    Option,    // QRadioButton
    Button,    // QPushButton
    Text,      // QLineEdit; Qt::WA_InputMethodEnabled off keeps the input method out
    MultiText, // QPlainTextEdit with a vertical scroll bar
    Label,     // QLabel
    Combo,     // editable QComboBox
    Picture,   // plain QWidget; the window puts its own content in
    Line,      // left/top/width/height are the end points x1, y1, x2, y2; drawn 2 px wide
};

enum Align
{
    AlignDefault = 0,
    AlignCentre = 1
};

struct ControlRow
{
    std::string_view name;
    Kind kind;
    std::string_view container; // empty: the window itself
    std::u16string_view caption;
    int left, top, width, height;
    int tab; // -1: takes no part in the tab order
    ControlFont font;
    int align = AlignDefault;
};

// Makes the widget of a Picture control; without one, a plain widget stands in.
using PictureFactory = std::function<QWidget *(const ControlRow &row, QWidget *parent)>;

// Creates the table's widgets as children of `window` (or of the named frame), in table order.
// Returns the first widget of the tab order, which the window focuses first. Set a fixed window's
// client area first: controls below it take no focus. Buttons answer Enter as they answer Space.
QWidget *buildLayout(QWidget *window, std::span<const ControlRow> table,
                     const PictureFactory &makePicture = {});

// What a screen reader calls a control whose caption does not say what it holds.
struct AccessibleName
{
    std::string_view control;
    std::u16string_view name;
};
void setAccessibleNames(QWidget *window, std::span<const AccessibleName> names);

// The size of a window's client area in twips.
struct ClientArea
{
    int width, height;
};

// A window's layout: the size of its client area, its font and its controls. Each window keeps
// its own as a static member, kLayout.
struct WindowLayout
{
    ClientArea clientArea;
    ControlFont font;
    std::span<const ControlRow> controls;
};

// A fixed-size window of the given client area, with only a close box.
void setFixedClientArea(QWidget *window, ClientArea area);
// Puts a top-level window in the middle of its screen.
void centreOnScreen(QWidget *window);

// Runs `handler` on every click of the window's button or option `name` (a click on an option that
// is already checked runs it again).
template <typename Window>
void onClicked(Window *window, std::string_view name, void (Window::*handler)())
{
    auto *button = window->template findChild<QAbstractButton *>(
        QString::fromUtf8(name.data(), qsizetype(name.size())));
    Q_ASSERT(button);
    QObject::connect(button, &QAbstractButton::clicked, window, handler);
}
