// The plug-in host: kinds, the search, registration of file types, the order of FindSPIs.

#include "images/SPIs.h"

#include "ImageTestSupport.h"
#include "images/PluginSetup.h"
#include "images/SPIBitmap.h"

#include <gtest/gtest.h>

namespace tintora {
namespace {

class SPIs : public ::testing::Test {
protected:
    SPIs() {
        spis_.Formats = &formats_;
        spis_.SearchOptions = {};
    }

    std::vector<std::string> Registered() const {
        std::vector<std::string> extensions;
        for (const TPictureFormat& entry : formats_.Entries()) {
            extensions.push_back(entry.Extension);
        }
        return extensions;
    }

    std::vector<std::string> Loaded() const {
        std::vector<std::string> names;
        for (int i = 0; i < spis_.Count(); ++i) {
            names.push_back(spis_.SPIs(i).FileName().substr(folder_.Path().size()));
        }
        return names;
    }

    test::TTempFolder folder_;
    TPictureFormats formats_;
    TSPIs spis_;
};

TEST_F(SPIs, TheVersionPicksTheKindExactly) {
    const struct {
        const char* Built;
        const char* Kind;
    } rows[] = {{"scripted", "TInSPI"}, {"lowercase", "TSPI"}};
    for (const auto& row : rows) {
        const std::unique_ptr<TSPI> spi = CreateSPI(folder_.AddPlugin(row.Built, row.Built));
        ASSERT_TRUE(spi) << row.Built;
        EXPECT_EQ(spi->ClassType().Name, row.Kind) << row.Built;
        EXPECT_EQ(spi->FileName(), folder_.Path() + row.Built);
    }
    EXPECT_FALSE(CreateSPI(folder_.Write("text.spi", {'n', 'o', 't'})));
    EXPECT_FALSE(CreateSPI(folder_.Path() + "missing.spi"));
}

TEST_F(SPIs, AMissingEntryPointNamesItAndTheFile) {
    const std::string path = folder_.AddPlugin("nopicture", "nopicture.spi");
    try {
        CreateSPI(path);
        ADD_FAILURE() << "created";
    } catch (const ESPIInvalidAPI& error) {
        EXPECT_EQ(error.what(), "GetPictureは[" + path + "]では使えないSusie Plugin APIです");
    }
}

TEST_F(SPIs, SearchSkipsNonLibrariesAndEndsAtAPluginWithoutARequiredEntryPoint) {
    folder_.AddPlugin("scripted", "a.spi");
    folder_.Write("b.spi", {'n', 'o', 't'});
    folder_.AddPlugin("noinfo", "c.SPI");
    folder_.AddPlugin("scripted", "d.spi");
    folder_.AddPlugin("scripted", ".hidden.spi");
    EXPECT_THROW(spis_.Search(folder_.Path() + "*.spi"), ESPIInvalidAPI);
    EXPECT_EQ(Loaded(), std::vector<std::string>{"a.spi"});
}

TEST_F(SPIs, AFolderIsSearchedOnceAndOnlyTheMasksFolderWhenItHasOne) {
    folder_.AddPlugin("scripted", "a.spi");
    spis_.SearchOptions = {spsAppDir};
    spis_.Folders.AppDir = folder_.Path() + "missing";
    spis_.Search(folder_.Path() + "*.spi");
    const std::string name = std::filesystem::path(folder_.Path()).parent_path().filename();
    spis_.Search(folder_.Path() + "../" + name + "/*.spi");
    EXPECT_EQ(Loaded(), std::vector<std::string>{"a.spi"});
    spis_.Search("*.spi");
    EXPECT_EQ(spis_.Count(), 1);
}

TEST_F(SPIs, TooFewDescriptionsEndTheFileTypes) {
    spis_.Add(CreateSPI(folder_.AddPlugin("fewdesc", "fewdesc.spi")));
    EXPECT_EQ(spis_.SPIs(0).Extensions(), (std::vector<std::string>{"*.tsp", "*.tsq"}));
    EXPECT_EQ(spis_.SPIs(0).Descriptions(), (std::vector<std::string>{"Test", "Test Q"}));
}

TEST_F(SPIs, PatternsRegisterLastFirstAndOnlyImportPluginsRegister) {
    spis_.Add(CreateSPI(folder_.AddPlugin("lowercase", "lowercase.spi")));
    spis_.Add(CreateSPI(folder_.AddPlugin("multi", "multi.spi")));
    EXPECT_EQ(Registered(), (std::vector<std::string>{"jpe", "jpeg", "jpg", "*"}));
    // Deleting a plug-in leaves its file types.
    spis_.Delete(1);
    EXPECT_EQ(Registered().size(), 4u);
}

TEST_F(SPIs, TheMainWindowsRulesSkipFilesKeepImportersAndRegisterJpegOnce) {
    const std::vector<std::string> skipFiles = {"SKIPPED.spi"};
    BindPluginHandlers(spis_, skipFiles);
    folder_.AddPlugin("jpg", "a.spi");
    folder_.AddPlugin("multi", "b.spi");
    folder_.AddPlugin("lowercase", "c.spi");
    folder_.AddPlugin("scripted", "skipped.spi");
    std::string searchDir = folder_.Path().substr(0, folder_.Path().size() - 1);
    SearchPlugins(spis_, searchDir);
    EXPECT_EQ(searchDir, folder_.Path());
    EXPECT_EQ(Loaded(), (std::vector<std::string>{"a.spi", "b.spi"}));
    // The first JPEG plug-in offers all three extensions; the second and "*.*" add nothing.
    EXPECT_EQ(Registered(), (std::vector<std::string>{"jpeg", "jpg", "jpe"}));

    ReloadPlugins(spis_, searchDir);
    EXPECT_EQ(spis_.Count(), 2);
    EXPECT_EQ(Registered(), (std::vector<std::string>{"jpeg", "jpg", "jpe"}));
}

TEST_F(SPIs, FindSPIsPutsClaimersFirstTheLastLoadedFirst) {
    for (const char* name : {"a.spi", "b.spi", "c.spi"}) {
        spis_.Add(CreateSPI(folder_.AddPlugin(name[0] == 'b' ? "jpg" : "scripted", name)));
    }
    std::vector<TSPI*> found;
    spis_.FindSPIs({&TInSPI::Class}, found, "/pics.d/back.TSP");
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(found[0], &spis_.SPIs(2));
    EXPECT_EQ(found[1], &spis_.SPIs(0));
    EXPECT_EQ(found[2], &spis_.SPIs(1));
    found.clear();
    spis_.FindSPIs({&TAmSPI::Class}, found, "back.tsp");
    EXPECT_TRUE(found.empty());
}

TEST_F(SPIs, OneManagerAtATime) {
    EXPECT_THROW(TSPIs(), ESPIDupCreateSPIs);
    EXPECT_EQ(TSPIs::Instance(), &spis_);
}

} // namespace
} // namespace tintora
