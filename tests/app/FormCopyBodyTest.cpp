// The BODY tag copy dialog and the copy command that opens it.

#include "app/FormCopyBody.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QToolTip>

namespace tintora {
namespace {

// A click on the indicator: a button takes clicks only on its indicator and text, not on the empty
// rest of a stretched row.
void Click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

using M = TCharCaseMode;

TBodyTagInput Input(std::string bgImageFile = {}, TCharCases cases = {}) {
    TBodyTagInput input;
    input.BgImageFile = std::move(bgImageFile);
    input.Cases = cases;
    // The dialog owns the choice; whatever the opener leaves here must not leak into the tag.
    input.Choice = {0, false};
    return input;
}

std::vector<QCheckBox*> Boxes(const TFormCopyBody& d) {
    return {d.cbUseBgc, d.cbUseBg, d.cbUseText, d.cbUseLink, d.cbUseVlink, d.cbUseAlink};
}

std::vector<bool> Ticks(const TFormCopyBody& d) {
    std::vector<bool> ticks;
    for (QCheckBox* box : Boxes(d)) {
        ticks.push_back(box->isChecked());
    }
    return ticks;
}

std::string Memo(const TFormCopyBody& d) {
    return d.memoBodyTag->toPlainText().toStdString();
}

constexpr const char* kAllLower = "<body bgcolor=\"#ffffff\" text=\"#000000\" link=\"#0000ff\" "
                                  "vlink=\"#800080\" alink=\"#ff0000\" background=\"back.gif\">";

TEST(FormCopyBodyTest, FixedSizeAndEveryBoxFits) {
    TFormCopyBody dialog(Input(), 31, {});
    dialog.show();
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    for (QCheckBox* box : Boxes(dialog)) {
        EXPECT_GE(box->width(), box->sizeHint().width()) << box->text().toStdString();
    }
    EXPECT_EQ(dialog.Label1->buddy(), dialog.memoBodyTag);
    EXPECT_TRUE(dialog.btnOk->isDefault());
}

TEST(FormCopyBodyTest, BoxesStartFromTheDefaultBitsAndTheBackground) {
    struct Row {
        std::uint8_t bits;
        std::string bg;
        std::vector<bool> ticks; // bgcolor, background, text, link, vlink, alink
    };
    const Row rows[] = {
        {0, "", {false, false, false, false, false, false}},
        {31, "", {true, false, true, true, true, true}},
        {0, "/img/back.gif", {false, true, false, false, false, false}},
        {31, "/img/back.gif", {true, true, true, true, true, true}},
        {1 | 4 | 32, "", {true, false, false, true, false, false}}, // bit 32 means nothing
        {2 | 8 | 16, "", {false, false, true, false, true, true}},
    };
    for (const Row& row : rows) {
        TFormCopyBody dialog(Input(row.bg), row.bits, {});
        EXPECT_EQ(Ticks(dialog), row.ticks) << int(row.bits) << " " << row.bg;
    }
}

TEST(FormCopyBodyTest, MemoShowsTheTagAndFollowsEveryBox) {
    TFormCopyBody dialog(Input("/home/u/img/back.gif"), 31, {});
    dialog.show();
    EXPECT_EQ(Memo(dialog), kAllLower);
    Click(dialog.cbUseBg);
    Click(dialog.cbUseText);
    Click(dialog.cbUseVlink);
    EXPECT_EQ(Memo(dialog), "<body bgcolor=\"#ffffff\" link=\"#0000ff\" alink=\"#ff0000\">");
    for (QCheckBox* box : {dialog.cbUseBgc, dialog.cbUseLink, dialog.cbUseAlink}) {
        Click(box);
    }
    EXPECT_EQ(Memo(dialog), "<body>");
    Click(dialog.cbUseBg);
    EXPECT_EQ(Memo(dialog), "<body background=\"back.gif\">");
    EXPECT_EQ(Memo(dialog), dialog.MakeBodyTag());
}

TEST(FormCopyBodyTest, MemoUsesTheOpenersCases) {
    TFormCopyBody none(Input("", {M::ccUpper, M::ccUpper, M::ccUpper}), 0, {});
    none.show();
    EXPECT_EQ(Memo(none), "<BODY>");

    TFormCopyBody attribs(Input("", {M::ccLower, M::ccUpper, M::ccLower}), 1 | 16, {});
    attribs.show();
    EXPECT_EQ(Memo(attribs), "<body BGCOLOR=\"#ffffff\" ALINK=\"#ff0000\">");
}

TEST(FormCopyBodyTest, LongTagIsShownWholeAndWrapped) {
    const std::string name(150, 'x');
    TFormCopyBody dialog(Input("/pics/" + name + ".gif", {M::ccUpper, M::ccUpper, M::ccUpper}), 31,
                         {});
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(Memo(dialog), dialog.MakeBodyTag());
    EXPECT_NE(Memo(dialog).find(name + ".gif\">"), std::string::npos);
    EXPECT_EQ(dialog.memoBodyTag->horizontalScrollBar()->maximum(), 0);
}

TEST(FormCopyBodyTest, TabOrderOfTheBoxes) {
    TFormCopyBody dialog(Input(), 31, {});
    // The controls Tab stops at, in order, from the first box round to it again.
    std::vector<QWidget*> stops;
    QWidget* w = dialog.cbUseBgc;
    do {
        if (w->focusPolicy() & Qt::TabFocus) {
            stops.push_back(w);
        }
        w = w->nextInFocusChain();
    } while (w != dialog.cbUseBgc && stops.size() < 20);
    const std::vector<QWidget*> expected{dialog.cbUseBgc,    dialog.cbUseBg,    dialog.cbUseText,
                                         dialog.cbUseLink,   dialog.cbUseVlink, dialog.cbUseAlink,
                                         dialog.memoBodyTag, dialog.btnOk,      dialog.btnCancel};
    EXPECT_EQ(stops, expected);
}

// Runs the dialog without an event loop: shows it, clicks some boxes, then OK or Cancel.
struct FakeRun {
    bool ok = true;
    std::vector<QCheckBox * TFormCopyBody::*> clicks;
    int calls = 0;
    std::string memo;
    QPoint pos;
    int width = 0;

    TModalRun Runner() {
        return [this](QDialog& d) {
            auto& dialog = dynamic_cast<TFormCopyBody&>(d);
            ++calls;
            dialog.show();
            pos = dialog.pos();
            width = dialog.frameGeometry().width();
            for (auto box : clicks) {
                Click(dialog.*box);
            }
            memo = Memo(dialog);
            Click(ok ? dialog.btnOk : dialog.btnCancel);
            EXPECT_FALSE(dialog.isVisible());
            return dialog.result();
        };
    }
};

TEST(CopyBodyTagTest, CopyButtonCopiesExactlyTheMemo) {
    QWidget window;
    std::vector<std::string> copied;
    FakeRun run;
    run.clicks = {&TFormCopyBody::cbUseText, &TFormCopyBody::cbUseBg};
    CopyBodyTag(
        &window, Input("/img/back.gif"), 31, false, true, {0, 0},
        [&](const std::string& tag) { copied.push_back(tag); }, run.Runner());
    EXPECT_EQ(run.calls, 1);
    EXPECT_EQ(run.memo,
              "<body bgcolor=\"#ffffff\" link=\"#0000ff\" vlink=\"#800080\" alink=\"#ff0000\">");
    EXPECT_EQ(copied, std::vector<std::string>{run.memo});
    EXPECT_TRUE(window.findChildren<TFormCopyBody*>().isEmpty());
}

TEST(CopyBodyTagTest, CancelCopiesNothing) {
    QWidget window;
    int copies = 0;
    FakeRun run;
    run.ok = false;
    run.clicks = {&TFormCopyBody::cbUseBgc};
    CopyBodyTag(
        &window, Input(), 31, false, true, {0, 0}, [&](const std::string&) { ++copies; },
        run.Runner());
    EXPECT_EQ(run.calls, 1);
    EXPECT_EQ(copies, 0);
    EXPECT_TRUE(window.findChildren<TFormCopyBody*>().isEmpty());
}

TEST(CopyBodyTagTest, NoAskCopiesTheDefaultChoiceWithoutShowingTheDialog) {
    QWidget window;
    std::vector<std::string> copied;
    bool dialogVisible = false;
    FakeRun run;
    const auto copy = [&](const std::string& tag) {
        copied.push_back(tag);
        for (QWidget* w : QApplication::topLevelWidgets()) {
            dialogVisible = dialogVisible || (qobject_cast<TFormCopyBody*>(w) && w->isVisible());
        }
    };
    CopyBodyTag(&window, Input("/img/back.gif"), 31, true, true, {0, 0}, copy, run.Runner());
    CopyBodyTag(&window, Input(), 2 | 4, true, true, {0, 0}, copy, run.Runner());
    CopyBodyTag(&window, Input(), 0, true, true, {0, 0}, copy, run.Runner());
    EXPECT_EQ(run.calls, 0);
    EXPECT_FALSE(dialogVisible);
    EXPECT_EQ(copied, (std::vector<std::string>{
                          kAllLower, "<body text=\"#000000\" link=\"#0000ff\">", "<body>"}));
    EXPECT_TRUE(window.findChildren<TFormCopyBody*>().isEmpty());
}

TEST(CopyBodyTagTest, RealModalLoopAndEnterCopies) {
    QWidget window;
    std::vector<std::string> copied;
    QTimer::singleShot(0, [] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(qobject_cast<TFormCopyBody*>(dialog), nullptr);
        QTest::keyClick(dialog, Qt::Key_Return);
    });
    CopyBodyTag(&window, Input(), 1, false, true, {0, 0},
                [&](const std::string& tag) { copied.push_back(tag); });
    EXPECT_EQ(copied, std::vector<std::string>{"<body bgcolor=\"#ffffff\">"});
}

TEST(CopyBodyTagTest, OpensAtThePointPulledInFromTheRight) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QWidget window;
    FakeRun near;
    near.ok = false;
    CopyBodyTag(&window, Input(), 31, false, true, screen.topLeft() + QPoint(40, 220), {},
                near.Runner());
    EXPECT_EQ(near.pos, screen.topLeft() + QPoint(40, 220));

    FakeRun far;
    far.ok = false;
    CopyBodyTag(&window, Input(), 31, false, true, {screen.right() - 50, screen.top() + 220}, {},
                far.Runner());
    EXPECT_EQ(far.pos.x() + far.width, screen.left() + screen.width());
    EXPECT_EQ(far.pos.y(), screen.top() + 220);
}

bool ToolTipShownFor(QWidget* widget) {
    QToolTip::hideText();
    QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), widget->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(widget, &help);
    const bool shown = QToolTip::isVisible();
    QToolTip::hideText();
    return shown;
}

TEST(CopyBodyTagTest, HintDisplayFlagSwitchesTheDialogsTooltips) {
    for (bool hints : {true, false}) {
        QWidget window;
        bool groupHint = false;
        bool boxHint = false;
        CopyBodyTag(&window, Input(), 31, false, hints, {0, 0}, {}, [&](QDialog& d) {
            auto& dialog = dynamic_cast<TFormCopyBody&>(d);
            dialog.show();
            groupHint = ToolTipShownFor(dialog.grpAttribs);
            // A box has no hint of its own and shows its group's.
            boxHint = ToolTipShownFor(dialog.cbUseLink);
            return int(QDialog::Rejected);
        });
        EXPECT_EQ(groupHint, hints);
        EXPECT_EQ(boxHint, hints);
    }
}

} // namespace
} // namespace tintora
