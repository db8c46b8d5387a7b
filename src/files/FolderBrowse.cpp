#include "files/FolderBrowse.h"

namespace tintora {

namespace {

std::uint32_t FlagOf(TSHBrowseOption option) {
    switch (option) {
    case TSHBrowseOption::sboDontGoBelowDomain:
        return kBrowseDontGoBelowDomain;
    case TSHBrowseOption::sboReturnFSAncestors:
        return kBrowseFileSystemAncestors;
    case TSHBrowseOption::sboReturnOnlyFSDirs:
        return kBrowseOnlyFileSystemDirs;
    case TSHBrowseOption::sboStatusTextAndShowPath:
    case TSHBrowseOption::sboStatusText:
        return kBrowseStatusText;
    case TSHBrowseOption::sboBrowseIncludeFiles:
        return kBrowseIncludeFiles;
    }
    return 0;
}

constexpr TSHBrowseOption kWalkOrder[] = {
    TSHBrowseOption::sboDontGoBelowDomain, TSHBrowseOption::sboReturnFSAncestors,
    TSHBrowseOption::sboReturnOnlyFSDirs,  TSHBrowseOption::sboStatusTextAndShowPath,
    TSHBrowseOption::sboStatusText,        TSHBrowseOption::sboBrowseIncludeFiles,
};

} // namespace

TBrowseFlags WalkBrowseOptions(TSHBrowseOptions options) {
    TBrowseFlags result;
    for (const TSHBrowseOption option : kWalkOrder) {
        if (!options.Contains(option)) {
            continue;
        }
        result.Flags |= FlagOf(option);
        if (option == TSHBrowseOption::sboStatusTextAndShowPath) {
            result.ShowPath = true;
            break;
        }
    }
    return result;
}

} // namespace tintora
