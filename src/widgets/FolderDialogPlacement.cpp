#include "widgets/FolderDialogPlacement.h"

#include <algorithm>

namespace tintora {

QPoint CenterScreenTopLeft(QSize dialog, const QRect& screen, const QRect& workArea) {
    return screen.topLeft() + QPoint((workArea.width() - dialog.width()) / 2,
                                     (workArea.height() - dialog.height()) / 3);
}

QPoint KeepOnScreen(QPoint topLeft, QSize dialog, const QRect& screen) {
    const int x = std::max(screen.left(),
                           std::min(topLeft.x(), screen.left() + screen.width() - dialog.width()));
    const int y = std::max(screen.top(),
                           std::min(topLeft.y(), screen.top() + screen.height() - dialog.height()));
    return QPoint(x, y);
}

} // namespace tintora
