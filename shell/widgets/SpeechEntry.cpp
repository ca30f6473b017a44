#include "SpeechEntry.h"

#include "Speaker.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QWidget>

namespace {
const QString kHear = QStringLiteral("発音を聞く");

// The control's own menu (copy, select all, …) where it has one.
QMenu *menuOf(QWidget *control)
{
    if (auto *edit = qobject_cast<QLineEdit *>(control))
        return edit->createStandardContextMenu();
    if (auto *edit = qobject_cast<QPlainTextEdit *>(control))
        return edit->createStandardContextMenu();
    return new QMenu(control);
}
} // namespace

QKeySequence speechShortcut()
{
    // L for listen: not an editing key of Qt's text boxes, nor a key that Japanese input methods
    // take outside a composition (Ctrl+Space, F6–F10), nor one of the drill's keys.
    return QKeySequence(Qt::CTRL | Qt::Key_L);
}

void addSpeechShortcut(QWidget *window, Speaker &speaker, std::function<QString()> current)
{
    auto *action = new QAction(kHear, window);
    action->setShortcut(speechShortcut());
    QObject::connect(action, &QAction::triggered, window,
                     [&speaker, current = std::move(current)] { speaker.say(current()); });
    window->addAction(action);
}

void addSpeechMenu(QWidget *control, Speaker &speaker, std::function<QString(QPoint)> englishAt,
                   const QList<QAction *> &extra)
{
    control->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(control, &QWidget::customContextMenuRequested, control,
                     [control, &speaker, englishAt = std::move(englishAt), extra](QPoint pos) {
                         QMenu *menu = menuOf(control);
                         menu->setAttribute(Qt::WA_DeleteOnClose);
                         if (!menu->isEmpty())
                             menu->addSeparator();
                         const QString english = englishAt(pos);
                         QAction *hear = menu->addAction(kHear);
                         // Named here only; the window's own action answers the key.
                         hear->setShortcut(speechShortcut());
                         hear->setShortcutContext(Qt::WidgetShortcut);
                         hear->setShortcutVisibleInContextMenu(true);
                         hear->setEnabled(!english.isEmpty() && speaker.available());
                         QObject::connect(hear, &QAction::triggered, control,
                                          [&speaker, english] { speaker.say(english); });
                         menu->addActions(extra);
                         const auto *area = qobject_cast<QAbstractScrollArea *>(control);
                         menu->popup((area ? area->viewport() : control)->mapToGlobal(pos));
                     });
}
