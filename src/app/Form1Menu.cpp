// The menu bar.

#include "app/Form1.h"
#include "widgets/GrdBarSet.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace tintora {

// The menu shows the shortcut; the window runs it (RunMenuShortcut), as the menu would.
QAction* TForm1::AddMenuItem(QMenu* menu, const QString& caption, const QKeySequence& shortcut) {
    QAction* action = menu->addAction(caption);
    if (!shortcut.isEmpty()) {
        action->setShortcut(shortcut);
        action->setShortcutContext(Qt::WidgetShortcut);
    }
    return action;
}

void TForm1::BuildMenus() {
    QMenuBar* bar = menuBar();

    mcSelColor = bar->addMenu("選択色(&D)");
    miCopy = AddMenuItem(mcSelColor, "RGB値をコピー(&C)", Qt::Key_F12);
    mcCopyFmt = mcSelColor->addMenu("書式を指定してコピー(&F)");
    mcSelColor->addSeparator();
    miBrowse = AddMenuItem(mcSelColor, "色の参照(&B)...", QKeySequence(Qt::CTRL | Qt::Key_B));
    mcSelColor->addSeparator();
    miFitWebColor =
        AddMenuItem(mcSelColor, "Webカラーに近似(&W)", QKeySequence(Qt::CTRL | Qt::Key_W));
    miNega = AddMenuItem(mcSelColor, "ネガ反転(&N)", QKeySequence(Qt::CTRL | Qt::Key_N));
    miRandom = AddMenuItem(mcSelColor, "ランダム(&R)", Qt::Key_F7);

    mcTag = bar->addMenu("タグ作成(&H)");
    miCopyFont = AddMenuItem(mcTag, "fontタグをコピー(&C)", QKeySequence(Qt::CTRL | Qt::Key_F));
    miCopySpan =
        AddMenuItem(mcTag, "spanタグでコピー(&S)", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F));
    miCopyCssGradient = AddMenuItem(mcTag, "CSSグラデーションでコピー(&G)",
                                    QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_G));
    miCopyBody = AddMenuItem(mcTag, "bodyタグをコピー(&C)...", QKeySequence(Qt::CTRL | Qt::Key_Y));
    miCopyBody->setVisible(false);
    miCheckContrast =
        AddMenuItem(mcTag, "コントラストを確認(&K)...", QKeySequence(Qt::CTRL | Qt::Key_K));
    msFontTag1 = mcTag->addSeparator();
    miSwap = AddMenuItem(mcTag, "左右色の入れ替え(&P)", Qt::Key_F8);
    msFontTag2 = mcTag->addSeparator();
    miUnifyEqu = AddMenuItem(mcTag, "色合いを揃える(&E)", QKeySequence(Qt::CTRL | Qt::Key_E));
    miUnifySat = AddMenuItem(mcTag, "鮮やかさを揃える(&S)", QKeySequence(Qt::CTRL | Qt::Key_S));
    miUnifyLum = AddMenuItem(mcTag, "明るさを揃える(&L)", QKeySequence(Qt::CTRL | Qt::Key_L));
    mcTag->addSeparator();
    miLoadBgImage =
        AddMenuItem(mcTag, "背景画像の読み込み(&I)...", QKeySequence(Qt::CTRL | Qt::Key_I));
    miClearBgImage = AddMenuItem(mcTag, "背景画像のクリア(&R)");
    mcTag->addSeparator();
    mcPreview = mcTag->addMenu("手動ブラウザプレビュー(&P)");
    miPreview = AddMenuItem(mcPreview, "プレビュー実行(&P)", Qt::Key_F9);
    miPreviewNew = AddMenuItem(mcPreview, "被試験ファイルを変更する(&N)...",
                               QKeySequence(Qt::CTRL | Qt::Key_F9));
    Y1 = mcTag->addMenu("ダイナミックプレビュー(&Y)");
    miDynPreview = AddMenuItem(Y1, "自動的に更新(&Y)", QKeySequence(Qt::SHIFT | Qt::Key_F10));
    miDynPreview->setCheckable(true);
    miPerformDynPreview = AddMenuItem(Y1, "今すぐ更新する(&R)", Qt::Key_F10);
    Y1->addSeparator();
    miPaintFontBG = AddMenuItem(Y1, "font の背景色も書換える");
    miPaintFontBG->setCheckable(true);
    miPaintFontBG->setEnabled(false);
    miUseSpanTag = AddMenuItem(Y1, "ダイナミックプレビューにspanを使う");
    miUseSpanTag->setCheckable(true);
    msFontTag3 = mcTag->addSeparator();
    miSaveTemplate = AddMenuItem(mcTag, "テンプレートとして保存(&T)...", Qt::Key_F11);
    miDelTemplate =
        AddMenuItem(mcTag, "テンプレートを削除(&D)", QKeySequence(Qt::CTRL | Qt::Key_D));
    mcTag->setEnabled(false);

    mcOpt = bar->addMenu("表示(&V)");
    M1 = mcOpt->addMenu("編集モード(&M)");
    auto* modes = new QActionGroup(this);
    miGbmESL = AddMenuItem(M1, "&ESL");
    miGbmRGB = AddMenuItem(M1, "&RGB");
    for (QAction* mode : {miGbmESL, miGbmRGB}) {
        mode->setCheckable(true);
        modes->addAction(mode);
    }
    miGbmESL->setChecked(true);
    miTag = AddMenuItem(mcOpt, "タグ作成(&G)", QKeySequence(Qt::CTRL | Qt::Key_G));
    miTag->setCheckable(true);
    mcOpt->addSeparator();
    miOpt = AddMenuItem(mcOpt, "オプション設定(&O)...");
    mcOpt->addSeparator();
    miStayOnTop = AddMenuItem(mcOpt, "ｳｨﾝﾄﾞｳを常に最前面に表示(&T)");
    miStayOnTop->setCheckable(true);

    mcHelp = bar->addMenu("ヘルプ(&?)");
    miReadme = AddMenuItem(mcHelp, "ヘルプの目次(&C)", Qt::Key_F1);
    mcHelp->addSeparator();
    miAbout = AddMenuItem(mcHelp, "バージョン情報(&V)");

    connect(miTag, &QAction::triggered, this, [this] { miTagClick(); });
    for (QMenu* menu : {mcSelColor, mcTag, mcOpt}) {
        connect(menu, &QMenu::aboutToShow, this, [this, menu] { PrepareMenu(menu); });
    }

    // Every command starts disabled and is enabled where it is wired to its handler, so that a
    // command without one never pretends to work.
    for (QAction* pending : {miCopy,
                             miBrowse,
                             miFitWebColor,
                             miNega,
                             miRandom,
                             miCopyFont,
                             miCopyBody,
                             miSwap,
                             miUnifyEqu,
                             miUnifySat,
                             miUnifyLum,
                             miLoadBgImage,
                             miClearBgImage,
                             miPreview,
                             miPreviewNew,
                             miDynPreview,
                             miPerformDynPreview,
                             miSaveTemplate,
                             miDelTemplate,
                             miOpt,
                             miStayOnTop,
                             miReadme,
                             miAbout}) {
        pending->setEnabled(false);
    }
    mcCopyFmt->setEnabled(false);
}

void TForm1::PrepareMenu(QMenu* menu) {
    if (menu == mcSelColor) {
        pmCopyFmtPopup(mcCopyFmt);
    } else if (menu == mcTag) {
        mcTagClick();
    } else if (menu == mcOpt) {
        mcOptClick();
    }
}

namespace {

// The command among `actions` (and their sub-menus) with the shortcut, and the menus leading to it.
QAction* FindMenuCommand(const QList<QAction*>& actions, const QKeySequence& shortcut,
                         QList<QMenu*>& path) {
    for (QAction* action : actions) {
        if (QMenu* menu = action->menu()) {
            path.push_back(menu);
            if (QAction* found = FindMenuCommand(menu->actions(), shortcut, path)) {
                return found;
            }
            path.pop_back();
        } else if (!action->shortcut().isEmpty() && action->shortcut() == shortcut) {
            return action;
        }
    }
    return nullptr;
}

} // namespace

// A shortcut runs its command as choosing it from the menu would: each menu on the way is
// prepared as when it opens, so the command is enabled by the state of this moment, and a
// disabled menu or command on the way stops it.
bool TForm1::RunMenuShortcut(QKeyCombination key) {
    QList<QMenu*> path;
    QAction* command = FindMenuCommand(menuBar()->actions(), QKeySequence(key), path);
    if (command == nullptr) {
        return false;
    }
    for (QMenu* menu : path) {
        if (!menu->isEnabled()) {
            return true;
        }
        PrepareMenu(menu);
    }
    if (command->isEnabled()) {
        command->trigger();
    }
    return true;
}

void TForm1::mcOptClick() {
    (GBSet->GrdBarsMode() == TGrdBarsMode::gbmRGB ? miGbmRGB : miGbmESL)->setChecked(true);
    miTag->setChecked(btnShowExt->isChecked());
}

} // namespace tintora
