#include "ProgramStyle.h"

#include <QGroupBox>
#include <QImageReader>
#include <QStyleOption>
#include <qdrawutil.h>

#include <algorithm>

void ProgramStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                                 QPainter *painter, const QWidget *widget) const
{
    if (element != PE_FrameGroupBox ||
        baseStyle()->name().compare(u"fusion", Qt::CaseInsensitive) != 0) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    if (m_groupBoxFrame.isNull()) {
        QImageReader reader(
            QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png"),
            "png");
        reader.setAutoDetectImageFormat(false);
        m_groupBoxFrame = QPixmap::fromImage(reader.read());
    }
    // Fusion's geometry: the frame begins below the title, if there is one.
    constexpr int kTopMargin = 3;
    int top = kTopMargin;
    const auto *box = qobject_cast<const QGroupBox *>(widget);
    if (!box || box->isCheckable() || !box->title().isEmpty())
        top += std::max(pixelMetric(PM_ExclusiveIndicatorHeight), option->fontMetrics.height());
    qDrawBorderPixmap(painter, option->rect.adjusted(0, top, 0, 0), QMargins(6, 6, 6, 6),
                      m_groupBoxFrame);
}
