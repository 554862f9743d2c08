#pragma once
// Sound: samples loaded from WAV files played on 32 numbered channels. Without an audio
// device every call is silent, never a failure.
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/text.h"

namespace platform {

constexpr int SoundChannels = 32;
constexpr int SoundLoop = 1; // PlaySound flag bit 0

struct Sound {
    String name; // resolved file name
    int channels = 1;
    int sampleRate = 44100;
    std::vector<std::int16_t> samples; // interleaved 16-bit
    std::shared_ptr<void> buffer;      // backend data (an OpenAL buffer)
    double Seconds() const;
};
using SoundPtr = std::shared_ptr<Sound>;

// Decodes PCM WAV (8 or 16 bit, mono or stereo, unknown chunks skipped) from memory; false
// when the bytes are not such a file.
bool ParseWav(const std::vector<std::uint8_t>& bytes, Sound& sound);

class AudioDevice {
  public:
    virtual ~AudioDevice() = default;
    virtual void Prepare(Sound& sound) = 0;
    // Stops what plays on the channel and starts the sound there from its beginning.
    virtual void Play(const SoundPtr& sound, int channel, bool loop) = 0;
    virtual void Stop(int channel) = 0;
    virtual void PauseAll() = 0;  // suspend: pause what plays
    virtual void ResumeAll() = 0; // resume exactly what was paused
};

// Records what played on which channel.
class RecordingAudio : public AudioDevice {
  public:
    struct Event {
        enum Kind { Play, Stop } kind = Play;
        int channel = 0;
        String sound;
        bool loop = false;
    };
    std::vector<Event> events;
    struct Channel {
        String sound;
        bool loop = false;
        bool playing = false;
    };
    Channel channels[SoundChannels];
    void Prepare(Sound&) override {}
    void Play(const SoundPtr& sound, int channel, bool loop) override;
    void Stop(int channel) override;
    void PauseAll() override {}
    void ResumeAll() override {}
};

// The device sounds play on; not owned; nullptr means silence.
AudioDevice* Audio();
void SetAudioDevice(AudioDevice* device);
// Opens the OpenAL device; nullptr when there is none (then the game is silent).
std::unique_ptr<AudioDevice> OpenOpenAlDevice();

// Null when the file is missing or unreadable (reported once on standard error).
SoundPtr LoadSound(const String& path);
// A null sound or an out-of-range channel does nothing.
void PlaySound(const SoundPtr& sound, int channel, int flags = 0);
void StopChannel(int channel);

} // namespace platform
