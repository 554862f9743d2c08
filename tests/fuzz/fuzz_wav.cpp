// Sounds: the bytes parsed as a WAV file, then written as one and loaded as the game loads its
// sounds (onto a recording device, and played).
#include <cstdint>

#include "fuzz_support.h"
#include "platform/audio.h"

namespace {

platform::RecordingAudio audio;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::QuietDebugLines();
    platform::SetAudioDevice(&audio);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    platform::Sound sound;
    if (platform::ParseWav(std::vector<std::uint8_t>(data, data + size), sound) &&
        ((sound.channels != 1 && sound.channels != 2) || sound.sampleRate <= 0 ||
         sound.samples.size() > size || sound.samples.size() % sound.channels != 0)) {
        std::abort();
    }
    audio.events.clear();
    const auto file = fuzz::Folder() / "son.wav";
    fuzz::Write(file, data, size);
    if (const auto loaded = platform::LoadSound(fuzz::Path(file))) {
        platform::PlaySound(loaded, 3);
        loaded->Seconds();
    }
    return 0;
}
