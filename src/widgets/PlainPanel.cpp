#include "widgets/PlainPanel.h"

#include "widgets/Frame3D.h"

#include <QPainter>

namespace tintora {

void PaintPlainPanel(QPainter& painter, const QRect& rect, const TSystemColors& colors,
                     TPanelBevel bevel, const QString& caption) {
    painter.fillRect(rect, colors.BtnFace);
    QRect inner = rect;
    if (bevel == TPanelBevel::pbRaised) {
        Frame3D(painter, inner, colors.BtnHighlight, colors.BtnShadow, 1);
    } else {
        Frame3D(painter, inner, colors.BtnShadow, colors.BtnHighlight, 1);
    }
    if (!caption.isEmpty()) {
        painter.drawText(inner, Qt::AlignCenter | Qt::TextSingleLine, caption);
    }
}

} // namespace tintora
