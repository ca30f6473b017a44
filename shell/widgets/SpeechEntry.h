#pragma once
// The 発音を聞く entry that every window showing English words offers: one shortcut in the window
// that speaks the English of its current question, line or card, and the same entry, with the
// shortcut named beside it, in the context menus of the controls that show English.

#include <QKeySequence>
#include <QList>
#include <QPoint>
#include <QString>

#include <functional>

class QAction;
class QWidget;
class Speaker;

QKeySequence speechShortcut();

// Speaks what `current` gives (the spoken text; empty when nothing is shown) on the shortcut.
void addSpeechShortcut(QWidget *window, Speaker &speaker, std::function<QString()> current);

// Gives the control a context menu with the entry, which speaks what `englishAt` gives for the
// point the menu opened at (in the control's coordinates; for a scroll area, its viewport's): the
// pointer, or the text cursor when the menu key opened it. A text box keeps its own entries above
// it; `extra` entries follow it. The entry is disabled where there is nothing to say or the
// speaker cannot speak.
void addSpeechMenu(QWidget *control, Speaker &speaker, std::function<QString(QPoint)> englishAt,
                   const QList<QAction *> &extra = {});
