#pragma once

// Which groups of rows the named-colour list offers: a small set of TColorSelectionItem.

#include <cstdint>
#include <initializer_list>

namespace tintora {

enum TColorSelectionItem : std::uint8_t {
    csSystem,   // the sixteen basic colours under English names
    csSystemJ,  // the same under Japanese names
    csCustom,   // colours the user picked, and the row that opens the colour dialog
    csDefault,  // one row with the default colour
    csExtended, // the extended named colours, from text lines
};

class TColorSelection {
public:
    constexpr TColorSelection() = default;
    constexpr TColorSelection(std::initializer_list<TColorSelectionItem> items) {
        for (TColorSelectionItem item : items) {
            bits_ = static_cast<std::uint8_t>(bits_ | Bit(item));
        }
    }

    constexpr bool Contains(TColorSelectionItem item) const { return (bits_ & Bit(item)) != 0; }
    constexpr TColorSelection With(TColorSelectionItem item) const {
        return FromBits(static_cast<std::uint8_t>(bits_ | Bit(item)));
    }
    constexpr TColorSelection Without(TColorSelectionItem item) const {
        return FromBits(static_cast<std::uint8_t>(bits_ & ~Bit(item)));
    }
    constexpr bool Empty() const { return bits_ == 0; }

    constexpr bool operator==(const TColorSelection&) const = default;

private:
    static constexpr std::uint8_t Bit(TColorSelectionItem item) {
        return static_cast<std::uint8_t>(1u << item);
    }
    static constexpr TColorSelection FromBits(std::uint8_t bits) {
        TColorSelection selection;
        selection.bits_ = bits;
        return selection;
    }

    std::uint8_t bits_ = 0;
};

} // namespace tintora
