#pragma once

// The choices of the folder browse dialog that need no window: which folders the tree can be
// rooted at and start on, the option set and the dialog flags it adds up to, and the state a
// selection handler may give the dialog's OK button.

#include <cstdint>
#include <initializer_list>

namespace tintora {

// The root of the folder tree. rfManual is the folder named by the dialog's root folder name.
enum class TRootFolder {
    rfDesktop,
    rfManual,
    rfDrives,
    rfDesktopDir,
    rfFavorites,
    rfPrograms,
    rfRecent,
    rfSendTo,
    rfStartMenu,
    rfStartup,
    rfTemplates,
    rfControls,
};

// The folder selected when the dialog opens: the same places as TRootFolder but the control
// panel, which holds no folders to select.
enum class TSelectFolder {
    sfDesktop,
    sfManual,
    sfDrives,
    sfDesktopDir,
    sfFavorites,
    sfPrograms,
    sfRecent,
    sfSendTo,
    sfStartMenu,
    sfStartup,
    sfTemplates,
};

// The root folder standing for the same place.
constexpr TRootFolder AsRootFolder(TSelectFolder folder) {
    return static_cast<TRootFolder>(static_cast<int>(folder));
}
static_assert(AsRootFolder(TSelectFolder::sfTemplates) == TRootFolder::rfTemplates);

// Listed in the order in which the flags are added up.
enum class TSHBrowseOption {
    sboDontGoBelowDomain,
    sboReturnFSAncestors,
    sboReturnOnlyFSDirs,
    sboStatusTextAndShowPath,
    sboStatusText,
    sboBrowseIncludeFiles,
};

class TSHBrowseOptions {
public:
    constexpr TSHBrowseOptions() = default;
    constexpr TSHBrowseOptions(std::initializer_list<TSHBrowseOption> options) {
        for (const TSHBrowseOption option : options) {
            Include(option);
        }
    }

    constexpr bool Contains(TSHBrowseOption option) const { return (bits_ & Bit(option)) != 0; }
    constexpr void Include(TSHBrowseOption option) { bits_ |= Bit(option); }
    constexpr void Exclude(TSHBrowseOption option) { bits_ &= ~Bit(option); }

    friend constexpr bool operator==(TSHBrowseOptions, TSHBrowseOptions) = default;

private:
    static constexpr std::uint32_t Bit(TSHBrowseOption option) {
        return 1u << static_cast<int>(option);
    }

    std::uint32_t bits_ = 0;
};

// The dialog flags the options add.
inline constexpr std::uint32_t kBrowseOnlyFileSystemDirs = 0x1;
inline constexpr std::uint32_t kBrowseDontGoBelowDomain = 0x2;
inline constexpr std::uint32_t kBrowseStatusText = 0x4;
inline constexpr std::uint32_t kBrowseFileSystemAncestors = 0x8;
inline constexpr std::uint32_t kBrowseIncludeFiles = 0x4000;

struct TBrowseFlags {
    std::uint32_t Flags = 0;
    // The status line shows the path of each newly selected folder.
    bool ShowPath = false;
    friend bool operator==(const TBrowseFlags&, const TBrowseFlags&) = default;
};

// The flags of the options in their listed order. The walk ends at sboStatusTextAndShowPath:
// options listed after it add nothing when it is among them.
TBrowseFlags WalkBrowseOptions(TSHBrowseOptions options);

// What a selection handler does with the OK button.
enum class TOKButtonState { obsUnchanged = 0, obsEnable = 1, obsDisable = 2 };

// Where the dialog opens: where the system puts it, centred across and a third down the work
// area, or at the corner of the owner form's client area.
enum class TShowStyle { ssNone, ssCenterScreen, ssClient };

} // namespace tintora
