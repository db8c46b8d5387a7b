// The Options dialog's controls, page by page, at their fixed places.

#include "app/CharCaseCheck.h"
#include "app/FormOpt.h"
#include "app/Placement.h"
#include "app/ProgramInfo.h"
#include "widgets/QvSpinEdit.h"
#include "widgets/ShBrowseForFolderEx.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

namespace tintora {

namespace {

// The pages' room, inside the page control's frame.
constexpr int kPageWidth = 419;
constexpr int kIndent = 16;
constexpr int kBoxHeight = 18;
constexpr int kFieldHeight = 21;
constexpr int kBrowseWidth = 24;

QLabel* MakeLabel(QWidget* parent, const QString& caption, int left, int top, int width = -1) {
    auto* label = new QLabel(caption, parent);
    return Place(label, left, top, width < 0 ? label->sizeHint().width() : width, kFieldHeight);
}

QCheckBox* MakeCheck(QWidget* parent, const QString& caption, int left, int top) {
    auto* box = new QCheckBox(caption, parent);
    return Place(box, left, top, box->sizeHint().width(), kBoxHeight);
}

// A heading over a part of a page: its name, then an etched line to the page's right edge.
void MakeSection(QWidget* page, const QString& caption, int top) {
    QLabel* name = MakeLabel(page, caption, 8, top);
    auto* line = new QFrame(page);
    line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    const int left = name->x() + name->width() + 6;
    Place(line, left, top + kFieldHeight / 2 - 1, kPageWidth - 8 - left, 2);
}

QLineEdit* MakeField(QWidget* parent, int left, int top, int width) {
    return Place(new QLineEdit(parent), left, top, width, kFieldHeight);
}

QPushButton* MakeBrowseButton(QWidget* parent, QLineEdit* field) {
    auto* button = new QPushButton("...", parent);
    return Place(button, field->x() + field->width() + 3, field->y(), kBrowseWidth, kFieldHeight);
}

// A radio group with its items side by side; the id of each item is its index.
QGroupBox* MakeRadioGroup(QWidget* parent, const QString& caption, const QStringList& items,
                          QButtonGroup*& group, int left, int top, int width) {
    auto* box = Place(new QGroupBox(caption, parent), left, top, width, 46);
    group = new QButtonGroup(box);
    int x = 16;
    for (int i = 0; i < items.size(); ++i) {
        auto* item = new QRadioButton(items[i], box);
        Place(item, x, 20, item->sizeHint().width(), kBoxHeight);
        group->addButton(item, i);
        x += std::max(item->width() + 24, 150);
    }
    return box;
}

QWidget* MakePage(QTabWidget* pages, const QString& caption) {
    auto* page = new QWidget;
    pages->addTab(page, caption);
    return page;
}

} // namespace

void TFormOpt::BuildControls() {
    setWindowTitle("オプション設定 - " + kApplicationTitle);
    setFixedSize(ClientWidth, ClientHeight);

    PageCtrl = Place(new QTabWidget(this), 8, 8, ClientWidth - 16, 338);
    tsGeneral = MakePage(PageCtrl, "一般");
    tsCopy = MakePage(PageCtrl, "コピー");
    tsTagView = MakePage(PageCtrl, "タグ表示確認");
    tsSpi = MakePage(PageCtrl, "Susie Plug-in");
    BuildGeneralPage();
    BuildCopyPage();
    BuildTagViewPage();
    BuildSpiPage();

    const int top = ClientHeight - 8 - 23;
    btnOK = Place(new QPushButton("OK", this), ClientWidth - 3 * 83 - 5, top, 75, 23);
    btnCancel = Place(new QPushButton("キャンセル", this), ClientWidth - 2 * 83 - 5, top, 75, 23);
    btnHelp = Place(new QPushButton("ヘルプ", this), ClientWidth - 83 - 5, top, 75, 23);
    btnOK->setDefault(true);
}

void TFormOpt::BuildGeneralPage() {
    QWidget* p = tsGeneral;
    cbShowHint = MakeCheck(p, "ツールチップによるヒント表示(&T)", kIndent, 16);
    cbHideExtInPicking =
        MakeCheck(p, "デスクトップからの色取得中には[タグ作成]タブを隠す(&H)", kIndent, 42);

    LabelGrdPointer = MakeLabel(p, "グラデーションバーのポインタ(&G):", kIndent, 78);
    comboGrdPointer = Place(new QComboBox(p), LabelGrdPointer->x() + LabelGrdPointer->width() + 8,
                            78, 120, kFieldHeight);
    comboGrdPointer->addItems({"パネル", "グルーブ", "スクエア", "ダグアウト", "ドット"});
    LabelGrdPointer->setBuddy(comboGrdPointer);
    cbHideGrdPointer =
        MakeCheck(p, "グラデーションバーの選択中にはポインタを隠す(推奨) (&S)", kIndent, 108);

    rgPalClickType = MakeRadioGroup(p, "パレットの選択方法(&P)", {"クリック", "ダブルクリック"},
                                    PalClickItems, kIndent, 144, kPageWidth - 2 * kIndent);
    cbUseHSV = MakeCheck(p, "ESLモードのかわりにHSVモードを利用する(&V)", kIndent, 206);
}

void TFormOpt::BuildCopyPage() {
    QWidget* p = tsCopy;
    MakeSection(p, "全般", 6);
    cbUpperCase =
        Place(new TCaseCheckBox("タグを大文字でコピー(&U)", p), kIndent, 30, 240, kBoxHeight);
    BtnCharCase = Place(new QPushButton("混在設定(&M)...", p), kPageWidth - 8 - 100, 27, 100, 23);
    cbPlayCopySound = MakeCheck(p, "コピー時に音を鳴らす(&P)", kIndent, 56);
    LabelCopySound = MakeLabel(p, "サウンド名(&N):", kIndent + 18, 78);
    const int soundLeft = LabelCopySound->x() + LabelCopySound->width() + 6;
    EditCopySound = MakeField(p, soundLeft, 78, kPageWidth - 8 - kBrowseWidth - 3 - soundLeft);
    btnBrwsCopySound = MakeBrowseButton(p, EditCopySound);
    LabelCopySound->setBuddy(EditCopySound);

    MakeSection(p, "選択色", 104);
    cbAddSharp = MakeCheck(p, "RGB値のコピーでは先頭に # 記号を付ける(&H)", kIndent, 128);

    MakeSection(p, "font", 150);
    cbWrapFontTag = MakeCheck(p, "整形してコピー(&W)", kIndent, 174);
    cbEscSpaceChar = MakeCheck(p, "Text 内のスペースを &&nbsp; に変換する(&S)", kIndent, 194);
    cbEscHtmlTokens =
        MakeCheck(p, "Text 内の記号 < > && \" をそれぞれ &&lt; &&gt; &&amp; &&quot; に変換する(&T)",
                  kIndent, 214);

    MakeSection(p, "body", 236);
    LabelDefBody = MakeLabel(p, "含める属性の初期値 :", kIndent, 259);
    int x = LabelDefBody->x() + LabelDefBody->width() + 8;
    for (auto [box, caption] : {std::pair{&cbDefBodyBg, "&bgcolor"},
                                {&cbDefBodyText, "te&xt"},
                                {&cbDefBodyLink, "&link"},
                                {&cbDefBodyVlink, "&vlink"},
                                {&cbDefBodyAlink, "&alink"}}) {
        *box = MakeCheck(p, caption, x, 261);
        x += (*box)->width() + 6;
    }
    cbNoAskBodyAttrib = MakeCheck(
        p, "常に上の初期値を用いるので、コピー時にダイアログを開かない(&C)", kIndent, 284);
}

void TFormOpt::BuildTagViewPage() {
    QWidget* p = tsTagView;
    MakeSection(p, "サンプル", 6);
    LabelSampleFontName = MakeLabel(p, "標準 フォント(&F):", kIndent, 30);
    comboSampleFontName =
        Place(new QComboBox(p), LabelSampleFontName->x() + LabelSampleFontName->width() + 6, 30,
              170, kFieldHeight);
    comboSampleFontName->setMaxVisibleItems(16);
    LabelSampleFontName->setBuddy(comboSampleFontName);
    // No range of its own: the main window corrects a size outside 6..99 when it takes it.
    SpinSampleFontSize = Place(new TQvSpinEdit(p), kPageWidth - 8 - 50, 30, 50, kFieldHeight);
    LabelSampleFontSize = MakeLabel(p, "サイズ(&S):", 0, 30);
    LabelSampleFontSize->move(SpinSampleFontSize->x() - 6 - LabelSampleFontSize->width(), 30);
    LabelSampleFontSize->setBuddy(SpinSampleFontSize);

    MakeSection(p, "プレビュー", 60);
    cbInsBaseTag = MakeCheck(
        p, "プレビュー用の一時ファイルに <base href=\"...\"> タグを自動挿入(&B)", kIndent, 84);

    MakeSection(p, "Webブラウザの情報", 112);
    LabelIEPath = MakeLabel(p, "Internet Explorer(&E):", kIndent, 136);
    LabelNNPath = MakeLabel(p, "Netscape Navigator(&N):", kIndent, 162);
    const int pathLeft = std::max(LabelIEPath->width(), LabelNNPath->width()) + kIndent + 6;
    const int pathWidth = kPageWidth - 8 - kBrowseWidth - 3 - pathLeft;
    EditIEPath = MakeField(p, pathLeft, 136, pathWidth);
    btnBrwsIEPath = MakeBrowseButton(p, EditIEPath);
    EditNNPath = MakeField(p, pathLeft, 162, pathWidth);
    btnBrwsNNPath = MakeBrowseButton(p, EditNNPath);
    LabelIEPath->setBuddy(EditIEPath);
    LabelNNPath->setBuddy(EditNNPath);
    btnFindBrowserPath = new QPushButton("パスをレジストリから自動取得(&A)", p);
    const int findWidth = btnFindBrowserPath->sizeHint().width() + 8;
    Place(btnFindBrowserPath, kPageWidth - 8 - findWidth, 190, findWidth, 23);
    rgMainBrowser = MakeRadioGroup(p, "表示確認に主に使うブラウザ(&M)",
                                   {"Internet Explorer", "Netscape Navigator"}, MainBrowserItems,
                                   kIndent, 224, kPageWidth - 2 * kIndent);
}

void TFormOpt::BuildSpiPage() {
    QWidget* p = tsSpi;
    LabelSpiList = MakeLabel(p, "プラグイン一覧(&L):", 8, 4);
    lbSpi = Place(new QListWidget(p), 8, 26, 150, 160);
    LabelSpiList->setBuddy(lbSpi);

    grpSpiInfo = Place(new QGroupBox("情報", p), 166, 20, kPageWidth - 8 - 166, 166);
    const char* names[] = {"ファイル名 :", "場所 :", "主な拡張子 :", "ファイル形式 :", "説明 :"};
    QLabel** values[] = {&LabelSpiName, &LabelSpiPath, &LabelSpiExt, &LabelSpiFmt, &LabelSpiInfo};
    int nameWidth = 0;
    for (const char* name : names) {
        nameWidth = std::max(nameWidth, QLabel(name).sizeHint().width());
    }
    const int valueLeft = 10 + nameWidth + 6;
    for (int i = 0; i < 5; ++i) {
        MakeLabel(grpSpiInfo, names[i], 10, 20 + 23 * i, nameWidth);
        *values[i] =
            MakeLabel(grpSpiInfo, "-", valueLeft, 20 + 23 * i, grpSpiInfo->width() - 8 - valueLeft);
    }
    // The description may run to three lines.
    LabelSpiInfo->setWordWrap(true);
    LabelSpiInfo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LabelSpiInfo->setFixedHeight(3 * LabelSpiInfo->fontMetrics().lineSpacing() + 2);
    LabelSpiInfo->move(LabelSpiInfo->x(), LabelSpiInfo->y() + 3);

    grpSpiPath =
        Place(new QGroupBox("プラグインを検索する場所(&P)", p), 8, 194, kPageWidth - 16, 110);
    cbPathWin = MakeCheck(grpSpiPath, "Windowsフォルダの中も探す", 12, 20);
    cbPathSys = MakeCheck(grpSpiPath, "Systemフォルダの中も探す", 12, 42);
    cbPathOther = MakeCheck(grpSpiPath, "プラグインのあるフォルダを指定", 12, 64);
    editSpiDir = MakeField(grpSpiPath, 30, 84, grpSpiPath->width() - 12 - kBrowseWidth - 3 - 30);
    btnBrwsSpiDir = MakeBrowseButton(grpSpiPath, editSpiDir);
    FolderDlg1 = new TSHBrowseForFolderEx(this);
}

void TFormOpt::ConnectControls() {
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnHelp, &QPushButton::clicked, this, [this] { btnHelpClick(); });
    connect(cbPlayCopySound, &QCheckBox::toggled, this, [this] { cbPlayCopySoundClick(); });
    connect(cbPathOther, &QCheckBox::toggled, this, [this] { cbPathOtherClick(); });
    for (QPushButton* browse : {btnBrwsIEPath, btnBrwsNNPath, btnBrwsCopySound}) {
        connect(browse, &QPushButton::clicked, this, [this, browse] { btnBrwsPathClick(browse); });
    }
    connect(btnBrwsSpiDir, &QPushButton::clicked, this, [this] { btnBrwsSpiDirClick(); });
    connect(btnFindBrowserPath, &QPushButton::clicked, this, [this] { btnFindBrowserPathClick(); });
    connect(lbSpi, &QListWidget::currentRowChanged, this, [this] { lbSpiClick(); });
    connect(BtnCharCase, &QPushButton::clicked, this, [this] { BtnCharCaseClick(); });
}

} // namespace tintora
