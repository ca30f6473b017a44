#pragma once

#include <QWidget>

struct Platform;

class Form4 final : public QWidget
{
    Q_OBJECT
  public:
    explicit Form4(Platform &platform);
};
