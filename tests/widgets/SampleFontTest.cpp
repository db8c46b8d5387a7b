// The rules that choose the samples' face and size.

#include "widgets/SampleFont.h"

#include <gtest/gtest.h>
#include <optional>

namespace tintora {
namespace {

const QStringList Installed = {"Alpha Sans", "Beta Serif", "Gamma"};

TEST(ListFontFaces, SortedOnceEachWithoutDefault) {
    EXPECT_EQ(SortFontFaces({"b", "Default", "A", "a", "C", "b", "default"}),
              QStringList({"A", "b", "C", "default"}));

    const QStringList faces = ListFontFaces();
    ASSERT_FALSE(faces.isEmpty());
    EXPECT_FALSE(faces.contains(QStringLiteral("Default")));
    for (qsizetype i = 1; i < faces.size(); ++i) {
        EXPECT_LT(QString::compare(faces[i - 1], faces[i], Qt::CaseInsensitive), 0)
            << faces[i - 1].toStdString() << " / " << faces[i].toStdString();
    }
}

struct TFaceCase {
    const char* Field;
    std::optional<QString> Face;
};

TEST(SampleFaceFromField, CutTrimUnquoteLookUp) {
    const TFaceCase cases[] = {
        {"Gamma", "Gamma"},
        {"alpha SANS", "Alpha Sans"},        // installed spelling, case ignored
        {"Beta Serif, serif", "Beta Serif"}, // only the part before the first comma
        {"'Beta Serif', 'Gamma'", "Beta Serif"},
        {"\"Gamma\"", "Gamma"},
        {" \t Gamma \r\n", "Gamma"},            // blanks and control characters at both ends
        {"  \"Alpha Sans\"  ,x", "Alpha Sans"}, // trimmed before unquoting
        {"", std::nullopt},
        {",Gamma", std::nullopt}, // nothing before the comma
        {" \t ,Gamma", std::nullopt},
        {"Delta", std::nullopt},       // not installed
        {"'Gamma\"", std::nullopt},    // quotes that do not pair stay
        {"\" Gamma \"", std::nullopt}, // blanks inside the quotes stay
        {"''", std::nullopt},
        {"'", std::nullopt},
        {"Gam ma", std::nullopt},
    };
    for (const TFaceCase& c : cases) {
        EXPECT_EQ(SampleFaceFromField(QString::fromUtf8(c.Field), Installed), c.Face)
            << "field [" << c.Field << "]";
    }
}

struct TSizeCase {
    const char* Field;
    int Base;
    std::optional<int> Size;
};

TEST(SampleFontSizeFromField, TheListItemsScaleTheBaseSize) {
    const TSizeCase cases[] = {
        // The fourteen items at the default base of 12.
        {"7", 12, 36},
        {"6", 12, 24},
        {"5", 12, 19},
        {"4", 12, 14},
        {"3", 12, 12},
        {"2", 12, 11},
        {"1", 12, 8},
        {"+3", 12, 24},
        {"+2", 12, 19},
        {"+1", 12, 14},
        {"", 12, 12},
        {"-1", 12, 11},
        {"-2", 12, 8},
        {"-3", 12, 6},
        // Exact halves go to the even neighbour.
        {"-3", 15, 8},  // 7.5
        {"1", 15, 10},  // 10.5
        {"1", 25, 18},  // 17.5
        {"-3", 25, 12}, // 12.5
        {"5", 10, 16},  // 15.5
        {"5", 30, 46},  // 46.5
        {"2", 99, 87},  // 87.12
        {"4", 99, 119}, // 118.8
        // Anything that is not a number counts as 3, then two characters add 3.
        {"abc", 12, 12},
        {"ab", 12, 24},
        {"0", 12, 6},
        // Values outside 0..7 leave the size alone.
        {"8", 12, std::nullopt},
        {"-4", 12, std::nullopt},
        {"-1x", 12, 12},
        {"10", 12, std::nullopt},
    };
    for (const TSizeCase& c : cases) {
        EXPECT_EQ(SampleFontSizeFromField(QString::fromUtf8(c.Field), c.Base), c.Size)
            << "field [" << c.Field << "] base " << c.Base;
    }
}

TEST(ValidSampleFontSize, SixToNinetyNineElseTwelve) {
    EXPECT_EQ(ValidSampleFontSize(6), 6);
    EXPECT_EQ(ValidSampleFontSize(99), 99);
    EXPECT_EQ(ValidSampleFontSize(5), 12);
    EXPECT_EQ(ValidSampleFontSize(100), 12);
    EXPECT_EQ(ValidSampleFontSize(-20), 12);
}

TEST(SampleFontName, InstalledOptionElseTheWindowsFont) {
    const QString fallback = QStringLiteral("Window Font");
    EXPECT_EQ(SampleFontName("gamma", Installed, fallback), "Gamma");
    EXPECT_EQ(SampleFontName("", Installed, fallback), fallback);
    EXPECT_EQ(SampleFontName("Delta", Installed, fallback), fallback);
}

TEST(NewSampleFontName, OnlyAChangedInstalledName) {
    EXPECT_EQ(NewSampleFontName("Gamma", "Beta Serif", Installed), "Beta Serif");
    EXPECT_EQ(NewSampleFontName("Gamma", "gamma", Installed), "gamma");
    EXPECT_EQ(NewSampleFontName("Gamma", "Gamma", Installed), std::nullopt);
    EXPECT_EQ(NewSampleFontName("Gamma", "(自動)", Installed), std::nullopt);
    EXPECT_EQ(NewSampleFontName("", "", Installed), std::nullopt);
}

} // namespace
} // namespace tintora
