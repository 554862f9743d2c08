// Sounds: the WAV reader against good, cut and foreign bytes; channels on the recording
// device; the OpenAL device when one opens (a null device in the test environment).
#include <gtest/gtest.h>

#include <AL/al.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "framework/mutator.h"
#include "platform/audio.h"
#include "platform/case_folder.h"
#include "platform/diag.h"
#include "platform/files.h"

using namespace platform;

namespace {

void Put16(std::vector<std::uint8_t>& b, int v) {
    b.push_back(static_cast<std::uint8_t>(v & 0xFF));
    b.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}
void Put32(std::vector<std::uint8_t>& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    }
}
void PutTag(std::vector<std::uint8_t>& b, const char* tag) {
    for (int i = 0; i < 4; ++i) {
        b.push_back(static_cast<std::uint8_t>(tag[i]));
    }
}

// A PCM WAV with an optional extra chunk of odd length before the samples.
std::vector<std::uint8_t> MakeWav(int channels, int bits, int rate,
                                  const std::vector<std::uint8_t>& data, bool oddChunk = false) {
    std::vector<std::uint8_t> b;
    PutTag(b, "RIFF");
    Put32(b, 0); // patched below
    PutTag(b, "WAVE");
    if (oddChunk) {
        PutTag(b, "LIST");
        Put32(b, 3);
        b.insert(b.end(), {'a', 'b', 'c', 0}); // 3 bytes + pad
    }
    PutTag(b, "fmt ");
    Put32(b, 16);
    Put16(b, 1);
    Put16(b, channels);
    Put32(b, static_cast<std::uint32_t>(rate));
    Put32(b, static_cast<std::uint32_t>(rate * channels * bits / 8));
    Put16(b, channels * bits / 8);
    Put16(b, bits);
    PutTag(b, "data");
    Put32(b, static_cast<std::uint32_t>(data.size()));
    b.insert(b.end(), data.begin(), data.end());
    const auto riff = static_cast<std::uint32_t>(b.size() - 8);
    for (int i = 0; i < 4; ++i) {
        b[4 + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(riff >> (8 * i));
    }
    return b;
}

SoundPtr NamedSound(const String& name) {
    auto s = std::make_shared<Sound>();
    s->name = name;
    s->samples = {0, 100, -100, 0};
    return s;
}

} // namespace

TEST(Wav, ReadsPcmSamplesSkippingUnknownChunks) {
    Sound s;
    ASSERT_TRUE(
        ParseWav(MakeWav(2, 16, 22050, {0x01, 0x00, 0xFF, 0xFF, 0x00, 0x80, 0xFF, 0x7F}, true), s));
    EXPECT_EQ(s.channels, 2);
    EXPECT_EQ(s.sampleRate, 22050);
    EXPECT_EQ(s.samples, (std::vector<std::int16_t>{1, -1, -32768, 32767}));
    EXPECT_NEAR(s.Seconds(), 2.0 / 22050, 1e-12);

    Sound eight;
    ASSERT_TRUE(ParseWav(MakeWav(1, 8, 8000, {0x80, 0x00, 0xFF}), eight));
    EXPECT_EQ(eight.samples, (std::vector<std::int16_t>{0, -32768, 32512}));
}

TEST(Wav, CutFileKeepsTheWholeFramesThatAreThere) {
    std::vector<std::uint8_t> wav = MakeWav(2, 16, 44100, std::vector<std::uint8_t>(400, 0x11));
    wav.resize(wav.size() - 397); // 3 bytes of samples left: not one whole stereo frame
    Sound s;
    EXPECT_TRUE(ParseWav(wav, s));
    EXPECT_TRUE(s.samples.empty());
    wav = MakeWav(2, 16, 44100, std::vector<std::uint8_t>(400, 0x11));
    wav.resize(wav.size() - 390); // 10 bytes: two frames and a half
    ASSERT_TRUE(ParseWav(wav, s));
    EXPECT_EQ(s.samples.size(), 4u);
}

TEST(Wav, RefusesWhatIsNotAPlainPcmWav) {
    const std::vector<std::uint8_t> good = MakeWav(1, 16, 44100, {0, 0, 1, 0});
    Sound s;
    s.sampleRate = 1234;
    EXPECT_FALSE(ParseWav({}, s));
    EXPECT_FALSE(ParseWav({'R', 'I', 'F', 'F'}, s));
    EXPECT_FALSE(ParseWav(std::vector<std::uint8_t>(good.begin(), good.begin() + 30), s));
    std::vector<std::uint8_t> garbage(good.size());
    for (std::size_t i = 0; i < garbage.size(); ++i) {
        garbage[i] = static_cast<std::uint8_t>(i * 37 + 11);
    }
    EXPECT_FALSE(ParseWav(garbage, s));
    // Header fine, but compressed, 24-bit, 6 channels, rate 0.
    auto patched = [&](std::size_t offset, int value) {
        std::vector<std::uint8_t> b = good;
        b[offset] = static_cast<std::uint8_t>(value);
        b[offset + 1] = 0;
        return b;
    };
    EXPECT_FALSE(ParseWav(patched(20, 2), s));  // ADPCM
    EXPECT_FALSE(ParseWav(patched(34, 24), s)); // bits
    EXPECT_FALSE(ParseWav(patched(22, 6), s));  // channels
    std::vector<std::uint8_t> noRate = good;
    std::fill(noRate.begin() + 24, noRate.begin() + 28, 0);
    EXPECT_FALSE(ParseWav(noRate, s));
    // A chunk claiming four gigabytes is bounded by the real length.
    std::vector<std::uint8_t> huge = good;
    std::fill(huge.begin() + 40, huge.begin() + 44, 0xFF);
    EXPECT_TRUE(ParseWav(huge, s));
    EXPECT_EQ(s.samples, (std::vector<std::int16_t>{0, 1}));
    // A failed parse leaves the sound as it was.
    Sound untouched;
    untouched.sampleRate = 1234;
    EXPECT_FALSE(ParseWav(patched(20, 2), untouched));
    EXPECT_EQ(untouched.sampleRate, 1234);
}

// Damaged copies of the kept WAV files, from a fixed seed: each parses to a sound of one or two
// channels with no more samples than the file has bytes, or to nothing; loaded from a file they
// give the same. A fixed number of runs: the same files on any machine, about a second under the
// sanitizers.
TEST(Wav, DamagedFilesNeverHurt) {
    const auto folder = CaseFolder("wav_fuzz");
    const std::string file = (folder / "son.wav").string();
    const auto seeds = CorpusFiles("wav");
    ASSERT_GE(seeds.size(), 3u);
    Mutator mutator(20261206);
    const int runs = 3000;
    int parsed = 0;
    ::testing::internal::CaptureStderr();
    for (int run = 0; run < runs; ++run) {
        const auto bytes = mutator.MutateBytes(seeds[static_cast<std::size_t>(run) % seeds.size()]);
        Sound s;
        const bool ok = ParseWav(bytes, s);
        if (ok) {
            ++parsed;
            ASSERT_TRUE(s.channels == 1 || s.channels == 2);
            ASSERT_TRUE(s.sampleRate > 0 && s.sampleRate <= 384000);
            ASSERT_LE(s.samples.size(), bytes.size());
            ASSERT_EQ(s.samples.size() % static_cast<std::size_t>(s.channels), 0u);
        }
        if (run % 10 == 0) {
            std::ofstream(file, std::ios::binary | std::ios::trunc)
                .write(reinterpret_cast<const char*>(bytes.data()),
                       static_cast<std::streamsize>(bytes.size()));
            const SoundPtr loaded = LoadSound(FromUtf8(file));
            ASSERT_EQ(loaded != nullptr, ok);
            if (loaded) {
                ASSERT_EQ(loaded->samples, s.samples);
            }
        }
    }
    ::testing::internal::GetCapturedStderr();
    // The damage leaves many files readable: the run reaches the samples, not only the header.
    EXPECT_GT(parsed, runs / 4);
}

TEST(Channels, PlayRestartsTheChannelStopSilencesItAndBadCallsDoNothing) {
    RecordingAudio audio;
    SetAudioDevice(&audio);
    const SoundPtr guitar = NamedSound(u"guitare1.wav");
    const SoundPtr pop = NamedSound(u"pop1.wav");
    PlaySound(guitar, 8, SoundLoop);
    PlaySound(pop, 0);
    PlaySound(pop, 0);
    EXPECT_TRUE(audio.channels[8].playing);
    EXPECT_TRUE(audio.channels[8].loop);
    EXPECT_EQ(audio.channels[8].sound, u"guitare1.wav");
    EXPECT_FALSE(audio.channels[0].loop);
    StopChannel(8);
    EXPECT_FALSE(audio.channels[8].playing);
    ASSERT_EQ(audio.events.size(), 4u);
    EXPECT_EQ(audio.events[3].kind, RecordingAudio::Event::Stop);
    EXPECT_EQ(audio.events[3].channel, 8);

    // A null sound does not even stop the channel; channels outside 0..31 are ignored.
    PlaySound(nullptr, 0);
    EXPECT_TRUE(audio.channels[0].playing);
    PlaySound(pop, 32);
    PlaySound(pop, -1);
    StopChannel(32);
    StopChannel(-1);
    EXPECT_EQ(audio.events.size(), 4u);
    // Without a device everything is silent.
    SetAudioDevice(nullptr);
    PlaySound(pop, 3);
    StopChannel(3);
    EXPECT_EQ(audio.events.size(), 4u);
}

TEST(Loading, MissingFileGivesNullWithOneLine) {
    const auto dir = CaseFolder("audio_loading");
    SetDataFolder(FromUtf8(dir.string()));
    {
        const auto wav = MakeWav(1, 16, 44100, {0, 0, 1, 0});
        std::ofstream(dir / "pop1.wav", std::ios::binary)
            .write(reinterpret_cast<const char*>(wav.data()),
                   static_cast<std::streamsize>(wav.size()));
        std::ofstream(dir / "bruit.wav") << "pas un son";
        // Ogg Vorbis is not read at all, so no damaged comment header reaches a decoder.
        std::ofstream(dir / "musique.ogg") << std::string("OggS\0\2\0\0\0\0\0\0\0\0\x03vorbis"
                                                          "\xff\xff\xff\x7f",
                                                          25);
    }
    ResetWarnings();
    RecordingAudio audio;
    SetAudioDevice(&audio);
    const SoundPtr pop = LoadSound(u"pop1.wav");
    ASSERT_TRUE(pop);
    EXPECT_EQ(pop->name, FromUtf8((dir / "pop1.wav").string()));
    EXPECT_EQ(pop->samples.size(), 2u);

    testing::internal::CaptureStderr();
    EXPECT_FALSE(LoadSound(u"absent.wav"));
    EXPECT_FALSE(LoadSound(u"absent.wav"));
    EXPECT_FALSE(LoadSound(u"bruit.wav"));
    EXPECT_FALSE(LoadSound(u"musique.ogg"));
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 3);
    EXPECT_NE(err.find("absent.wav"), std::string::npos);

    SetAudioDevice(nullptr);
    SetDataFolder(u"");
    ResetWarnings();
}

// With the null driver OpenAL Soft opens a device; without any, there is silence. Either way
// the calls are safe, including a sound dropped while it plays.
TEST(OpenAl, DeviceSurvivesSoundsDroppedWhilePlaying) {
    std::unique_ptr<AudioDevice> device = OpenOpenAlDevice();
    if (!device) {
        GTEST_SKIP() << "no audio device";
    }
    SetAudioDevice(device.get());
    Sound loaded;
    ASSERT_TRUE(ParseWav(MakeWav(1, 16, 22050, std::vector<std::uint8_t>(4410, 0)), loaded));
    auto kept = std::make_shared<Sound>(loaded);
    {
        auto dropped = std::make_shared<Sound>(loaded);
        device->Prepare(*dropped);
        PlaySound(dropped, 8, SoundLoop);
    }
    PlaySound(kept, 0);
    device->PauseAll();
    device->ResumeAll();
    PlaySound(kept, 8); // replaces the dropped sound's buffer on its channel
    StopChannel(0);
    StopChannel(5); // silent: nothing happens
    // An empty sound plays nothing rather than failing.
    PlaySound(std::make_shared<Sound>(), 1);
    SetAudioDevice(nullptr);
    device.reset();
    // A sound outliving its device is released safely.
    kept.reset();
}

namespace {

// True while a source of the current OpenAL context plays (OpenAL Soft numbers its sources from 1).
bool AnyOpenAlSourcePlaying() {
    for (ALuint source = 1; source <= 256; ++source) {
        ALint state = 0;
        if (alIsSource(source)) {
            alGetSourcei(source, AL_SOURCE_STATE, &state);
            if (state == AL_PLAYING) {
                return true;
            }
        }
    }
    return false;
}

// In a fresh process (OpenAL Soft reads its configuration once): OpenAL Soft's wave-file
// backend records what the device mixes into `out`.
[[noreturn]] void PlayIntoWaveFile(const std::string& out) {
    const std::string conf = out + ".conf";
    std::ofstream(conf) << "[general]\ndrivers = wave\n[wave]\nfile = " << out << "\n";
    setenv("ALSOFT_CONF", conf.c_str(), 1);
    setenv("ALSOFT_DRIVERS", "wave", 1);
    std::unique_ptr<AudioDevice> device = OpenOpenAlDevice();
    if (!device) {
        _exit(3);
    }
    SetAudioDevice(device.get());
    auto tone = std::make_shared<Sound>();
    tone->sampleRate = 22050;
    for (int i = 0; i < 22050 / 4; ++i) {
        tone->samples.push_back(static_cast<std::int16_t>((i / 25) % 2 ? 12000 : -12000));
    }
    PlaySound(tone, 0);
    tone.reset(); // the channel keeps what it plays
    // The device mixes in real time on a thread of its own, slower on a loaded machine: wait
    // until the source has played the tone out (bounded, in case it never starts).
    for (int waited = 0; waited < 3000 && AnyOpenAlSourcePlaying(); ++waited) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    SetAudioDevice(nullptr);
    device.reset();
    _exit(0);
}

} // namespace

TEST(OpenAlDeathTest, SoundReallyReachesTheOutput) {
    // The child process runs this body again: the file name goes to it through the
    // environment, so that both name the same file.
    if (std::getenv("MQ_WAVE_TEST_FILE") == nullptr) {
        const auto name = std::filesystem::temp_directory_path() /
                          ("mq-wave-" + std::to_string(getpid()) + ".wav");
        setenv("MQ_WAVE_TEST_FILE", name.c_str(), 1);
    }
    const std::string out = std::getenv("MQ_WAVE_TEST_FILE");
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        PlayIntoWaveFile(out),
        [](int status) {
            return WIFEXITED(status) && (WEXITSTATUS(status) == 0 || WEXITSTATUS(status) == 3);
        },
        "");
    std::ifstream in(out, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), {});
    std::filesystem::remove(out);
    std::filesystem::remove(out + ".conf");
    if (bytes.empty()) {
        GTEST_SKIP() << "OpenAL Soft without its wave-file backend";
    }
    const auto data = bytes.find("data");
    ASSERT_NE(data, std::string::npos);
    // Silence is all zero bytes, whether the file holds integers or floats.
    EXPECT_NE(bytes.find_first_not_of('\0', data + 8), std::string::npos);
}
