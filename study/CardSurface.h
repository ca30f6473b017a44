#pragma once

#include "ImageCanvas.h"

#include <QWidget>

// The black card surface (Picture1). It shows what its canvas holds, so a card survives being
// covered, and it repaints after every drawing step.
class CardSurface final : public QWidget
{
    Q_OBJECT
  public:
    CardSurface(QSize pixels, QWidget *parent);

    ImageCanvas &canvas() { return m_canvas; }
    // Watches every drawing step after it has been painted (tests, benchmark).
    std::function<void(const ImageCanvas::Step &)> onStep;

  protected:
    void paintEvent(QPaintEvent *event) override;

  private:
    ImageCanvas m_canvas;
};
