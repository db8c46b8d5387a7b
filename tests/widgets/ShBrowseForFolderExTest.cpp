// The folder browse component: its defaults, where the tree is rooted and what is selected at the
// start, the status line and OK button a selection handler controls, and where the window opens.
// The window runs through a runner that picks a folder and accepts as a user would.

#include "widgets/ShBrowseForFolderEx.h"

#include "widgets/FolderBrowseWindow.h"
#include "widgets/FolderDialogPlacement.h"
#include "widgets/ShellFolders.h"

#include <gtest/gtest.h>
#include <ostream>
#include <vector>

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QWidget>

inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace tintora {
namespace {

// The chooser's OK, as its button gives it.
void Accept(QFileDialog& chooser) {
    static_cast<QDialog&>(chooser).accept();
}

// A folder tree of its own: root/a, root/b and root/file.txt.
class FolderTree {
public:
    FolderTree() {
        QDir(dir_.path()).mkpath("a");
        QDir(dir_.path()).mkpath("b");
        QFile file(Path("file.txt"));
        file.open(QIODevice::WriteOnly);
    }
    QString Root() const { return QDir::cleanPath(dir_.path()); }
    QString Path(const QString& name) const { return Root() + '/' + name; }

private:
    QTemporaryDir dir_;
};

TEST(ShBrowseForFolderExTest, DefaultInstanceStartsOnHomeUnderTheTopAtTheOwnersCorner) {
    QWidget form;
    form.setGeometry(120, 90, 300, 200);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    TSHBrowseForFolderEx browse(&form);
    EXPECT_EQ(browse.Options(), TSHBrowseOptions{TSHBrowseOption::sboReturnOnlyFSDirs});
    EXPECT_EQ(browse.ShowStyle(), TShowStyle::ssClient);

    const QString home = QDir::cleanPath(QDir::homePath());
    std::vector<QString> reported;
    browse.SetOnSelectionChanged([&](TSHBrowseForFolderEx*, QWidget*, const QString& path, QString&,
                                     TOKButtonState&) { reported.push_back(path); });
    QString executed;
    browse.SetOnExecuted([&](const QString& path, const QString&) { executed = path; });
    browse.SetRunner([&](QDialog& window, QFileDialog& chooser) {
        EXPECT_EQ(window.windowModality(), Qt::ApplicationModal);
        EXPECT_EQ(window.pos(), form.mapToGlobal(QPoint(0, 0)));
        EXPECT_TRUE(chooser.testOption(QFileDialog::ShowDirsOnly));
        EXPECT_EQ(static_cast<TFolderBrowseWindow&>(window).Root(), QDir::rootPath());
        EXPECT_EQ(chooser.selectedFiles(), QStringList{home});
        Accept(chooser);
        return window.result();
    });

    EXPECT_TRUE(browse.Execute());
    EXPECT_EQ(browse.SelectedPath(), home);
    EXPECT_EQ(browse.DisplayName(), QFileInfo(home).fileName());
    EXPECT_EQ(executed, home);
    ASSERT_FALSE(reported.empty());
    EXPECT_EQ(reported.front(), home);
}

TEST(ShBrowseForFolderExTest, PlacesWithoutAFolderHereAndBadNamesMeanTheTop) {
    FolderTree tree;
    const struct {
        TRootFolder folder;
        QString name;
        QString path;
    } rows[] = {
        {TRootFolder::rfManual, tree.Path("a"), tree.Path("a")},
        {TRootFolder::rfManual, tree.Path("a/"), tree.Path("a")},
        {TRootFolder::rfManual, "", QDir::rootPath()},
        {TRootFolder::rfManual, "a", QDir::rootPath()}, // relative to nothing in particular
        {TRootFolder::rfManual, tree.Path("missing"), QDir::rootPath()},
        {TRootFolder::rfManual, tree.Path("file.txt"), QDir::rootPath()},
        // The name only counts for a manual folder.
        {TRootFolder::rfDesktop, tree.Path("a"), QDir::rootPath()},
        {TRootFolder::rfDrives, "", QDir::cleanPath(QDir::homePath())},
        {TRootFolder::rfControls, "", QDir::rootPath()},
        {TRootFolder::rfFavorites, "", QDir::rootPath()},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ShellFolderPath(row.folder, row.name), row.path)
            << static_cast<int>(row.folder) << ' ' << row.name.toStdString();
    }
}

class FolderChoiceTest : public ::testing::Test {
protected:
    void SetUp() override {
        browse_.SetRootFolder(TRootFolder::rfManual);
        browse_.SetRootFolderName(tree_.Root());
        browse_.SetSelectFolder(TSelectFolder::sfManual);
        browse_.SetSelectFolderName(tree_.Path("a"));
        browse_.SetShowStyle(TShowStyle::ssNone);
    }

    FolderTree tree_;
    TSHBrowseForFolderEx browse_;
};

TEST_F(FolderChoiceTest, TheChosenFolderIsTheResult) {
    browse_.SetRunner([&](QDialog& window, QFileDialog& chooser) {
        EXPECT_EQ(chooser.selectedFiles(), QStringList{tree_.Path("a")});
        chooser.selectFile(tree_.Path("b"));
        Accept(chooser);
        return window.result();
    });
    EXPECT_TRUE(browse_.Execute());
    EXPECT_EQ(browse_.SelectedPath(), tree_.Path("b"));
    EXPECT_EQ(browse_.DisplayName(), "b");
}

TEST_F(FolderChoiceTest, CancelReturnsFalseAndClearsTheLastResult) {
    browse_.SetRunner([](QDialog& window, QFileDialog& chooser) {
        Accept(chooser);
        return window.result();
    });
    ASSERT_TRUE(browse_.Execute());
    ASSERT_FALSE(browse_.SelectedPath().isEmpty());
    bool executed = false;
    browse_.SetOnExecuted([&](const QString&, const QString&) { executed = true; });
    browse_.SetRunner([](QDialog& window, QFileDialog& chooser) {
        chooser.reject();
        return window.result();
    });
    EXPECT_FALSE(browse_.Execute());
    EXPECT_TRUE(browse_.SelectedPath().isEmpty());
    EXPECT_TRUE(browse_.DisplayName().isEmpty());
    EXPECT_FALSE(executed);
}

TEST_F(FolderChoiceTest, TheTreeStaysUnderItsRoot) {
    browse_.SetSelectFolderName(QDir::rootPath()); // outside the root: nothing is selected
    browse_.SetRunner([&](QDialog& window, QFileDialog& chooser) {
        EXPECT_EQ(chooser.directory().absolutePath(), tree_.Root());
        chooser.findChild<QToolButton*>("toParentButton")->click();
        EXPECT_EQ(chooser.directory().absolutePath(), tree_.Root());
        // A folder outside typed into the name field is not taken either.
        chooser.findChild<QLineEdit*>("fileNameEdit")->setText(QDir::rootPath());
        Accept(chooser);
        EXPECT_EQ(window.result(), QDialog::Rejected);
        Accept(chooser);
        return window.result();
    });
    EXPECT_TRUE(browse_.Execute());
    EXPECT_EQ(browse_.SelectedPath(), tree_.Root());
}

TEST_F(FolderChoiceTest, TheHandlerSetsTheStatusLineAndOkButtonUnlessThePathIsShown) {
    const struct {
        const char* name;
        TSHBrowseOptions options;
        QString status; // after selecting b
    } rows[] = {
        {"handler's text", {TSHBrowseOption::sboStatusText}, "about b"},
        {"path shown", {TSHBrowseOption::sboStatusTextAndShowPath}, tree_.Path("b")},
        {"no status line", {}, ""},
    };
    for (const auto& row : rows) {
        browse_.SetOptions(row.options);
        browse_.SetOnSelectionChanged([](TSHBrowseForFolderEx*, QWidget*, const QString& path,
                                         QString& showText, TOKButtonState& ok) {
            showText = "about " + QFileInfo(path).fileName();
            ok = path.endsWith("/b") ? TOKButtonState::obsDisable : TOKButtonState::obsUnchanged;
        });
        browse_.SetRunner([&](QDialog& window, QFileDialog& chooser) {
            auto& browseWindow = static_cast<TFolderBrowseWindow&>(window);
            chooser.selectFile(tree_.Path("b"));
            EXPECT_EQ(browseWindow.StatusText(), row.status) << row.name;
            EXPECT_FALSE(browseWindow.OkButton()->isEnabled()) << row.name;
            chooser.selectFile(tree_.Path("a"));
            EXPECT_TRUE(browseWindow.OkButton()->isEnabled()) << row.name;
            chooser.reject();
            return window.result();
        });
        browse_.Execute();
    }
}

TEST(FolderDialogPlacementTest, CenterScreenCountsFromTheScreensCorner) {
    const QRect screen(0, 0, 1280, 800);
    const QSize dialog(400, 300);
    const struct {
        const char* name;
        QRect workArea;
        QPoint topLeft;
    } rows[] = {
        {"panel at the bottom", QRect(0, 0, 1280, 770), QPoint(440, 156)},
        {"panel at the left", QRect(60, 0, 1220, 800), QPoint(410, 166)},
        {"panel at the top", QRect(0, 30, 1280, 770), QPoint(440, 156)},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(CenterScreenTopLeft(dialog, screen, row.workArea), row.topLeft) << row.name;
    }
    // A second screen to the right counts from its own corner.
    EXPECT_EQ(CenterScreenTopLeft(dialog, QRect(1280, 0, 1024, 768), QRect(1280, 0, 1024, 768)),
              QPoint(1280 + 312, 156));
}

TEST(FolderDialogPlacementTest, ADialogThatWouldLeaveTheScreenIsPulledBack) {
    const QRect screen(0, 0, 1280, 800);
    const QSize dialog(400, 300);
    const struct {
        QPoint asked;
        QPoint placed;
    } rows[] = {
        {QPoint(100, 100), QPoint(100, 100)},
        {QPoint(1000, 100), QPoint(880, 100)},
        {QPoint(100, 700), QPoint(100, 500)},
        {QPoint(-50, -20), QPoint(0, 0)},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(KeepOnScreen(row.asked, dialog, screen), row.placed);
    }
    // Larger than the screen: the top-left corner stays on it.
    EXPECT_EQ(KeepOnScreen(QPoint(50, 50), QSize(2000, 1000), screen), QPoint(0, 0));
}

} // namespace
} // namespace tintora
