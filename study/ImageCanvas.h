#pragma once

#include "CardCanvas.h"

#include <QFont>
#include <QImage>

#include <functional>

// A card canvas that draws into an image of the card surface's size in pixels. The image is the
// surface's memory: the widget that shows it repaints from it whenever it is covered or resized.
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

    explicit ImageCanvas(QSize pixels);

    void clear() override;
    void circle(double x, double y, int radius, int colour) override;
    void text(double x, double y, const QString &text, int colour) override;

    const QImage &image() const { return m_image; }
    // The pixel of a point in user units.
    QPointF toPixels(double x, double y) const;
    // Called after every drawing step; the window repaints through it, tests watch through it.
    std::function<void(const Step &)> afterStep;

    // The face and size of every card text.
    static QFont cardFont();

  private:
    QImage m_image;
    QFont m_font;
};
