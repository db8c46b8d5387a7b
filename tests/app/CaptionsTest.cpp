// Every caption of the main window and its dialogs fits its control in the program's font: the
// controls keep the places and sizes they were drawn for.

#include "Form1Probe.h"
#include "app/FormCharCase.h"
#include "app/FormCopyBody.h"
#include "app/FormOpt.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTabWidget>
#include <QToolButton>

namespace tintora {
namespace {

QString WithoutMnemonics(QString caption) {
    return caption.replace("&&", QChar(0x1)).remove('&').replace(QChar(0x1), "&");
}

int TextWidth(const QWidget* control, const QString& caption) {
    const QFontMetrics metrics(control->font());
    int widest = 0;
    for (const QString& line : WithoutMnemonics(caption).split('\n')) {
        widest = std::max(widest, metrics.horizontalAdvance(line));
    }
    return widest;
}

// The width the control's style leaves for its text.
int Room(const QAbstractButton* button, QStyle::SubElement contents) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.iconSize = button->iconSize();
    return button->style()->subElementRect(contents, &option, button).width();
}

// Labels, buttons, check boxes and radio buttons whose caption is wider than their room, as
// "caption (text width > room)".
std::vector<std::string> ClippedCaptions(const QWidget* window) {
    std::vector<std::string> clipped;
    for (const QWidget* control : window->findChildren<QWidget*>()) {
        QString caption;
        int room = 0;
        if (const auto* label = qobject_cast<const QLabel*>(control)) {
            caption = label->wordWrap() ? QString() : label->text();
            room = label->contentsRect().width() - 2 * label->margin();
        } else if (const auto* box = qobject_cast<const QCheckBox*>(control)) {
            caption = box->text();
            room = Room(box, QStyle::SE_CheckBoxContents);
        } else if (const auto* radio = qobject_cast<const QRadioButton*>(control)) {
            caption = radio->text();
            room = Room(radio, QStyle::SE_RadioButtonContents);
        } else if (const auto* push = qobject_cast<const QPushButton*>(control)) {
            caption = push->text();
            room = Room(push, QStyle::SE_PushButtonContents);
        } else if (const auto* tool = qobject_cast<const QToolButton*>(control)) {
            caption = tool->text();
            room = tool->width() - 2 * tool->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
        }
        const int width = caption.isEmpty() ? 0 : TextWidth(control, caption);
        if (width > room) {
            clipped.push_back(WithoutMnemonics(caption).toStdString() + " (" +
                              std::to_string(width) + " > " + std::to_string(room) + ")");
        }
    }
    return clipped;
}

using TCaptions = std::vector<std::string>;

TEST_F(TForm1Test, EveryCaptionFitsItsControl) {
    p().btnShowExt()->click();
    for (QObject* mode : std::initializer_list<QObject*>{p().btnGbmESL(), p().btnGbmRGB()}) {
        p().miGbmClick(mode);
        EXPECT_EQ(ClippedCaptions(form_.get()), TCaptions{}) << "main window";
    }
    TFormCopyBody copyBody(TBodyTagInput{}, 31, {}, form_.get());
    copyBody.show();
    EXPECT_EQ(ClippedCaptions(&copyBody), TCaptions{}) << "BODY tag copy";
    TFormCharCase charCase(form_.get());
    charCase.show();
    EXPECT_EQ(ClippedCaptions(&charCase), TCaptions{}) << "character case";

    TFormOpt options(TOptionsContext{form_->Settings(),
                                     form_->GetSampleFontName(),
                                     {},
                                     form_->Files().SettingsFile,
                                     "",
                                     "",
                                     fakes_.Files,
                                     fakes_.Prompts,
                                     ExecModal},
                     form_.get());
    options.show();
    for (int page = 0; page < options.PageCtrl->count(); ++page) {
        options.PageCtrl->setCurrentIndex(page);
        EXPECT_EQ(ClippedCaptions(options.PageCtrl->widget(page)), TCaptions{})
            << options.PageCtrl->tabText(page).toStdString();
    }
    options.PageCtrl->setCurrentIndex(0);
    EXPECT_EQ(ClippedCaptions(&options), TCaptions{}) << "options";
}

} // namespace
} // namespace tintora
