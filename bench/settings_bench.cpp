// Opening the settings file at start-up. A hand-grown file of 50 MB in short lines must open, with
// every setting and template read, in under a second and in less than four times its size in
// memory. The counters give the file's size and the peak of heap memory the open took, as a
// multiple of that size.

#include "html/TemplateStorage.h"
#include "settings/IniFile2.h"
#include "settings/Settings.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <malloc.h>
#include <new>
#include <string>

namespace {

std::size_t liveBytes = 0;
std::size_t peakBytes = 0;

void* Allocate(std::size_t size, std::size_t alignment = alignof(std::max_align_t)) {
    void* p = alignment <= alignof(std::max_align_t)
                  ? std::malloc(size == 0 ? 1 : size)
                  : std::aligned_alloc(alignment, (size + alignment - 1) / alignment * alignment);
    if (p == nullptr) {
        throw std::bad_alloc();
    }
    liveBytes += malloc_usable_size(p);
    peakBytes = std::max(peakBytes, liveBytes);
    return p;
}

void Release(void* p) noexcept {
    if (p != nullptr) {
        liveBytes -= malloc_usable_size(p);
        std::free(p);
    }
}

constexpr std::size_t fileBytes = 50u << 20;

// Short key lines first, then the program's own sections with 100 FONT and 100 BODY templates, so
// that every key the program reads lies behind all the filler. The filler is in sections of its
// own (what other tools leave in a file), or in the section the program reads most.
std::string MakeSettingsFile(bool fillerInOption) {
    const std::string path = (std::filesystem::temp_directory_path() /
                              (fillerInOption ? "tintora-bench-option.INI" : "tintora-bench.INI"))
                                 .string();
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    std::size_t written = 0;
    for (int section = 0; written < fileBytes; ++section) {
        if (section == 0 || !fillerInOption) {
            const std::string header =
                fillerInOption ? "[OPTION]\r\n" : "[Filler" + std::to_string(section) + "]\r\n";
            out << header;
            written += header.size();
        }
        for (int key = 0; key < 1000; ++key) {
            // Every key once: in the one OPTION block the section's number goes into the name.
            const std::string name = fillerInOption ? std::to_string(section) + "_" : "";
            const std::string line =
                "k" + name + std::to_string(key) + "=" + std::to_string(section % 10) + "\r\n";
            out << line;
            written += line.size();
        }
    }
    out << "[OPTION]\r\nUseHSV=1\r\nSampleFontName=\"IPAGothic\"\r\n[WINDOW]\r\nTop=10\r\nLeft="
           "20\r\n";
    for (const char* section : {"TEMPLATE", "TEMPLATE-BODY"}) {
        out << "[" << section << "]\r\n";
        for (int n = 1; n <= 100; ++n) {
            out << n << ":Name=t" << n << "\r\n" << n << ":Text=Tintora\r\n" << n << ":C1=255\r\n";
        }
    }
    return path;
}

void BM_OpenLargeSettingsFile(benchmark::State& state, bool fillerInOption) {
    const std::string path = MakeSettingsFile(fillerInOption);
    const auto size = static_cast<double>(std::filesystem::file_size(path));
    double peakRatio = 0;
    for (auto _ : state) {
        peakBytes = liveBytes;
        const std::size_t before = liveBytes;
        {
            const tintora::TIniFile2 ini(path);
            tintora::TSettings settings;
            tintora::ReadSettings(ini, settings);
            benchmark::DoNotOptimize(tintora::ReadFontTemplates(ini));
            benchmark::DoNotOptimize(tintora::ReadBodyTemplates(ini));
            benchmark::DoNotOptimize(settings);
        }
        peakRatio = static_cast<double>(peakBytes - before) / size;
    }
    std::filesystem::remove(path);
    state.counters["file_MB"] = size / (1 << 20);
    state.counters["peak_memory_x_file"] = peakRatio;
}
BENCHMARK_CAPTURE(BM_OpenLargeSettingsFile, FillerInOwnSections, false)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK_CAPTURE(BM_OpenLargeSettingsFile, FillerInOption, true)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

} // namespace

void* operator new(std::size_t size) {
    return Allocate(size);
}
void* operator new[](std::size_t size) {
    return Allocate(size);
}
void operator delete(void* p) noexcept {
    Release(p);
}
void operator delete[](void* p) noexcept {
    Release(p);
}
void operator delete(void* p, std::size_t) noexcept {
    Release(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    Release(p);
}
void* operator new(std::size_t size, std::align_val_t alignment) {
    return Allocate(size, static_cast<std::size_t>(alignment));
}
void operator delete(void* p, std::align_val_t) noexcept {
    Release(p);
}
void operator delete(void* p, std::size_t, std::align_val_t) noexcept {
    Release(p);
}
