#include "CardSurface.h"

#include <QPaintEvent>
#include <QPainter>

CardSurface::CardSurface(QSize pixels, QWidget *parent)
    : QWidget(parent), m_canvas(pixels, devicePixelRatioF())
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
    // The window may have moved to a screen of another pixel density.
    m_canvas.setDevicePixelRatio(devicePixelRatioF());
    const QRect area = event->rect();
    const qreal ratio = m_canvas.devicePixelRatio();
    QPainter painter(this);
    painter.fillRect(area, Qt::black);
    painter.drawImage(QRectF(area), m_canvas.image(),
                      QRectF(area.topLeft() * ratio, area.size() * ratio));
}
