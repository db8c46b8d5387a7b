#include "platform/ProgramLook.h"

#include <QApplication>
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
