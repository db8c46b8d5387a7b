#pragma once

// A drop-down list of named colours: every row shows a small swatch and a name. The rows come in
// groups chosen by Selection, always in this order: the default colour ("標準"), the sixteen basic
// colours under English names, the same under Japanese names, the extended named colours (text
// lines "name=value"), and the custom colours the user picked, directly above the row "その他..."
// that opens the colour dialog.
//
// Rows are 14 pixels high. A row carrying no colour (clNone: "その他...", or an extended line whose
// value is no colour) shows an empty box in place of the swatch, and always shows its name, with
// or without ShowName, so that it stays readable.
//
// Change fires only for selections the user makes; the program's own SelectColor and rebuilds
// never fire it.

#include "color/Color.h"
#include "widgets/ColorSelection.h"

#include <cstdint>
#include <functional>
#include <optional>

#include <QComboBox>
#include <QStringList>

namespace tintora {

class TColorLookupComboBox : public QComboBox {
    Q_OBJECT
public:
    static constexpr int RowHeight = 14;

    explicit TColorLookupComboBox(QWidget* parent = nullptr);

    // Setting Selection, DefaultColor, ExtendedColors or MaxCustomCount rebuilds the rows, which
    // drops the custom rows and the selection.
    TColorSelection Selection() const { return selection_; }
    void SetSelection(TColorSelection value);

    // The colour of the "標準" row; clNone by default.
    TColor DefaultColor() const { return defaultColor_; }
    void SetDefaultColor(TColor value);

    // Lines "name=value": the name is the text before the first "="; the value is an integer text
    // as ParseColorValueText reads it ("$" and hexadecimal digits of the colour value, red in the
    // lowest byte: "red=$0000FF"). The list is copied. During LoadExtendedColors setting it only
    // stores the lines, which the rebuild under way then reads.
    const QStringList& ExtendedColors() const { return extendedColors_; }
    void SetExtendedColors(const QStringList& value);

    // 0..255 custom rows; 3 by default. With 0 no custom colour is ever added.
    std::uint8_t MaxCustomCount() const { return maxCustomCount_; }
    void SetMaxCustomCount(std::uint8_t value);
    int CustomCount() const { return customCount_; }

    // true: swatch and name; false: the whole row in its colour.
    bool ShowName() const { return showName_; }
    void SetShowName(bool value);

    // The colour of the selected row; clNone when no row is selected.
    TColor GetSelectedColor() const;
    // Selects the first row from the top carrying `color`. clNone selects nothing. A colour no row
    // carries becomes a new custom row with the selection left as it was when Selection holds
    // csCustom, and selects nothing otherwise.
    void SelectColor(TColor color);
    // Inserts a row directly above the last row ("その他..."), removing the oldest custom row
    // first when MaxCustomCount are there already. An empty name becomes CustomColorName(color).
    void AddCustomColor(const QString& name, TColor color);
    void RebuildItems();

    // The colour of one row, clNone for a row without one or outside the list.
    TColor RowColor(int row) const;

    // Asks the user for a colour, starting from `initial`; nullopt when the user cancels. The
    // platform's colour dialog unless replaced (tests replace it).
    using TColorDialog = std::function<std::optional<TColor>(QWidget* parent, TColor initial)>;
    void SetColorDialog(TColorDialog dialog);

    void showPopup() override;

signals:
    // Just before the rows are built, when Selection holds csExtended: the handler may fill
    // ExtendedColors.
    void LoadExtendedColors(TColorLookupComboBox* sender);
    // After the user changed the selection, after the custom-colour handling.
    void Change(TColorLookupComboBox* sender);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    class TRowDelegate;

    void UserActivated(int row);
    void AddRow(const QString& name, TColor color);

    TColorSelection selection_{csSystemJ};
    TColor defaultColor_ = clNone;
    QStringList extendedColors_;
    std::uint8_t maxCustomCount_ = 3;
    bool showName_ = true;
    bool rowPainterSet_ = false;
    int customCount_ = 0;
    TColorDialog colorDialog_;
    bool loadingExtended_ = false;
    // The current row changed since the last user selection was handled; a user selection that
    // only picks the row already shown is no change.
    bool indexChanged_ = false;
    TColor lastPickedColor_ = clBlack;
};

} // namespace tintora
