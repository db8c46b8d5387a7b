// The Options dialog on its own: the rules between its controls and what its buttons ask of the
// platform.

#include "app/FormOpt.h"

#include "fakes/FakeServices.h"
#include "widgets/ShBrowseForFolderEx.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>

namespace tintora {
namespace {

class FormOpt : public ::testing::Test {
protected:
    TOptionsContext Context(const TSettings& s = TSettings()) {
        return TOptionsContext{s,
                               QString(),
                               {{"/lib/spi/ifpng.spi", "*.png", "PNG", "PNG reader"}},
                               dir_.filePath("tintora.INI").toStdString(),
                               "",
                               dir_.path().toStdString(),
                               files_,
                               prompts_,
                               ExecModal};
    }

    void MakeProgram(const QString& name) {
        QFile file(dir_.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.setPermissions(file.permissions() | QFile::ExeOwner);
    }

    QTemporaryDir dir_;
    TFakeFileChooser files_;
    TFakeUserPrompts prompts_;
};

TEST_F(FormOpt, TheFindButtonFillsOnlyTheFieldsOfBrowsersFound) {
    const struct {
        QStringList Programs;
        QString First;
        QString Second;
    } cases[] = {
        {{}, "/keep/first", "/keep/second"},
        {{"chromium"}, "chromium", "/keep/second"},
        {{"firefox-esr", "google-chrome"}, "google-chrome", "firefox-esr"},
    };
    for (const auto& c : cases) {
        for (const QString& name : QDir(dir_.path()).entryList(QDir::Files)) {
            QFile::remove(dir_.filePath(name));
        }
        for (const QString& program : c.Programs) {
            MakeProgram(program);
        }
        TSettings s;
        s.IEPath = "/keep/first";
        s.NNPath = "/keep/second";
        TFormOpt dialog(Context(s));
        dialog.btnFindBrowserPath->click();
        const auto expected = [&](const QString& v) {
            return v.startsWith('/') ? v : dir_.filePath(v);
        };
        EXPECT_EQ(dialog.EditIEPath->text(), expected(c.First)) << c.Programs.join(" ").data();
        EXPECT_EQ(dialog.EditNNPath->text(), expected(c.Second));
    }
}

TEST_F(FormOpt, BrowseButtonsAskForTheirFileAndFillTheirField) {
    MakeProgram("chromium");
    TSettings s;
    s.IEPath = dir_.filePath("chromium").toStdString();
    s.NNPath = "/not/there";
    s.PlayCopySound = true;
    TFormOpt dialog(Context(s));
    const struct {
        QPushButton* Button;
        QLineEdit* Field;
        std::string Filter;
        std::string Initial;
    } cases[] = {
        {dialog.btnBrwsIEPath, dialog.EditIEPath, "実行ファイル(*.exe)|*.exe|全てのファイル|*.*",
         s.IEPath},
        {dialog.btnBrwsNNPath, dialog.EditNNPath, "実行ファイル(*.exe)|*.exe|全てのファイル|*.*",
         ""},
        {dialog.btnBrwsCopySound, dialog.EditCopySound, "サウンド(*.wav)|*.wav", ""},
    };
    for (const auto& c : cases) {
        files_.FileAnswers = {"/chosen/file"};
        c.Button->click();
        ASSERT_FALSE(files_.FileRequests.empty());
        EXPECT_EQ(files_.FileRequests.back().Filter, c.Filter);
        EXPECT_EQ(files_.FileRequests.back().InitialFile, c.Initial);
        EXPECT_EQ(c.Field->text(), "/chosen/file");
    }
    // Cancelled: the field stays.
    dialog.btnBrwsNNPath->click();
    EXPECT_EQ(dialog.EditNNPath->text(), "/chosen/file");
}

TEST_F(FormOpt, BoxesEnableTheirFields) {
    TFormOpt dialog(Context());
    EXPECT_FALSE(dialog.EditCopySound->isEnabled());
    EXPECT_FALSE(dialog.btnBrwsCopySound->isEnabled());
    dialog.cbPlayCopySound->click();
    EXPECT_TRUE(dialog.EditCopySound->isEnabled());
    EXPECT_TRUE(dialog.btnBrwsCopySound->isEnabled());

    EXPECT_FALSE(dialog.editSpiDir->isEnabled());
    EXPECT_TRUE(dialog.cbPathWin->isEnabled());
    dialog.cbPathOther->click();
    EXPECT_TRUE(dialog.editSpiDir->isEnabled());
    EXPECT_TRUE(dialog.btnBrwsSpiDir->isEnabled());
    EXPECT_FALSE(dialog.cbPathWin->isEnabled());
    EXPECT_FALSE(dialog.cbPathSys->isEnabled());
}

TEST_F(FormOpt, TheFolderButtonPutsTheChosenFolderInItsField) {
    TSettings s;
    s.SearchDir = "/typed/";
    TFormOpt dialog(Context(s));
    dialog.show();
    for (const bool accept : {true, false}) {
        dialog.FolderDlg1->SetRunner([&](QDialog& window, QFileDialog& chooser) {
            // The default instance opens at the dialog's client origin.
            EXPECT_EQ(window.pos(), dialog.mapToGlobal(QPoint(0, 0)));
            chooser.selectFile(dir_.path());
            static_cast<QDialog&>(chooser).done(accept ? QDialog::Accepted : QDialog::Rejected);
            return window.result();
        });
        dialog.editSpiDir->setText("/typed/");
        dialog.btnBrwsSpiDir->click();
        EXPECT_EQ(dialog.editSpiDir->text(), accept ? dir_.path() : "/typed/");
    }
}

TEST_F(FormOpt, TheInformationGroupShowsTheSelectedPlugin) {
    TSettings s;
    s.SkipFiles = {"ifold.spi"};
    TFormOpt dialog(Context(s));
    const QLabel* values[] = {dialog.LabelSpiName, dialog.LabelSpiPath, dialog.LabelSpiExt,
                              dialog.LabelSpiFmt, dialog.LabelSpiInfo};
    const auto shown = [&] {
        QStringList texts;
        for (const QLabel* value : values) {
            texts << value->text();
        }
        return texts;
    };
    const QStringList none = {"-", "-", "-", "-", "(読み込まれていません)"};
    EXPECT_EQ(shown(), none);
    dialog.lbSpi->setCurrentRow(0);
    EXPECT_EQ(shown(), (QStringList{"ifpng.spi", "/lib/spi/", "*.png", "PNG", "PNG reader"}));
    dialog.lbSpi->setCurrentRow(1);
    EXPECT_EQ(dialog.lbSpi->currentItem()->text(), "ifold.spi");
    EXPECT_EQ(shown(), none);
}

TEST_F(FormOpt, ThePlaceIsReadFromTheSettingsFile) {
    QFile ini(dir_.filePath("tintora.INI"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[WINDOW]\r\nOption.Top=60\r\nOption.Left=70\r\n");
    ini.close();
    TFormOpt dialog(Context());
    dialog.show();
    EXPECT_EQ(dialog.frameGeometry().topLeft(), QPoint(70, 60));
}

} // namespace
} // namespace tintora
