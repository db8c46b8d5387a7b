#include "platform/CopySound.h"

#include <canberra.h>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <dlfcn.h>
#include <filesystem>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>
#include <type_traits>
#include <utility>

namespace tintora {

namespace {

// The one sound of this context; asking whether it still plays tells whether the device is busy.
constexpr std::uint32_t CopySoundId = 1;

// A file that is there but cannot be played falls back to the default sound as a missing one
// does; a busy, missing or disabled device gives no sound at all.
bool FileCouldNotBePlayed(int error) {
    return error == CA_ERROR_NOTFOUND || error == CA_ERROR_CORRUPT ||
           error == CA_ERROR_NOTSUPPORTED || error == CA_ERROR_ACCESS || error == CA_ERROR_IO;
}

// libcanberra, opened the first time a sound plays: most runs copy without a sound, and the
// library with its codecs would otherwise be loaded at every start. nullptr when it is missing.
struct TCanberra {
    decltype(&ca_context_create) Create = nullptr;
    decltype(&ca_context_destroy) Destroy = nullptr;
    decltype(&ca_context_change_props) ChangeProps = nullptr;
    decltype(&ca_context_playing) Playing = nullptr;
    decltype(&ca_context_play) Play = nullptr;

    static const TCanberra* Get() {
        static const std::optional<TCanberra> library = Open();
        return library ? &*library : nullptr;
    }

private:
    static std::optional<TCanberra> Open() {
        void* handle = dlopen("libcanberra.so.0", RTLD_NOW | RTLD_LOCAL);
        if (handle == nullptr) {
            return std::nullopt;
        }
        TCanberra c;
        const auto find = [handle](auto& function, const char* name) {
            function =
                reinterpret_cast<std::remove_reference_t<decltype(function)>>(dlsym(handle, name));
            return function != nullptr;
        };
        if (!find(c.Create, "ca_context_create") || !find(c.Destroy, "ca_context_destroy") ||
            !find(c.ChangeProps, "ca_context_change_props") ||
            !find(c.Playing, "ca_context_playing") || !find(c.Play, "ca_context_play")) {
            return std::nullopt; // the library stays loaded: it is tiny next to a failing sound
        }
        return c;
    }
};

} // namespace

TCopySoundRequest CopySoundRequest(const std::string& file) {
    std::error_code error;
    if (!file.empty() && std::filesystem::is_regular_file(file, error)) {
        return {TCopySoundRequest::TKind::skFile, file};
    }
    return {TCopySoundRequest::TKind::skDefault, DefaultCopySoundEvent};
}

// Shared by the owner and the thread, so that a thread left behind by the destructor still has
// it. The context is touched by the thread only.
struct TCopySound::TWorker {
    std::mutex Mutex;
    std::condition_variable Changed;
    std::optional<std::string> Pending;
    bool Busy = false;
    bool Stop = false;
    bool Finished = false;
    ca_context* Context = nullptr;

    void Run() {
        std::unique_lock lock(Mutex);
        for (;;) {
            Changed.wait(lock, [this] { return Stop || Pending; });
            if (Stop) {
                break;
            }
            const std::string file = std::move(*Pending);
            Pending.reset();
            Busy = true;
            lock.unlock();
            PlayNow(file);
            lock.lock();
            Busy = false;
        }
        lock.unlock();
        if (Context) {
            TCanberra::Get()->Destroy(Context);
        }
        lock.lock();
        Finished = true;
        Changed.notify_all();
    }

    void PlayNow(const std::string& file) {
        const TCanberra* ca = TCanberra::Get();
        if (ca == nullptr) {
            return;
        }
        if (!Context) {
            if (ca->Create(&Context) != CA_SUCCESS) {
                Context = nullptr;
                return;
            }
            ca->ChangeProps(Context, CA_PROP_APPLICATION_NAME, "Tintora", CA_PROP_APPLICATION_ID,
                            "tintora", nullptr);
        }
        int playing = 0;
        if (ca->Playing(Context, CopySoundId, &playing) == CA_SUCCESS && playing) {
            return;
        }
        const TCopySoundRequest request = CopySoundRequest(file);
        if (request.Kind == TCopySoundRequest::TKind::skFile) {
            const int error = ca->Play(Context, CopySoundId, CA_PROP_MEDIA_FILENAME,
                                       request.Value.c_str(), nullptr);
            if (!FileCouldNotBePlayed(error)) {
                return;
            }
        }
        ca->Play(Context, CopySoundId, CA_PROP_EVENT_ID, DefaultCopySoundEvent,
                 CA_PROP_EVENT_DESCRIPTION, "コピー", nullptr);
    }
};

TCopySound::TCopySound() = default;

TCopySound::~TCopySound() {
    if (!worker_) {
        return;
    }
    std::unique_lock lock(worker_->Mutex);
    worker_->Stop = true;
    worker_->Pending.reset();
    worker_->Changed.notify_all();
    // Closing the program must not hang on a sound system that does not answer.
    worker_->Changed.wait_for(lock, std::chrono::seconds(1), [this] { return worker_->Finished; });
}

void TCopySound::Play(const std::string& file) {
    if (!worker_) {
        auto worker = std::make_shared<TWorker>();
        try {
            std::thread([worker] { worker->Run(); }).detach();
        } catch (const std::system_error&) {
            return; // no thread, no sound; the next copy tries again
        }
        worker_ = std::move(worker);
    }
    const std::lock_guard lock(worker_->Mutex);
    if (worker_->Busy || worker_->Pending) {
        return;
    }
    worker_->Pending = file;
    worker_->Changed.notify_all();
}

} // namespace tintora
