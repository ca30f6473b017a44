#pragma once

#include <QString>

class QWidget;

// Modal message boxes. Tests replace the real one so that no test ever waits on a box.
class Dialogs
{
  public:
    virtual ~Dialogs() = default;
    // A modal box with the question icon and a single OK button; returns when it is closed.
    virtual void question(QWidget *parent, const QString &title, const QString &text) = 0;
};

class QtDialogs final : public Dialogs
{
  public:
    void question(QWidget *parent, const QString &title, const QString &text) override;
};
