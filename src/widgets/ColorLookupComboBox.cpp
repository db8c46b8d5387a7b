#include "widgets/ColorLookupComboBox.h"

#include "color/NamedColors.h"
#include "widgets/QtColor.h"

#include <algorithm>

#include <QAbstractItemView>
#include <QColorDialog>
#include <QHash>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QStyledItemDelegate>

namespace tintora {

namespace {

const QString DefaultRowName = QStringLiteral("標準");
const QString OtherRowName = QStringLiteral("その他...");

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// One row in `rect`, which the row's background brush fills first.
void PaintRow(QPainter& painter, const QRect& rect, const QString& name, TColor color,
              bool showName, const QBrush& background, const QColor& textColor) {
    if (!showName && color != clNone) {
        painter.fillRect(rect, ToQColor(color));
        return;
    }
    painter.fillRect(rect, background);
    // From (left + 2, top + 2) to (left + 26, bottom - 2), the right and bottom edges exclusive.
    const QRect swatch(QPoint(rect.left() + 2, rect.top() + 2),
                       QPoint(rect.left() + 25, rect.top() + rect.height() - 3));
    if (swatch.isValid()) {
        painter.fillRect(swatch, Qt::black);
        const QRect inside = swatch.adjusted(1, 1, -1, -1);
        painter.fillRect(inside, color == clNone ? background : QBrush(ToQColor(color)));
    }
    painter.setPen(textColor);
    const QFontMetrics metrics(painter.font());
    painter.drawText(QPoint(rect.left() + 30, rect.top() + 1 + metrics.ascent()), name);
}

} // namespace

class TColorLookupComboBox::TRowDelegate : public QStyledItemDelegate {
public:
    explicit TRowDelegate(TColorLookupComboBox* combo)
        : QStyledItemDelegate(combo), combo_(combo) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool selected = option.state.testFlag(QStyle::State_Selected);
        const QPalette& palette = option.palette;
        painter->save();
        painter->setFont(option.font);
        PaintRow(*painter, option.rect, index.data(Qt::DisplayRole).toString(),
                 combo_->RowColor(index.row()), combo_->ShowName(),
                 palette.brush(selected ? QPalette::Highlight : QPalette::Base),
                 palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(), RowHeight};
    }

private:
    TColorLookupComboBox* combo_;
};

TColorLookupComboBox::TColorLookupComboBox(QWidget* parent) : QComboBox(parent) {
    colorDialog_ = [](QWidget* dialogParent, TColor initial) -> std::optional<TColor> {
        const QColor picked = QColorDialog::getColor(ToQColor(initial), dialogParent);
        if (!picked.isValid()) {
            return std::nullopt;
        }
        return FromQColor(picked);
    };
    connect(this, &QComboBox::currentIndexChanged, this, [this](int row) {
        indexChanged_ = true;
        if (RowColor(row) != clNone) {
            lastPickedColor_ = RowColor(row);
        }
    });
    connect(this, &QComboBox::activated, this, &TColorLookupComboBox::UserActivated);
    RebuildItems();
    resize(120, sizeHint().height());
}

void TColorLookupComboBox::SetSelection(TColorSelection value) {
    selection_ = value;
    RebuildItems();
}

void TColorLookupComboBox::SetDefaultColor(TColor value) {
    defaultColor_ = value;
    RebuildItems();
}

void TColorLookupComboBox::SetExtendedColors(const QStringList& value) {
    extendedColors_ = value;
    if (!loadingExtended_) {
        RebuildItems();
    }
}

void TColorLookupComboBox::SetMaxCustomCount(std::uint8_t value) {
    maxCustomCount_ = value;
    RebuildItems();
}

// The list and its row painter are made when the list first drops down: a window that opens with
// the control need not build them.
void TColorLookupComboBox::showPopup() {
    if (!rowPainterSet_) {
        setItemDelegate(new TRowDelegate(this));
        rowPainterSet_ = true;
    }
    QComboBox::showPopup();
}

void TColorLookupComboBox::SetShowName(bool value) {
    if (value == showName_) {
        return;
    }
    showName_ = value;
    update();
    if (rowPainterSet_) {
        view()->viewport()->update();
    }
}

void TColorLookupComboBox::SetColorDialog(TColorDialog dialog) {
    colorDialog_ = std::move(dialog);
}

TColor TColorLookupComboBox::RowColor(int row) const {
    if (row < 0 || row >= count()) {
        return clNone;
    }
    bool ok = false;
    const uint value = itemData(row).toUInt(&ok);
    return ok ? TColor{value} : clNone;
}

TColor TColorLookupComboBox::GetSelectedColor() const {
    return RowColor(currentIndex());
}

void TColorLookupComboBox::AddRow(const QString& name, TColor color) {
    addItem(name, QVariant::fromValue(uint{color}));
}

void TColorLookupComboBox::RebuildItems() {
    // A handler that sets any property while it loads the lines must not start a rebuild inside
    // this one; the rebuild goes on with what it stored.
    if (loadingExtended_) {
        return;
    }
    if (selection_.Contains(csExtended)) {
        loadingExtended_ = true;
        emit LoadExtendedColors(this);
        loadingExtended_ = false;
    }
    {
        const QSignalBlocker blocker(this);
        setUpdatesEnabled(false);
        clear();
        customCount_ = 0;
        if (selection_.Contains(csDefault)) {
            AddRow(DefaultRowName, defaultColor_);
        }
        if (selection_.Contains(csSystem)) {
            for (const TBasicColor& basic : BasicColors) {
                AddRow(FromUtf8(basic.englishName), basic.color);
            }
        }
        if (selection_.Contains(csSystemJ)) {
            for (const TBasicColor& basic : BasicColors) {
                AddRow(FromUtf8(basic.japaneseName), basic.color);
            }
        }
        if (selection_.Contains(csExtended)) {
            // Every line of a name carries the value of the first line of that name.
            QHash<QString, TColor> firstValues;
            for (const QString& line : extendedColors_) {
                const qsizetype equals = line.indexOf(u'=');
                if (equals <= 0) {
                    continue;
                }
                const QString name = line.left(equals);
                auto first = firstValues.constFind(name.toCaseFolded());
                if (first == firstValues.constEnd()) {
                    first =
                        firstValues.insert(name.toCaseFolded(),
                                           ParseColorValueText(line.mid(equals + 1).toStdString()));
                }
                AddRow(name, first.value());
            }
        }
        if (selection_.Contains(csCustom)) {
            AddRow(OtherRowName, clNone);
        }
        // Adding to an empty list selects its first row; a rebuilt list has no selection.
        setCurrentIndex(-1);
        setUpdatesEnabled(true);
    }
    indexChanged_ = false;
    update();
}

void TColorLookupComboBox::AddCustomColor(const QString& name, TColor color) {
    // With no room at all there is no oldest custom row to make room with; removing by the rule
    // below would take the "その他..." row instead.
    if (maxCustomCount_ == 0) {
        return;
    }
    const bool changedBefore = indexChanged_;
    const int selected = currentIndex();
    if (customCount_ >= maxCustomCount_) {
        const int oldest = count() - maxCustomCount_ - 1;
        if (oldest >= 0) {
            removeItem(oldest);
            --customCount_;
            // The selected row is gone: nothing is selected, rather than a neighbour.
            if (oldest == selected) {
                setCurrentIndex(-1);
            }
        }
    }
    const QString rowName = name.isEmpty() ? QString::fromStdString(CustomColorName(color)) : name;
    const bool wasEmpty = count() == 0;
    insertItem(std::max(count() - 1, 0), rowName, QVariant::fromValue(uint{color}));
    ++customCount_;
    if (wasEmpty) {
        setCurrentIndex(-1);
    }
    indexChanged_ = changedBefore;
}

void TColorLookupComboBox::SelectColor(TColor color) {
    if (color != clNone) {
        for (int row = 0; row < count(); ++row) {
            if (RowColor(row) == color) {
                setCurrentIndex(row);
                indexChanged_ = false;
                return;
            }
        }
        if (selection_.Contains(csCustom)) {
            AddCustomColor({}, color);
            indexChanged_ = false;
            return;
        }
    }
    setCurrentIndex(-1);
    indexChanged_ = false;
}

void TColorLookupComboBox::UserActivated(int row) {
    const bool other = selection_.Contains(csCustom) && row >= 0 && row == count() - 1;
    if (!indexChanged_ && !other) {
        return;
    }
    if (other) {
        if (const std::optional<TColor> picked = colorDialog_(this, lastPickedColor_)) {
            AddCustomColor({}, *picked);
        }
        setCurrentIndex(count() - 2);
    }
    indexChanged_ = false;
    emit Change(this);
}

void TColorLookupComboBox::paintEvent(QPaintEvent* /*event*/) {
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    option.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const int row = currentIndex();
    if (row < 0) {
        return;
    }
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    const bool focused = hasFocus();
    const QBrush background = palette().brush(focused ? QPalette::Highlight : QPalette::Base);
    painter.fillRect(field, background);
    // The field is taller than a row: the row sits in its middle.
    const QRect rowRect(field.left(), field.top() + (field.height() - RowHeight) / 2, field.width(),
                        RowHeight);
    PaintRow(painter, rowRect, itemText(row), RowColor(row), showName_, background,
             palette().color(focused ? QPalette::HighlightedText : QPalette::Text));
}

} // namespace tintora
