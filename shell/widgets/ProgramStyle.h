#pragma once

#include <QPixmap>
#include <QProxyStyle>

// The desktop's widget style, except that Fusion's group box frame is drawn from its image read as
// the PNG it is. Fusion reads that image without naming its format, and Qt then loads every
// image-format plugin (JPEG, GIF, ICO …) to ask each whether it can: close to a megabyte and a
// millisecond at start-up, for the frame around three radio buttons.
class ProgramStyle final : public QProxyStyle
{
  public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;

  private:
    mutable QPixmap m_groupBoxFrame;
};
