// The flags the folder browse options add up to.

#include "files/FolderBrowse.h"

#include <gtest/gtest.h>

namespace tintora {
namespace {

using enum TSHBrowseOption;

TEST(FolderBrowseTest, OptionsAddTheirFlagsUpToTheShowPathOption) {
    const struct {
        const char* name;
        TSHBrowseOptions options;
        TBrowseFlags flags;
    } rows[] = {
        {"default", {sboReturnOnlyFSDirs}, {kBrowseOnlyFileSystemDirs, false}},
        {"none", {}, {0, false}},
        {"all before the stop",
         {sboDontGoBelowDomain, sboReturnFSAncestors, sboReturnOnlyFSDirs},
         {kBrowseDontGoBelowDomain | kBrowseFileSystemAncestors | kBrowseOnlyFileSystemDirs,
          false}},
        {"status text alone",
         {sboStatusText, sboBrowseIncludeFiles},
         {kBrowseStatusText | kBrowseIncludeFiles, false}},
        {"show path stops the walk",
         {sboStatusTextAndShowPath, sboBrowseIncludeFiles},
         {kBrowseStatusText, true}},
        {"options before the stop still count",
         {sboReturnOnlyFSDirs, sboStatusTextAndShowPath},
         {kBrowseOnlyFileSystemDirs | kBrowseStatusText, true}},
    };
    for (const auto& row : rows) {
        const TBrowseFlags flags = WalkBrowseOptions(row.options);
        EXPECT_EQ(flags.Flags, row.flags.Flags) << row.name;
        EXPECT_EQ(flags.ShowPath, row.flags.ShowPath) << row.name;
    }
}

} // namespace
} // namespace tintora
