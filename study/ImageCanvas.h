#pragma once

#include "CardCanvas.h"

#include <QFont>
#include <QImage>

#include <functional>

// A card canvas that draws into an image of the card surface's size in pixels. The image is the
// surface's memory: the widget that shows it repaints from it whenever it is covered or resized.
// It has the screen's device pixel ratio, so that on a high-density screen the card is drawn at
// the screen's own resolution rather than enlarged; the user units keep their place in (logical)
// pixels whatever the ratio.
class ImageCanvas final : public CardCanvas
{
  public:
    struct Step
    {
        enum Kind
        {
            Clear,
            Circle,
            Text
        } kind;
        double x = 0, y = 0;
        int radius = 0;
        int colour = 0;
        QString text;
    };

    explicit ImageCanvas(QSize pixels, qreal devicePixelRatio = 1);

    void clear() override;
    void circle(double x, double y, int radius, int colour) override;
    void text(double x, double y, const QString &text, int colour) override;

    const QImage &image() const { return m_image; }
    // The size in logical pixels.
    QSize size() const { return m_size; }
    qreal devicePixelRatio() const { return m_image.devicePixelRatio(); }
    // Moves to a screen of another ratio: what is drawn is carried over, enlarged or reduced, and
    // what comes next is drawn at the new ratio.
    void setDevicePixelRatio(qreal ratio);
    // The pixel of a point in user units.
    QPointF toPixels(double x, double y) const;
    // Called after every drawing step; the window repaints through it, tests watch through it.
    std::function<void(const Step &)> afterStep;

    // The face and size of every card text.
    static QFont cardFont();

  private:
    QSize m_size;
    QImage m_image;
    QFont m_font; // the card font at the image's own pixel size
};
