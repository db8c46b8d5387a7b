#pragma once

// A list of named templates of one kind, kept sorted by name, at most MaxCount long.
//
// The order is that of a sorted list box: names compare without regard to ASCII letter case, byte
// by byte otherwise (bytes 0x80 and above after all ASCII, so Japanese names follow Latin ones).
// Names equal but for case are ordered by their bytes ("Wave" before "wave"), and identical names
// in the order they were added, so the order never depends on anything but the names and the
// adding order. The view shows the items in this order: Add says where the new item went.

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tintora {

// <0, 0 or >0 in the list order described above.
int CompareTemplateNames(std::string_view a, std::string_view b);
// The test of the save command: equal without regard to ASCII letter case.
bool SameTemplateName(std::string_view a, std::string_view b);

template <class T>
class TTemplateList {
public:
    static constexpr std::size_t MaxCount = 100;

    struct TItem {
        std::string Name;
        T Template;
    };

    std::size_t Size() const { return items_.size(); }
    bool Empty() const { return items_.empty(); }
    bool Full() const { return items_.size() >= MaxCount; }
    const std::vector<TItem>& Items() const { return items_; }
    const std::string& NameAt(std::size_t index) const { return items_.at(index).Name; }
    const T& TemplateAt(std::size_t index) const { return items_.at(index).Template; }
    T& TemplateAt(std::size_t index) { return items_.at(index).Template; }

    // The first item whose name equals name without regard to letter case.
    std::optional<std::size_t> Find(std::string_view name) const {
        for (std::size_t i = 0; i < items_.size(); ++i) {
            if (SameTemplateName(items_[i].Name, name)) {
                return i;
            }
        }
        return std::nullopt;
    }

    // Inserts the item at its sorted place and returns that index. Refused (nullopt) when the
    // list is full or the name is empty: an empty name could not be read back. A name equal to an
    // existing one but for case is accepted, because a hand-edited settings file may hold both
    // and neither should be lost; the save command asks before it gets that far.
    std::optional<std::size_t> Add(std::string name, T item) {
        if (Full() || name.empty()) {
            return std::nullopt;
        }
        const auto at = std::upper_bound(items_.begin(), items_.end(), name,
                                         [](const std::string& key, const TItem& existing) {
                                             return CompareTemplateNames(key, existing.Name) < 0;
                                         });
        const auto index = static_cast<std::size_t>(at - items_.begin());
        items_.insert(at, TItem{std::move(name), std::move(item)});
        return index;
    }

    // An index outside the list removes nothing.
    void Remove(std::size_t index) {
        if (index < items_.size()) {
            items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(index));
        }
    }

    void Clear() { items_.clear(); }

private:
    std::vector<TItem> items_;
};

} // namespace tintora
