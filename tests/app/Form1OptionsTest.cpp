// The Options dialog opened from the real main window: what OK and Cancel do to the settings in
// force, the plug-in list and the settings file.

#include "Form1Probe.h"
#include "app/CharCaseCheck.h"
#include "app/FormCharCase.h"
#include "app/FormOpt.h"
#include "settings/IniFile2.h"
#include "widgets/GrdBarSet.h"
#include "widgets/QvSpinEdit.h"

#include <functional>
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QToolTip>

namespace tintora {
namespace {

class Options : public TForm1Test {
protected:
    // Opens the dialog from the menu, lets `edit` work on it, and closes it with OK (or Cancel).
    void Open(const std::function<void(TFormOpt&)>& edit, bool ok = true) {
        answerDialog_ = [&](QDialog& dialog) {
            auto* options = qobject_cast<TFormOpt*>(&dialog);
            if (options == nullptr) {
                return answerCharCase_ ? answerCharCase_(dialog) : int(QDialog::Rejected);
            }
            options->show();
            edit(*options);
            (ok ? options->btnOK : options->btnCancel)->click();
            return options->result();
        };
        ASSERT_TRUE(p().miOpt()->isEnabled());
        p().miOpt()->trigger();
    }

    TModalRun answerCharCase_;
};

TEST_F(Options, TheCaseBoxKeepsAMixtureUntilClicked) {
    const struct {
        std::uint8_t Before;
        int Clicks;
        Qt::CheckState Shown;
        std::uint8_t After;
        QString Rgb;
    } cases[] = {
        {2, 0, Qt::PartiallyChecked, 2, "ff0000"}, {2, 1, Qt::Checked, 1, "FF0000"},
        {2, 2, Qt::Unchecked, 0, "ff0000"},        {1, 1, Qt::Unchecked, 0, "ff0000"},
        {0, 1, Qt::Checked, 1, "FF0000"},
    };
    for (const auto& c : cases) {
        TSettings s = form_->Settings();
        s.CharCaseE = s.CharCaseA = s.CharCaseV = c.Before;
        form_->ApplySettings(s);
        form_->ChangeColor(MakeColor(255, 0, 0));
        Open([&](TFormOpt& d) {
            for (int i = 0; i < c.Clicks; ++i) {
                d.cbUpperCase->click();
            }
            EXPECT_EQ(d.cbUpperCase->checkState(), c.Shown) << int(c.Before) << " " << c.Clicks;
        });
        const TSettings& after = form_->Settings();
        EXPECT_EQ((std::array{after.CharCaseE, after.CharCaseA, after.CharCaseV}),
                  (std::array{c.After, c.After, c.After}))
            << int(c.Before) << " " << c.Clicks;
        EXPECT_EQ(p().EditRGB()->text(), c.Rgb);
    }
}

TEST_F(Options, TheMixedSettingsDialogOpensAtTheClientOriginAndSetsTheBox) {
    QPoint origin;
    answerCharCase_ = [&](QDialog& dialog) {
        auto& charCase = dynamic_cast<TFormCharCase&>(dialog);
        charCase.show();
        origin = charCase.frameGeometry().topLeft();
        charCase.Items(TCaseKind::ckValue)->button(1)->click();
        return int(QDialog::Accepted);
    };
    QPoint client;
    Open([&](TFormOpt& d) {
        client = d.mapToGlobal(QPoint(0, 0));
        d.BtnCharCase->click();
        EXPECT_EQ(d.cbUpperCase->checkState(), Qt::PartiallyChecked);
    });
    EXPECT_EQ(origin, client);
    EXPECT_EQ(form_->CharCases(),
              (TCharCases{TCharCaseMode::ccLower, TCharCaseMode::ccLower, TCharCaseMode::ccUpper}));
}

TEST_F(Options, ASampleSizeOutsideSixTo99BecomesTwelve) {
    for (const auto& [typed, kept] : {std::pair{"5", 12}, {"100", 12}, {"20", 20}, {"x", 12}}) {
        Open([&](TFormOpt& d) { d.SpinSampleFontSize->setText(typed); });
        EXPECT_EQ(form_->Settings().SampleFontSize, kept) << typed;
    }
}

TEST_F(Options, AnUncheckedPluginIsSkippedAndListedLastUntilCheckedAgain) {
    const int loaded = form_->PluginHost().Count();
    ASSERT_GE(loaded, 2);
    std::string first;
    Open([&](TFormOpt& d) {
        ASSERT_EQ(d.lbSpi->count(), loaded);
        first = d.lbSpi->item(0)->text().toStdString();
        d.lbSpi->item(0)->setCheckState(Qt::Unchecked);
    });
    EXPECT_EQ(form_->Settings().SkipFiles, std::vector<std::string>{first});
    EXPECT_EQ(form_->PluginHost().Count(), loaded - 1);

    Open([&](TFormOpt& d) {
        QListWidgetItem* last = d.lbSpi->item(d.lbSpi->count() - 1);
        EXPECT_EQ(last->text().toStdString(), first);
        EXPECT_EQ(last->checkState(), Qt::Unchecked);
        d.lbSpi->setCurrentRow(d.lbSpi->count() - 1);
        EXPECT_EQ(d.LabelSpiName->text(), "-");
        EXPECT_EQ(d.LabelSpiInfo->text(), "(読み込まれていません)");
        d.lbSpi->setCurrentRow(0);
        EXPECT_NE(d.LabelSpiName->text(), "-");
        last->setCheckState(Qt::Checked);
    });
    EXPECT_TRUE(form_->Settings().SkipFiles.empty());
    EXPECT_EQ(form_->PluginHost().Count(), loaded);
}

TEST_F(Options, WithoutTheFolderBoxThePluginFolderIsCleared) {
    TSettings s = form_->Settings();
    s.SearchDir = "/nowhere/";
    form_->ApplySettings(s);
    Open([](TFormOpt& d) {
        EXPECT_TRUE(d.cbPathOther->isChecked());
        EXPECT_FALSE(d.cbPathWin->isEnabled());
        d.cbPathOther->click();
        EXPECT_EQ(d.editSpiDir->text(), "/nowhere/");
    });
    EXPECT_EQ(form_->Settings().SearchDir, "");
    EXPECT_GE(form_->PluginHost().Count(), 2); // searched in the usual places again
}

TEST_F(Options, CancelKeepsEveryOptionButStoresThePlace) {
    const TSettings before = form_->Settings();
    Open(
        [](TFormOpt& d) {
            d.cbAddSharp->click();
            d.cbUseHSV->click();
            d.cbUpperCase->click();
            d.lbSpi->item(0)->setCheckState(Qt::Unchecked);
            d.move(123, 87);
        },
        false);
    EXPECT_EQ(form_->Settings(), before);
    const TIniFile2 ini(form_->Files().SettingsFile);
    EXPECT_EQ(ini.ReadInteger("WINDOW", "Option.Left", 0), 123);
    EXPECT_EQ(ini.ReadInteger("WINDOW", "Option.Top", 0), 87);
}

TEST_F(Options, OkTwiceGivesWhatOkOnceGives) {
    Open([](TFormOpt& d) {
        d.cbUseHSV->click();
        d.comboGrdPointer->setCurrentIndex(4);
        d.cbUpperCase->click();
        d.cbShowHint->click();
        d.cbDefBodyLink->click();
        d.lbSpi->item(1)->setCheckState(Qt::Unchecked);
    });
    const TSettings once = form_->Settings();
    const QString rgb = p().EditRGB()->text();
    Open([](TFormOpt&) {});
    EXPECT_EQ(form_->Settings(), once);
    EXPECT_EQ(p().EditRGB()->text(), rgb);
}

// Whether hovering over the copy button would show its tooltip now.
bool CopyHintShows(QWidget* button) {
    QToolTip::hideText();
    QHelpEvent hint(QEvent::ToolTip, QPoint(2, 2), button->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(button, &hint);
    const bool shown = QToolTip::isVisible();
    QToolTip::hideText();
    return shown;
}

TEST_F(Options, OptionsTakeEffectAtOnce) {
    form_->ChangeColor(MakeColor(0x12, 0x34, 0x56));
    ASSERT_TRUE(CopyHintShows(p().btnCopy()));
    Open([](TFormOpt& d) {
        d.cbAddSharp->click();
        d.cbUseHSV->click();
        d.comboGrdPointer->setCurrentIndex(2);
        d.cbShowHint->click();
    });
    p().miCopyClick();
    EXPECT_EQ(fakes_.Clipboard.Text(), "#123456");
    EXPECT_EQ(p().btnGbmESL()->text(), "HSV");
    EXPECT_EQ(p().GBSet()->Pointer(), TPointerType::ptStruckOut);
    EXPECT_FALSE(CopyHintShows(p().btnCopy()));
}

} // namespace
} // namespace tintora
