#pragma once

// The ordinary panel look that custom panels can paint underneath their own drawing: the whole
// rectangle in button face, a one-pixel bevel around it and an optional caption centred in it.

#include "widgets/SystemColors.h"

#include <QRect>
#include <QString>

class QPainter;

namespace tintora {

enum class TPanelBevel { pbRaised, pbLowered };

// The caption is drawn in the painter's current font as it stands ("&" is not an accelerator).
void PaintPlainPanel(QPainter& painter, const QRect& rect, const TSystemColors& colors,
                     TPanelBevel bevel, const QString& caption = {});

} // namespace tintora
