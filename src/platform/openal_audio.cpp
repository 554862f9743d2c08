// The OpenAL device: one source per channel, one buffer per sound.
#include <AL/al.h>
#include <AL/alc.h>

#include <array>

#include "platform/audio.h"

namespace platform {

namespace {

// A sound's OpenAL buffer. It is deleted with its last holder, unless the device that made it
// has closed already (closing the device released it).
struct AlBuffer {
    ALuint id = 0;
    std::weak_ptr<int> owner;
    ~AlBuffer() {
        if (!owner.expired()) {
            alDeleteBuffers(1, &id);
        }
    }
};

class OpenAlDevice : public AudioDevice {
  public:
    OpenAlDevice(ALCdevice* device, ALCcontext* context) : device_(device), context_(context) {}

    bool CreateSources() {
        alGetError();
        alGenSources(SoundChannels, sources_.data());
        return alGetError() == AL_NO_ERROR;
    }

    ~OpenAlDevice() override {
        for (int c = 0; c < SoundChannels; ++c) {
            Detach(c);
        }
        alDeleteSources(SoundChannels, sources_.data());
        // Buffers still held by sounds are released with the context.
        alive_.reset();
        alcMakeContextCurrent(nullptr);
        alcDestroyContext(context_);
        alcCloseDevice(device_);
    }

    void Prepare(Sound& sound) override { BufferOf(sound); }

    void Play(const SoundPtr& sound, int channel, bool loop) override {
        if (!sound || channel < 0 || channel >= SoundChannels) {
            return;
        }
        std::shared_ptr<AlBuffer> buffer = BufferOf(*sound);
        Detach(channel);
        if (!buffer) {
            return;
        }
        const ALuint source = sources_[static_cast<std::size_t>(channel)];
        alSourcei(source, AL_BUFFER, static_cast<ALint>(buffer->id));
        alSourcei(source, AL_LOOPING, loop ? AL_TRUE : AL_FALSE);
        alSourcePlay(source);
        // The channel holds the buffer while the source may use it, so a sound dropped while
        // it plays does not pull the buffer from under the source.
        attached_[static_cast<std::size_t>(channel)] = buffer;
    }

    void Stop(int channel) override {
        if (channel >= 0 && channel < SoundChannels) {
            Detach(channel);
        }
    }

    void PauseAll() override {
        for (int c = 0; c < SoundChannels; ++c) {
            const ALuint source = sources_[static_cast<std::size_t>(c)];
            ALint state = 0;
            alGetSourcei(source, AL_SOURCE_STATE, &state);
            if (state == AL_PLAYING) {
                alSourcePause(source);
                paused_[static_cast<std::size_t>(c)] = true;
            }
        }
    }

    void ResumeAll() override {
        for (int c = 0; c < SoundChannels; ++c) {
            if (paused_[static_cast<std::size_t>(c)]) {
                paused_[static_cast<std::size_t>(c)] = false;
                alSourcePlay(sources_[static_cast<std::size_t>(c)]);
            }
        }
    }

  private:
    void Detach(int channel) {
        const auto c = static_cast<std::size_t>(channel);
        alSourceStop(sources_[c]);
        alSourcei(sources_[c], AL_BUFFER, 0);
        attached_[c].reset();
        paused_[c] = false;
    }

    // The sound's buffer on this device, made on first use.
    std::shared_ptr<AlBuffer> BufferOf(Sound& sound) {
        auto existing = std::static_pointer_cast<AlBuffer>(sound.buffer);
        if (existing && !existing->owner.owner_before(alive_) &&
            !alive_.owner_before(existing->owner)) {
            return existing;
        }
        if (sound.samples.empty() || (sound.channels != 1 && sound.channels != 2)) {
            return nullptr;
        }
        auto buffer = std::make_shared<AlBuffer>();
        alGetError();
        alGenBuffers(1, &buffer->id);
        if (alGetError() != AL_NO_ERROR) {
            return nullptr;
        }
        buffer->owner = alive_;
        alBufferData(buffer->id, sound.channels == 2 ? AL_FORMAT_STEREO16 : AL_FORMAT_MONO16,
                     sound.samples.data(),
                     static_cast<ALsizei>(sound.samples.size() * sizeof(std::int16_t)),
                     sound.sampleRate);
        if (alGetError() != AL_NO_ERROR) {
            return nullptr;
        }
        sound.buffer = buffer;
        return buffer;
    }

    ALCdevice* device_ = nullptr;
    ALCcontext* context_ = nullptr;
    std::array<ALuint, SoundChannels> sources_{};
    std::array<std::shared_ptr<AlBuffer>, SoundChannels> attached_{};
    std::array<bool, SoundChannels> paused_{};
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};

} // namespace

std::unique_ptr<AudioDevice> OpenOpenAlDevice() {
    ALCdevice* device = alcOpenDevice(nullptr);
    if (device == nullptr) {
        return nullptr;
    }
    ALCcontext* context = alcCreateContext(device, nullptr);
    if (context == nullptr || alcMakeContextCurrent(context) != ALC_TRUE) {
        if (context != nullptr) {
            alcDestroyContext(context);
        }
        alcCloseDevice(device);
        return nullptr;
    }
    auto result = std::make_unique<OpenAlDevice>(device, context);
    if (!result->CreateSources()) {
        // The destructor closes the context and the device.
        return nullptr;
    }
    return result;
}

} // namespace platform
