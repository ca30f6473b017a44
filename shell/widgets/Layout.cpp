#include "Layout.h"

#include "Fonts.h"

#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace {
QString toQString(std::string_view s)
{
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

QString toQString(std::u16string_view s)
{
    return QString(reinterpret_cast<const QChar *>(s.data()), qsizetype(s.size()));
}

// A push button that a focused user presses with Enter as well as with Space. Qt's own buttons
// answer Enter only in dialogs, and there only as the default button.
class PushButton final : public QPushButton
{
  public:
    using QPushButton::QPushButton;

  protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        if (!enter || (event->modifiers() & ~Qt::KeypadModifier)) {
            QPushButton::keyPressEvent(event);
            return;
        }
        // A held key presses once, as a held Space does.
        if (!event->isAutoRepeat())
            click();
        event->accept();
    }
};

// A line edit that takes no input method while Qt::WA_InputMethodEnabled is off. QLineEdit
// answers the input method's ImEnabled query by itself and so ignores the attribute, and the
// input-method modules go by that answer alone.
class LineEdit final : public QLineEdit
{
  public:
    using QLineEdit::QLineEdit;

    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override
    {
        if (query == Qt::ImEnabled && !testAttribute(Qt::WA_InputMethodEnabled))
            return false;
        return QLineEdit::inputMethodQuery(query);
    }
};

QRect lineRect(const ControlRow &row)
{
    // A line of width 2 pixels between two points on a row or a column.
    const int x1 = twipsToPixels(std::min(row.left, row.width));
    const int y1 = twipsToPixels(std::min(row.top, row.height));
    const int x2 = twipsToPixels(std::max(row.left, row.width));
    const int y2 = twipsToPixels(std::max(row.top, row.height));
    return {x1 - 1, y1 - 1, std::max(2, x2 - x1 + 2), std::max(2, y2 - y1 + 2)};
}

QWidget *createControl(const ControlRow &row, QWidget *parent, const PictureFactory &makePicture)
{
    const QString caption = toQString(row.caption);
    switch (row.kind) {
    case Kind::Frame:
        return new QGroupBox(caption, parent);
    case Kind::Option:
        return new QRadioButton(caption, parent);
    case Kind::Button:
        return new PushButton(caption, parent);
    case Kind::Text: {
        // Given its text at construction, a line edit lays it out in the application's default
        // font before taking its parent's, a font load and fallback search wasted at start-up.
        auto *edit = new LineEdit(parent);
        edit->setText(caption);
        if (row.align == AlignCentre)
            edit->setAlignment(Qt::AlignCenter);
        return edit;
    }
    case Kind::MultiText: {
        auto *edit = new QPlainTextEdit(caption, parent);
        edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        // Tab moves on rather than typing a tab into the list.
        edit->setTabChangesFocus(true);
        return edit;
    }
    case Kind::Label: {
        auto *label = new QLabel(caption, parent);
        label->setAlignment(row.align == AlignCentre ? Qt::AlignHCenter | Qt::AlignTop
                                                     : Qt::AlignLeft | Qt::AlignTop);
        return label;
    }
    case Kind::Combo: {
        auto *combo = new QComboBox(parent);
        combo->setEditable(true);
        combo->setEditText(caption);
        return combo;
    }
    case Kind::Picture:
        return makePicture ? makePicture(row, parent) : new QWidget(parent);
    case Kind::Line: {
        auto *line = new QWidget(parent);
        line->setAutoFillBackground(true);
        QPalette palette = line->palette();
        palette.setColor(QPalette::Window, Qt::white);
        line->setPalette(palette);
        return line;
    }
    }
    return nullptr;
}
} // namespace

QWidget *buildLayout(QWidget *window, std::span<const ControlRow> table,
                     const PictureFactory &makePicture)
{
    std::vector<std::pair<int, QWidget *>> tabOrder;
    const bool fixedHeight = window->minimumHeight() == window->maximumHeight();
    for (const ControlRow &row : table) {
        QWidget *parent = window;
        if (!row.container.empty())
            parent = window->findChild<QWidget *>(toQString(row.container));
        QWidget *control = createControl(row, parent, makePicture);
        control->setObjectName(toQString(row.name));
        if (row.kind == Kind::Line) {
            control->setGeometry(lineRect(row));
        } else {
            control->setGeometry(twipsToPixels(row.left), twipsToPixels(row.top),
                                 twipsToPixels(row.width), twipsToPixels(row.height));
        }
        if (row.font.face != Face::Window)
            control->setFont(layoutFont(row.font));
        // A control below a fixed window's client area is never seen, so Tab must not land on it.
        if (fixedHeight && control->mapTo(window, QPoint(0, 0)).y() >= window->height())
            control->setFocusPolicy(Qt::NoFocus);
        // Labels, frames and lines hold no focus and so take no place in the tab order.
        if (row.tab >= 0 && (control->focusPolicy() & Qt::TabFocus))
            tabOrder.emplace_back(row.tab, control);
    }
    std::stable_sort(tabOrder.begin(), tabOrder.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
    return tabOrder.empty() ? nullptr : tabOrder.front().second;
}

void setAccessibleNames(QWidget *window, std::span<const AccessibleName> names)
{
    for (const AccessibleName &name : names)
        window->findChild<QWidget *>(toQString(name.control))
            ->setAccessibleName(toQString(name.name));
}

void setFixedClientArea(QWidget *window, ClientArea area)
{
    window->setFixedSize(twipsToPixels(area.width), twipsToPixels(area.height));
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
}

void centreOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}
