#pragma once

#include <QWidget>

struct Platform;

class Form5 final : public QWidget
{
    Q_OBJECT
  public:
    explicit Form5(Platform &platform);
    void showWindow();
};
