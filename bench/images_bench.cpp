// A 2048 × 2048 background picture read through the plug-in host (the shipped PNG and JPEG
// plug-ins, the DIB reader, the hand-over to a screen image) against Qt's own reader of the same
// file. The plug-in path should cost at most 1.2 times Qt's.

#include "images/PluginSetup.h"
#include "images/SPIBitmap.h"
#include "platform/ScreenImage.h"

#include <benchmark/benchmark.h>
#include <cstdint>
#include <memory>

#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>

namespace {

using namespace tintora;

constexpr int kSide = 2048;

// A photograph-like picture: smooth gradients with a little deterministic noise, which PNG
// compresses moderately and JPEG well.
QImage Photograph() {
    QImage image(kSide, kSide, QImage::Format_RGB32);
    std::uint32_t seed = 12345;
    for (int y = 0; y < kSide; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < kSide; ++x) {
            seed = seed * 1664525u + 1013904223u;
            const int noise = static_cast<int>(seed >> 28) - 8;
            row[x] = qRgb(qBound(0, x / 8 + noise, 255), qBound(0, y / 8 + noise, 255),
                          qBound(0, (x + y) / 16 + noise, 255));
        }
    }
    return image;
}

class TFixture {
public:
    TFixture() {
        const QImage picture = Photograph();
        picture.save(Path("png"), "PNG");
        picture.save(Path("jpg"), "JPEG", 90);
        spis_.Formats = &formats_;
        BindPluginHandlers(spis_, skipFiles_);
        std::string folder = TINTORA_PLUGIN_BUILD_DIR;
        SearchPlugins(spis_, folder);
    }

    QString Path(const char* extension) const {
        return dir_.filePath(QStringLiteral("picture.") + QLatin1String(extension));
    }

    QImage LoadThroughPlugins(const QString& path) {
        TPictureHolder holder;
        formats_.LoadFromFile(holder, path.toStdString());
        return ScreenImage(static_cast<TBitmap*>(holder.Graphic())->TakeImage());
    }

private:
    QTemporaryDir dir_;
    std::vector<std::string> skipFiles_;
    TPictureFormats formats_;
    TSPIs spis_;
};

TFixture& Fixture() {
    static TFixture fixture;
    return fixture;
}

void BM_PluginHost(benchmark::State& state, const char* extension) {
    const QString path = Fixture().Path(extension);
    for (auto _ : state) {
        const QImage image = Fixture().LoadThroughPlugins(path);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void BM_QtReader(benchmark::State& state, const char* extension) {
    const QString path = Fixture().Path(extension);
    for (auto _ : state) {
        const QImage image = QImageReader(path).read().convertToFormat(QImage::Format_RGB32);
        benchmark::DoNotOptimize(image.constBits());
    }
}

BENCHMARK_CAPTURE(BM_PluginHost, png, "png")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_QtReader, png, "png")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PluginHost, jpeg, "jpg")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_QtReader, jpeg, "jpg")->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
