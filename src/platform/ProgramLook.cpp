#include "platform/ProgramLook.h"

#include <QApplication>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QProxyStyle>

namespace tintora {

namespace {

class TProgramStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_ComboBox_Popup) {
            return 0;
        }
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

    // The menu bar asks for its overflow button's picture when it is built, and the platform's
    // style reads that picture from a file whose format it finds by loading every installed
    // image format plug-in: memory and start-up time for a button that shows only when the
    // menus do not fit. A drawn double chevron costs neither.
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                       const QWidget* widget) const override {
        if (icon == SP_ToolBarHorizontalExtensionButton) {
            return ChevronIcon();
        }
        return QProxyStyle::standardIcon(icon, option, widget);
    }

private:
    static QIcon ChevronIcon() {
        QPixmap pixmap(16, 16);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setPen(QPen(QApplication::palette().buttonText().color(), 1.5));
        painter.setRenderHint(QPainter::Antialiasing);
        for (const int x : {4, 9}) {
            painter.drawPolyline(QPolygonF({QPointF(x, 4), QPointF(x + 3.5, 8), QPointF(x, 12)}));
        }
        painter.end();
        return QIcon(pixmap);
    }
};

} // namespace

QFont ProgramFont() {
    QFont font = QApplication::font();
    font.setFamilies({"IPAPGothic", "IPAGothic", font.family()});
    font.setPixelSize(11);
    return font;
}

void UseProgramLook() {
    QApplication::setStyle(new TProgramStyle);
    QApplication::setFont(ProgramFont());
}

} // namespace tintora
