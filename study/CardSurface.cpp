#include "CardSurface.h"

#include <QPaintEvent>
#include <QPainter>

CardSurface::CardSurface(QSize pixels, QWidget *parent) : QWidget(parent), m_canvas(pixels)
{
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The first stop of the window's tab order, as a picture box is.
    setFocusPolicy(Qt::TabFocus);
    m_canvas.afterStep = [this](const ImageCanvas::Step &step) {
        update();
        if (onStep)
            onStep(step);
    };
}

void CardSurface::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::black);
    painter.drawImage(event->rect().topLeft(), m_canvas.image(), event->rect());
}
