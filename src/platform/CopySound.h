#pragma once

// The sound after a copy to the clipboard, played through the desktop's event sound service
// (libcanberra). Playing never waits: the request goes to a thread of its own, because opening a
// sound device or reaching a sound server can take its time, and a sound device that is still
// busy with the previous copy sound makes the new one give up. Nothing is ever reported: with no
// sound server or device there is simply no sound.

#include <memory>
#include <string>

namespace tintora {

// What one play request plays.
struct TCopySoundRequest {
    enum class TKind { skFile, skDefault } Kind = TKind::skDefault;
    std::string Value; // skFile: the file's path; skDefault: the sound theme's event name
};

// The default sound, the sound theme's bell, plays when the named file does not exist (or is no
// regular file, or the name is empty), as a missing sound file gives the default sound.
inline constexpr const char* DefaultCopySoundEvent = "bell";
TCopySoundRequest CopySoundRequest(const std::string& file);

class TCopySound {
public:
    TCopySound();
    // Waits a moment for a sound request being handed over, never long: a thread stuck in the
    // sound system is left to finish on its own.
    ~TCopySound();
    TCopySound(const TCopySound&) = delete;
    TCopySound& operator=(const TCopySound&) = delete;

    // Plays `file` (a WAV file, or anything the sound service reads) without waiting for it; see
    // CopySoundRequest. A request while the previous one is still being handed to the sound
    // service, or while the previous copy sound is still playing, is dropped.
    void Play(const std::string& file);

private:
    struct TWorker;
    std::shared_ptr<TWorker> worker_;
};

} // namespace tintora
