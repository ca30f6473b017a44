#include "ContextMenu.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>

QAction *contextMenuEntry(QWidget *control, const QString &text, QPoint pos)
{
    closeContextMenu();
    auto *area = qobject_cast<QAbstractScrollArea *>(control);
    QWidget *target = area ? area->viewport() : control;
    QContextMenuEvent event(QContextMenuEvent::Mouse, pos, target->mapToGlobal(pos));
    QApplication::sendEvent(target, &event);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    if (!menu)
        return nullptr;
    for (QAction *action : menu->actions()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

void closeContextMenu()
{
    while (QWidget *popup = QApplication::activePopupWidget())
        popup->close();
}
