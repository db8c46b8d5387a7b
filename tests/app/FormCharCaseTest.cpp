// The character case dialog and the Options dialog's three-state box and mixed-settings button
// that drive it.

#include "app/FormCharCase.h"

#include "app/CharCaseCheck.h"
#include "app/DialogPlacement.h"

#include <gtest/gtest.h>
#include <optional>
#include <vector>

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

namespace tintora {
namespace {

// A click on the indicator: a button takes clicks only on its indicator and text, not on the empty
// rest of a stretched row.
void Click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

using M = TCharCaseMode;
constexpr auto L = M::ccLower;
constexpr auto U = M::ccUpper;
constexpr auto I = M::ccInitialUpper;
constexpr auto Unknown = static_cast<M>(5);

QAbstractButton* Item(const TFormCharCase& dialog, TCaseKind kind, M mode) {
    return dialog.Items(kind)->button(static_cast<int>(mode));
}

TEST(FormCharCaseTest, FixedSizeAndEveryItemFits) {
    TFormCharCase dialog;
    dialog.show();
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    for (TCaseKind kind : {TCaseKind::ckElement, TCaseKind::ckAttribute, TCaseKind::ckValue}) {
        for (M mode : {L, U, I}) {
            QAbstractButton* item = Item(dialog, kind, mode);
            EXPECT_GE(item->width(), item->sizeHint().width()) << item->text().toStdString();
        }
    }
}

TEST(FormCharCaseTest, SampleFollowsTheGivenModesAtShowTime) {
    struct Row {
        TCharCases cases;
        const char* sample;
    };
    const Row rows[] = {
        {{L, L, L}, "<font color=\"#ffcc00\">"},
        {{U, U, U}, "<FONT COLOR=\"#FFCC00\">"},
        {{I, I, I}, "<Font Color=\"#ffcc00\">"},
        {{U, I, L}, "<FONT Color=\"#ffcc00\">"},
    };
    for (const Row& row : rows) {
        TFormCharCase dialog;
        dialog.SetCases(row.cases);
        dialog.show();
        EXPECT_EQ(dialog.SampleText(), row.sample);
        EXPECT_EQ(dialog.Cases(), row.cases);
    }
}

TEST(FormCharCaseTest, ClickingAnItemRebuildsTheSample) {
    TFormCharCase dialog;
    dialog.SetCases({L, L, L});
    dialog.show();
    Click(Item(dialog, TCaseKind::ckElement, U));
    EXPECT_EQ(dialog.SampleText(), "<FONT color=\"#ffcc00\">");
    Click(Item(dialog, TCaseKind::ckAttribute, I));
    EXPECT_EQ(dialog.SampleText(), "<FONT Color=\"#ffcc00\">");
    Click(Item(dialog, TCaseKind::ckValue, U));
    EXPECT_EQ(dialog.SampleText(), "<FONT Color=\"#FFCC00\">");
    Click(Item(dialog, TCaseKind::ckElement, L));
    EXPECT_EQ(dialog.SampleText(), "<font Color=\"#FFCC00\">");
    EXPECT_EQ(dialog.Cases(), (TCharCases{L, I, U}));
}

TEST(FormCharCaseTest, ModeOutsideTheItemsSelectsNothingAndSurvivesOk) {
    TFormCharCase dialog;
    dialog.SetCases({U, U, U});
    dialog.SetCases({Unknown, L, static_cast<M>(255)});
    EXPECT_EQ(dialog.Items(TCaseKind::ckElement)->checkedId(), -1);
    EXPECT_EQ(dialog.Items(TCaseKind::ckAttribute)->checkedId(), 0);
    EXPECT_EQ(dialog.Items(TCaseKind::ckValue)->checkedId(), -1);
    // The example treats the unknown modes as initial upper case.
    EXPECT_EQ(dialog.SampleText(), "<Font color=\"#ffcc00\">");
    EXPECT_EQ(dialog.Cases(), (TCharCases{Unknown, L, static_cast<M>(255)}));

    dialog.show();
    Click(Item(dialog, TCaseKind::ckElement, U));
    EXPECT_EQ(dialog.Cases(), (TCharCases{U, L, static_cast<M>(255)}));
}

TEST(CharCaseCheckTest, CheckStateOfThreeModes) {
    EXPECT_EQ(CharCasesCheckState({U, U, U}), Qt::Checked);
    EXPECT_EQ(CharCasesCheckState({L, L, L}), Qt::Unchecked);
    EXPECT_EQ(CharCasesCheckState({I, I, I}), Qt::PartiallyChecked);
    EXPECT_EQ(CharCasesCheckState({U, U, L}), Qt::PartiallyChecked);
    EXPECT_EQ(CharCasesCheckState({L, L, U}), Qt::PartiallyChecked);
    EXPECT_EQ(CharCasesCheckState({Unknown, L, L}), Qt::PartiallyChecked);
}

// Runs the dialog without an event loop: records what it shows, optionally clicks an item, and
// closes it with OK or Cancel.
struct FakeRun {
    int result = QDialog::Accepted;
    TCaseKind clickKind = TCaseKind::ckElement;
    std::optional<M> clickMode;
    int calls = 0;
    TCharCases shown;
    QString sample;
    QPoint pos;
    int width = 0;

    TModalRun Runner() {
        return [this](QDialog& d) {
            auto& dialog = dynamic_cast<TFormCharCase&>(d);
            ++calls;
            dialog.show();
            shown = dialog.Cases();
            sample = dialog.SampleText();
            pos = dialog.pos();
            width = dialog.frameGeometry().width();
            if (clickMode) {
                Click(Item(dialog, clickKind, *clickMode));
            }
            QTest::mouseClick(result == QDialog::Accepted ? dialog.btnOk : dialog.btnCancel,
                              Qt::LeftButton);
            return dialog.result();
        };
    }
};

TEST(CharCaseCheckTest, ButtonOpensWithTheModesOfTheCheckBox) {
    const TCharCases mixed{U, I, L};
    struct Row {
        Qt::CheckState state;
        TCharCases opened;
    };
    for (const Row& row : {Row{Qt::Unchecked, {L, L, L}}, Row{Qt::Checked, {U, U, U}},
                           Row{Qt::PartiallyChecked, mixed}}) {
        QWidget options;
        TCharCases working = mixed;
        FakeRun run;
        EXPECT_TRUE(RunCharCaseDialog(&options, row.state, working, true, {0, 0}, run.Runner()));
        EXPECT_EQ(run.calls, 1);
        EXPECT_EQ(run.shown, row.opened);
        EXPECT_EQ(run.sample, QString::fromStdString(CharCaseSampleText(row.opened)));
        // OK without a change hands back what the dialog opened with.
        EXPECT_EQ(working, row.opened);
        EXPECT_TRUE(options.findChildren<TFormCharCase*>().isEmpty());
    }
}

TEST(CharCaseCheckTest, OkTakesTheSelectedModesAndCancelChangesNothing) {
    QWidget options;
    TCharCases working{U, U, U};
    FakeRun ok;
    ok.clickKind = TCaseKind::ckValue;
    ok.clickMode = I;
    EXPECT_TRUE(RunCharCaseDialog(&options, Qt::Checked, working, true, {0, 0}, ok.Runner()));
    EXPECT_EQ(working, (TCharCases{U, U, I}));
    EXPECT_EQ(CharCasesCheckState(working), Qt::PartiallyChecked);

    // Cancel after the user changed an item, from a box whose state differs from the mixture.
    for (Qt::CheckState state : {Qt::Unchecked, Qt::Checked, Qt::PartiallyChecked}) {
        TCharCases kept{U, L, I};
        FakeRun cancel;
        cancel.result = QDialog::Rejected;
        cancel.clickMode = L;
        EXPECT_FALSE(RunCharCaseDialog(&options, state, kept, true, {0, 0}, cancel.Runner()));
        EXPECT_EQ(kept, (TCharCases{U, L, I}));
    }
}

TEST(CharCaseCheckTest, RealModalLoopClosedWithOk) {
    QWidget options;
    TCharCases working{L, L, L};
    QString sample;
    QTimer::singleShot(0, [&sample] {
        auto* dialog = qobject_cast<TFormCharCase*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        sample = dialog->SampleText();
        Click(Item(*dialog, TCaseKind::ckAttribute, U));
        Click(dialog->btnOk);
    });
    EXPECT_TRUE(RunCharCaseDialog(&options, Qt::PartiallyChecked, working, true, {10, 10}));
    EXPECT_EQ(sample, "<font color=\"#ffcc00\">");
    EXPECT_EQ(working, (TCharCases{L, U, L}));
}

TEST(DialogPlacementTest, PulledInFromTheRightEdgeOnly) {
    const QRect screen(0, 0, 1024, 768);
    EXPECT_EQ(PullInFromRightEdge({100, 50}, 300, screen), QPoint(100, 50));
    EXPECT_EQ(PullInFromRightEdge({724, 50}, 300, screen), QPoint(724, 50)); // ends on the edge
    EXPECT_EQ(PullInFromRightEdge({725, 50}, 300, screen), QPoint(724, 50));
    EXPECT_EQ(PullInFromRightEdge({1000, 700}, 300, screen), QPoint(724, 700));
    // A second screen to the right of the first.
    const QRect second(1024, 0, 1280, 1024);
    EXPECT_EQ(PullInFromRightEdge({1900, 20}, 300, second), QPoint(1900, 20));
    EXPECT_EQ(PullInFromRightEdge({2100, 20}, 300, second), QPoint(2004, 20));
}

TEST(DialogPlacementTest, CharCaseDialogOpensAtTheOriginPulledInFromTheRight) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QWidget options;
    TCharCases working;
    FakeRun near;
    RunCharCaseDialog(&options, Qt::Unchecked, working, true, screen.topLeft() + QPoint(20, 30),
                      near.Runner());
    EXPECT_EQ(near.pos, screen.topLeft() + QPoint(20, 30));

    FakeRun far;
    RunCharCaseDialog(&options, Qt::Unchecked, working, true,
                      {screen.right() - 10, screen.top() + 40}, far.Runner());
    EXPECT_EQ(far.pos.x() + far.width, screen.left() + screen.width());
    EXPECT_EQ(far.pos.y(), screen.top() + 40);
}

} // namespace
} // namespace tintora
