// The copy sound: what a request plays, and that playing neither waits nor fails without a sound
// system. Whether anything is heard is not checked.

#include "platform/CopySound.h"

#include <chrono>
#include <gtest/gtest.h>
#include <thread>

#include <QFile>
#include <QTemporaryDir>

namespace tintora {
namespace {

using TKind = TCopySoundRequest::TKind;

TEST(CopySoundRequest, AnExistingFileElseTheDefaultSound) {
    QTemporaryDir dir;
    const std::string wav = dir.filePath("ding.wav").toStdString();
    QFile file(QString::fromStdString(wav));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();

    const TCopySoundRequest existing = CopySoundRequest(wav);
    EXPECT_EQ(existing.Kind, TKind::skFile);
    EXPECT_EQ(existing.Value, wav);
    for (const std::string& name :
         {std::string(), dir.filePath("missing.wav").toStdString(), dir.path().toStdString(),
          std::string("C:\\WINDOWS\\MEDIA\\DING.WAV")}) {
        const TCopySoundRequest request = CopySoundRequest(name);
        EXPECT_EQ(request.Kind, TKind::skDefault) << name;
        EXPECT_EQ(request.Value, DefaultCopySoundEvent) << name;
    }
}

TEST(CopySound, PlayingReturnsAtOnceAndNeverFails) {
    QTemporaryDir dir;
    const std::string notAWav = dir.filePath("noise.wav").toStdString();
    QFile file(QString::fromStdString(notAWav));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("RIFF but nothing else");
    file.close();

    const auto start = std::chrono::steady_clock::now();
    {
        TCopySound sound;
        // Time for the sound thread to reach the sound system, which here may have no device.
        sound.Play("/no/such/sound.wav");
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        sound.Play(notAWav);
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        for (int i = 0; i < 50; ++i) {
            sound.Play("");
        }
    }
    { TCopySound unused; }
    // Handing the requests over, and closing, are bounded however slow the sound system is.
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
}

} // namespace
} // namespace tintora
