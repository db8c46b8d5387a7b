// The browser previews and the live preview of the real main window, with the browser
// conversation and the live browser faked: what is written, what the browser is asked to show,
// and when the open page is updated.

#include "Form1Probe.h"
#include "preview/PageScripts.h"
#include "preview/PreviewPages.h"
#include "widgets/HsxPanel.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTabWidget>
#include <QUrl>

namespace tintora {
namespace {

class Previews : public TForm1Test {
protected:
    void SetUp() override {
        TForm1Test::SetUp();
        p().settings().IEPath = Write("chromium", "");
    }
    std::string Write(const QString& name, const QByteArray& bytes) {
        QFile file(dir_.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName().toStdString();
    }
    QByteArray PreviewFile() const {
        QFile file(dir_.filePath("tintora.html"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    std::vector<std::string> Shown() const {
        const std::string url = "file://" + dir_.filePath("tintora.html").toStdString();
        return {"open IExplore WWW_OpenURL " + p().settings().IEPath,
                "execute \"" + url + "\",,-1,,,,,", "close"};
    }
    // A drag from the desktop onto the RGB field, which takes text drops of its own.
    void Drop(const QList<QUrl>& urls) {
        QMimeData data;
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(p().EditRGB(), &enter);
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(p().EditRGB(), &drop);
    }
    // An edit, then the idle rule's 30 ms on the program's clock; true when the page was asked
    // to update.
    bool EditAndIdle(TColor color, int waitMs = 5000) {
        const std::size_t calls = fakes_.LiveBrowser.Calls.size();
        form_->ChangeColor(color);
        fakes_.Clock.Now += 31;
        return QTest::qWaitFor(
            [&] {
                fakes_.LiveBrowser.Pump();
                return fakes_.LiveBrowser.Calls.size() > calls;
            },
            waitMs);
    }
};

TEST_F(Previews, F9OnTheFontPageWritesTheFontPreviewAndShowsIt) {
    form_->miTagClick();
    p().miPreview()->trigger();
    EXPECT_TRUE(PreviewFile().startsWith("<html>\r\n<head><title>Tintora - FONTタグ表示テスト"));
    EXPECT_EQ(fakes_.Browsers.Calls, Shown());
}

TEST_F(Previews, TheBodyPreviewAsksForASampleWhenTheFieldNamesNone) {
    form_->miTagClick();
    p().PageCtrl()->setCurrentWidget(p().tsBody());
    QTest::mouseClick(p().btnPreview(), Qt::LeftButton);
    ASSERT_EQ(fakes_.Files.FileRequests.size(), 1u);
    EXPECT_EQ(fakes_.Files.FileRequests[0].Title,
              "BODYタグプレビューに利用する被試験ファイルの選択");
    EXPECT_EQ(fakes_.Files.FileRequests[0].Filter,
              "HTML文書|*.html;*.htm;*.shtml;*.mhtml;*.mht;*.asp;*.cgi|すべてのファイル|*.*");
    EXPECT_TRUE(PreviewFile().isEmpty()) << "cancelled";
    p().mcTagClick();
    EXPECT_FALSE(p().miPreviewNew()->isEnabled());

    const std::string sample = Write("sample.html", "<BODY>x");
    fakes_.Files.FileAnswers.push_back(sample);
    QTest::mouseClick(p().btnPreviewNew(), Qt::LeftButton); // "..." always asks
    EXPECT_EQ(p().EditPreview()->text().toStdString(), sample);
    TBodyPreviewInput page; // the pressed text swatch holds the selected colour, red
    page.Colors.Text = MakeColor(255, 0, 0);
    EXPECT_EQ(PreviewFile().toStdString(), PreviewBodyTag(page) + "x\r\n");
    EXPECT_EQ(p().EditPreview()->toolTip().toStdString(), sample);
    p().mcTagClick();
    EXPECT_TRUE(p().miPreviewNew()->isEnabled());
}

TEST_F(Previews, TheFirstDroppedFileBecomesTheSample) {
    Drop({QUrl::fromLocalFile(dir_.filePath("gone.html"))});
    EXPECT_FALSE(form_->TagPagesShown()) << "a file that does not exist changes nothing";

    const std::string first = Write("a.html", "<body>a");
    Drop({QUrl::fromLocalFile(QString::fromStdString(first)),
          QUrl::fromLocalFile(QString::fromStdString(Write("b.html", "<body>b")))});
    EXPECT_TRUE(form_->TagPagesShown());
    EXPECT_EQ(p().PageCtrl()->currentWidget(), p().tsBody());
    EXPECT_EQ(p().EditPreview()->text().toStdString(), first);
    EXPECT_TRUE(PreviewFile().endsWith(">a\r\n"));
    EXPECT_EQ(fakes_.Browsers.Calls, Shown());
}

TEST_F(Previews, TheOpenPageFollowsEditsOnlyWhileTheLivePreviewIsOn) {
    fakes_.LiveBrowser.Targets = {{"a", "page", "file:///a.html", "ws://a"}};
    fakes_.LiveBrowser.Answers["a"] = {TScriptResult::TKind::skReturned, "updated"};
    form_->miTagClick();
    EXPECT_FALSE(EditAndIdle(MakeColor(1, 2, 3), 200)) << "off: edits update nothing";
    p().miPerformDynPreview()->trigger(); // F10 still does
    fakes_.LiveBrowser.Pump();
    EXPECT_EQ(fakes_.LiveBrowser.Calls.size(), 1u);

    p().miDynPreview()->trigger(); // Shift+F10
    p().mcTagClick();
    EXPECT_TRUE(p().miDynPreview()->isChecked());
    form_->ChangeColor(MakeColor(4, 5, 6));
    QTest::qWait(80);
    fakes_.LiveBrowser.Pump();
    EXPECT_EQ(fakes_.LiveBrowser.Calls.size(), 1u) << "not before 30 ms have passed";
    ASSERT_TRUE(EditAndIdle(MakeColor(7, 8, 9)));
    EXPECT_EQ(fakes_.LiveBrowser.LastArgs[0], form_->MakeFontTag());

    p().PageCtrl()->setCurrentWidget(p().tsBody());
    p().pnlLink()->SetDown(true);
    ASSERT_TRUE(EditAndIdle(MakeColor(0xAB, 0xCD, 0xEF)));
    EXPECT_EQ(fakes_.LiveBrowser.LastArgs[0], "link");
    EXPECT_EQ(fakes_.LiveBrowser.LastArgs[1], "#abcdef");
}

} // namespace
} // namespace tintora
