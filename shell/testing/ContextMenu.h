#pragma once

#include <QPoint>
#include <QString>

class QAction;
class QWidget;

// Opens the control's context menu as a right click at `pos` does (for a scroll area, `pos` lies
// in its viewport) and returns its entry named `text`, or null. The menu stays open until the
// next call or closeContextMenu().
QAction *contextMenuEntry(QWidget *control, const QString &text, QPoint pos = {5, 5});
void closeContextMenu();
