#include "app/FormContrast.h"

#include "app/ProgramInfo.h"
#include "color/ColorText.h"
#include "widgets/QtColor.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tintora {

namespace {

constexpr int kChipSize = 14;

QString HexText(TColor color) {
    return '#' + QString::fromLatin1(ColorToHexText(color, TCharCaseMode::ccLower).CStr());
}

QString VerdictText(bool met) {
    return met ? QStringLiteral("○") : QStringLiteral("×");
}

} // namespace

TFormContrast::TFormContrast(QWidget* parent) : TModalDialog(parent) {
    BuildControls();
}

void TFormContrast::BuildControls() {
    setWindowTitle("コントラストの確認 - " + kApplicationTitle);

    LabelSubject = new QLabel(this);
    auto* table = new QGridLayout;
    table->setHorizontalSpacing(12);
    table->setVerticalSpacing(3);
    const char* headers[] = {"コントラスト比", "AA", "AAA", "AA(大)", "AAA(大)"};
    for (int column = 0; column < 5; ++column) {
        table->addWidget(new QLabel(headers[column], this), 0, column + 2,
                         column == 0 ? Qt::AlignRight : Qt::AlignHCenter);
    }
    for (std::size_t i = 0; i < Rows.size(); ++i) {
        TRowControls& row = Rows[i];
        const int line = static_cast<int>(i) + 1;
        row.Chip = new QLabel(this);
        row.Chip->setFixedSize(kChipSize, kChipSize);
        row.Chip->setFrameShape(QFrame::Box);
        row.Chip->setAutoFillBackground(true);
        row.Name = new QLabel(this);
        row.Ratio = new QLabel(this);
        table->addWidget(row.Chip, line, 0);
        table->addWidget(row.Name, line, 1);
        table->addWidget(row.Ratio, line, 2, Qt::AlignRight);
        for (std::size_t v = 0; v < row.Verdicts.size(); ++v) {
            row.Verdicts[v] = new QLabel(this);
            table->addWidget(row.Verdicts[v], line, static_cast<int>(v) + 3, Qt::AlignHCenter);
        }
    }
    LabelCount = new QLabel(this);
    LabelLarge = new QLabel("(大) は 18pt 以上、または 14pt 以上の太字の文字", this);
    btnClose = new QPushButton("閉じる", this);
    btnClose->setFixedSize(75, 25);
    btnClose->setDefault(true);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::close);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnClose);
    auto* main = new QVBoxLayout(this);
    main->setContentsMargins(8, 8, 8, 8);
    main->setSpacing(6);
    main->addWidget(LabelSubject);
    main->addLayout(table);
    main->addWidget(LabelCount);
    main->addWidget(LabelLarge);
    main->addLayout(buttons);
    main->setSizeConstraint(QLayout::SetFixedSize);
}

void TFormContrast::ShowRow(std::size_t row, const QString& name, TColor color, double ratio) {
    TRowControls& controls = Rows[row];
    QPalette chip = controls.Chip->palette();
    chip.setColor(QPalette::Window, ToQColor(color));
    controls.Chip->setPalette(chip);
    controls.Name->setText(name);
    controls.Ratio->setText(QString::fromStdString(ContrastRatioText(ratio)));
    const TContrastVerdicts v = ContrastVerdicts(ratio);
    const bool met[] = {v.AANormal, v.AAANormal, v.AALarge, v.AAALarge};
    for (std::size_t i = 0; i < controls.Verdicts.size(); ++i) {
        controls.Verdicts[i]->setText(VerdictText(met[i]));
    }
    SetRowShown(row, true);
}

void TFormContrast::SetRowShown(std::size_t row, bool shown) {
    TRowControls& controls = Rows[row];
    controls.Chip->setVisible(shown);
    controls.Name->setVisible(shown);
    controls.Ratio->setVisible(shown);
    for (QLabel* verdict : controls.Verdicts) {
        verdict->setVisible(shown);
    }
}

void TFormContrast::ShowBody(const TBodyColors& colors) {
    LabelSubject->setText("bgcolor " + HexText(colors.Bgcolor) + " に対するコントラスト比");
    const auto report = BodyContrastReport(colors);
    for (std::size_t i = 0; i < report.size(); ++i) {
        const TBodyContrastRow& row = report[i];
        ShowRow(i,
                QString::fromLatin1(row.Name.data(), static_cast<qsizetype>(row.Name.size())) +
                    "  " + HexText(row.Color),
                row.Color, row.Ratio);
    }
    LabelCount->hide();
}

void TFormContrast::ShowFont(const TFontTagInput& input, TColor background) {
    LabelSubject->setText("背景 " + HexText(background) + " に対する文字のコントラスト比");
    const TFontContrastReport report = FontContrastReport(input, background);
    for (std::size_t i = 0; i < Rows.size(); ++i) {
        SetRowShown(i, false);
    }
    if (report.CharCount == 0) {
        LabelCount->setText("判定する文字がありません。");
    } else {
        ShowRow(0,
                QString("最も低い文字  %1文字目 %2")
                    .arg(report.LowestIndex + 1)
                    .arg(HexText(report.LowestColor)),
                report.LowestColor, report.LowestRatio);
        LabelCount->setText(QString("4.5:1 未満の文字: %1 / %2 文字")
                                .arg(report.BelowAANormal)
                                .arg(report.CharCount));
    }
    LabelCount->show();
}

} // namespace tintora
