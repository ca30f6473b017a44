#include "Dialogs.h"

#include <QMessageBox>

void QtDialogs::question(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Ok, parent);
    box.exec();
}
