// Sounds: WAV parsing (1), loading and playing on the current device (3), the recording
// device (4). Every sound of the game is a WAV file: Ogg Vorbis is not read at all, as its
// decoder cannot be trusted with damaged or hostile files.
#include "platform/audio.h"

#include <cstring>
#include <string_view>

#include "platform/diag.h"
#include "platform/files.h"

namespace platform {

double Sound::Seconds() const {
    if (channels <= 0 || sampleRate <= 0) {
        return 0;
    }
    return static_cast<double>(samples.size()) / channels / sampleRate;
}

// ---- 1. WAV -----------------------------------------------------------------------------

namespace {

std::uint32_t Le32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

std::uint16_t Le16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }

bool Tag(const std::uint8_t* p, const char* tag) { return std::memcmp(p, tag, 4) == 0; }

constexpr std::uint16_t FormatPcm = 1;
constexpr std::uint16_t FormatExtensible = 0xFFFE;

} // namespace

bool ParseWav(const std::vector<std::uint8_t>& bytes, Sound& sound) {
    const std::size_t size = bytes.size();
    if (size < 12 || !Tag(bytes.data(), "RIFF") || !Tag(bytes.data() + 8, "WAVE")) {
        return false;
    }
    int channels = 0;
    int rate = 0;
    int bits = 0;
    const std::uint8_t* data = nullptr;
    std::size_t dataSize = 0;

    // Chunks in any order; the RIFF size field is not trusted, the real length is.
    std::size_t pos = 12;
    while (pos + 8 <= size) {
        const std::uint8_t* chunk = bytes.data() + pos;
        const std::size_t declared = Le32(chunk + 4);
        const std::size_t available = size - pos - 8;
        const std::size_t length = declared < available ? declared : available;
        if (Tag(chunk, "fmt ")) {
            if (length < 16) {
                return false;
            }
            std::uint16_t format = Le16(chunk + 8);
            if (format == FormatExtensible && length >= 40) {
                // The sub-format GUID starts with the plain format code.
                format = Le16(chunk + 8 + 24);
            }
            if (format != FormatPcm) {
                return false;
            }
            channels = Le16(chunk + 10);
            rate = static_cast<int>(Le32(chunk + 12));
            bits = Le16(chunk + 22);
        } else if (Tag(chunk, "data") && data == nullptr) {
            data = chunk + 8;
            // A file cut short keeps the samples that are there.
            dataSize = length;
        }
        if (declared > available) {
            break;
        }
        // Chunks are padded to an even length.
        pos += 8 + declared + (declared & 1);
    }

    if (data == nullptr || (channels != 1 && channels != 2) || (bits != 8 && bits != 16) ||
        rate <= 0 || rate > 384000) {
        return false;
    }
    const std::size_t frameBytes = static_cast<std::size_t>(channels * bits / 8);
    const std::size_t count = dataSize / frameBytes * static_cast<std::size_t>(channels);
    std::vector<std::int16_t> samples(count);
    for (std::size_t i = 0; i < count; ++i) {
        if (bits == 8) {
            samples[i] = static_cast<std::int16_t>((data[i] - 128) * 256);
        } else {
            samples[i] = static_cast<std::int16_t>(Le16(data + 2 * i));
        }
    }
    sound.channels = channels;
    sound.sampleRate = rate;
    sound.samples = std::move(samples);
    return true;
}

// ---- 3. Loading and playing -------------------------------------------------------------

namespace {
AudioDevice* currentDevice = nullptr;
}

AudioDevice* Audio() { return currentDevice; }

void SetAudioDevice(AudioDevice* device) { currentDevice = device; }

SoundPtr LoadSound(const String& path) {
    const String resolved = ResolveDataPath(path);
    std::vector<std::uint8_t> bytes;
    if (!LoadBytes(resolved, bytes)) {
        WarnOnce(u"sound:" + resolved, u"Son introuvable : " + resolved);
        return nullptr;
    }
    auto sound = std::make_shared<Sound>();
    sound->name = resolved;
    if (!ParseWav(bytes, *sound)) {
        WarnOnce(u"sound:" + resolved, u"Son illisible : " + resolved);
        return nullptr;
    }
    if (currentDevice != nullptr) {
        currentDevice->Prepare(*sound);
    }
    return sound;
}

void PlaySound(const SoundPtr& sound, int channel, int flags) {
    if (!sound || channel < 0 || channel >= SoundChannels || currentDevice == nullptr) {
        return;
    }
    currentDevice->Play(sound, channel, (flags & SoundLoop) != 0);
}

void StopChannel(int channel) {
    if (channel < 0 || channel >= SoundChannels || currentDevice == nullptr) {
        return;
    }
    currentDevice->Stop(channel);
}

// ---- 4. Recording device ----------------------------------------------------------------

void RecordingAudio::Play(const SoundPtr& sound, int channel, bool loop) {
    if (!sound || channel < 0 || channel >= SoundChannels) {
        return;
    }
    events.push_back({Event::Play, channel, sound->name, loop});
    channels[channel] = {sound->name, loop, true};
}

void RecordingAudio::Stop(int channel) {
    if (channel < 0 || channel >= SoundChannels) {
        return;
    }
    events.push_back({Event::Stop, channel, channels[channel].sound, false});
    channels[channel].playing = false;
}

} // namespace platform
