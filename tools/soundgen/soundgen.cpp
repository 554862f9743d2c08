// Sound synthesiser: writes the game's 31 short sounds as 16-bit mono PCM WAV at 44 100 Hz.
//
//   mq_soundgen OUTPUT_FOLDER
//
// Index: signal helpers · finishing and checks · WAV writing · the sounds, one function each ·
// the table of sounds · main.
// Everything is deterministic: the noise comes from a seeded generator per sound, so a rebuild
// gives byte-identical files.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int Rate = 44100;
constexpr double Pi = 3.14159265358979323846;
// Sounds peak at -3 dBFS unless their table row asks for less.
constexpr double DefaultPeakDb = -3.0;
double Level(double db) { return std::pow(10.0, db / 20.0); }

using Signal = std::vector<double>;

[[noreturn]] void Fail(const std::string& message) {
    std::fprintf(stderr, "mq_soundgen: %s\n", message.c_str());
    std::exit(1);
}

// ---------------------------------------------------------------------------------------------
// Signal helpers

int Samples(double seconds) { return static_cast<int>(std::lround(seconds * Rate)); }

// A small deterministic white-noise source in [-1, 1].
class Noise {
  public:
    explicit Noise(std::uint32_t seed) : state_(seed ? seed : 1) {}
    double Next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return static_cast<double>(state_) / 2147483647.5 - 1.0;
    }
    // Uniform in [0, 1).
    double Unit() { return (Next() + 1.0) * 0.5 * 0.999999; }

  private:
    std::uint32_t state_;
};

// Resonant band-pass (RBJ cookbook, constant peak gain) whose centre may move every sample.
class BandPass {
  public:
    double Process(double x, double centre, double q) {
        double w = 2.0 * Pi * std::clamp(centre, 20.0, Rate * 0.45) / Rate;
        double alpha = std::sin(w) / (2.0 * q);
        double a0 = 1.0 + alpha;
        double b0 = alpha / a0, b2 = -alpha / a0;
        double a1 = -2.0 * std::cos(w) / a0, a2 = (1.0 - alpha) / a0;
        double y = b0 * x + b2 * x2_ - a1 * y1_ - a2 * y2_;
        x2_ = x1_;
        x1_ = x;
        y2_ = y1_;
        y1_ = y;
        return y;
    }

  private:
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// One-pole low-pass; the high-pass is the input minus it.
class OnePole {
  public:
    double Low(double x, double cutoff) {
        double a = 1.0 - std::exp(-2.0 * Pi * cutoff / Rate);
        state_ += a * (x - state_);
        return state_;
    }
    double High(double x, double cutoff) { return x - Low(x, cutoff); }

  private:
    double state_ = 0;
};

// A sine whose frequency may change every sample.
class Oscillator {
  public:
    double Next(double frequency) {
        double v = std::sin(phase_);
        phase_ += 2.0 * Pi * frequency / Rate;
        if (phase_ > 2.0 * Pi)
            phase_ -= 2.0 * Pi;
        return v;
    }

  private:
    double phase_ = 0;
};

// Exponential fall from 1 at t = 0, reaching about -60 dB at `seconds`.
double Decay(double t, double seconds) { return std::exp(-6.9 * t / seconds); }

// Linear rise over `attack` seconds: takes the edge off a sine start without leaving silence.
double Attack(double t, double attack) { return t >= attack ? 1.0 : t / attack; }

// Exponential glide between two frequencies over `seconds`.
double Glide(double t, double from, double to, double seconds) {
    double k = std::clamp(t / seconds, 0.0, 1.0);
    return from * std::pow(to / from, k);
}

void MixInto(Signal& into, const Signal& part, int offset, double gain = 1.0) {
    if (into.size() < part.size() + offset)
        into.resize(part.size() + offset, 0.0);
    for (size_t i = 0; i < part.size(); ++i)
        into[i + offset] += gain * part[i];
}

// Bell-like note for the jingles: a few decaying partials.
Signal Note(double frequency, double seconds, double ring) {
    Signal s(Samples(seconds));
    for (size_t i = 0; i < s.size(); ++i) {
        double t = static_cast<double>(i) / Rate;
        double env = Attack(t, 0.003) * Decay(t, ring);
        s[i] = env * (std::sin(2 * Pi * frequency * t) +
                      0.35 * std::sin(4 * Pi * frequency * t) * Decay(t, ring * 0.5) +
                      0.12 * std::sin(6 * Pi * frequency * t) * Decay(t, ring * 0.3));
    }
    return s;
}

double Midi(int note) { return 440.0 * std::pow(2.0, (note - 69) / 12.0); }

// ---------------------------------------------------------------------------------------------
// Finishing and checks

struct Spec {
    const char* name;
    double minSeconds;
    double maxSeconds;
    bool loop;
    std::function<Signal()> make;
    double peakDb = DefaultPeakDb;
};

// Drops leading near-silence, scales to the peak level and fades the last 5 ms (a loop keeps its
// ends: they join each other).
void Finish(Signal& s, bool loop, double peakDb) {
    double peak = 0;
    for (double v : s)
        peak = std::max(peak, std::fabs(v));
    if (peak <= 0)
        Fail("silent sound");
    if (!loop) {
        size_t first = 0;
        while (first < s.size() && std::fabs(s[first]) < peak * 0.001)
            ++first;
        s.erase(s.begin(), s.begin() + static_cast<std::ptrdiff_t>(first));
        int fade = std::min<int>(Samples(0.005), static_cast<int>(s.size()));
        for (int i = 0; i < fade; ++i)
            s[s.size() - 1 - i] *= static_cast<double>(i) / fade;
    }
    for (double& v : s)
        v *= Level(peakDb) / peak;
}

void Check(const Spec& spec, const Signal& s) {
    std::string name = spec.name;
    double seconds = static_cast<double>(s.size()) / Rate;
    if (seconds < spec.minSeconds - 1e-9 || seconds > spec.maxSeconds + 1e-9)
        Fail(name + " lasts " + std::to_string(seconds) + " s");
    double peak = 0;
    for (double v : s)
        peak = std::max(peak, std::fabs(v));
    if (std::fabs(20.0 * std::log10(peak) - spec.peakDb) > 0.1)
        Fail(name + " misses its level");
    // Tied to visible events: sound within the first 2 ms.
    int firstLoud = 0;
    while (firstLoud < static_cast<int>(s.size()) && std::fabs(s[firstLoud]) < peak * 0.015)
        ++firstLoud;
    if (firstLoud > Samples(0.002))
        Fail(name + " starts with silence");
    if (!spec.loop && std::fabs(s.back()) > 1e-3)
        Fail(name + " ends with a click");
}

// ---------------------------------------------------------------------------------------------
// WAV writing

void WriteWav(const std::string& path, const Signal& s) {
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(s.size() * 2);
    std::vector<std::uint8_t> bytes(44 + dataBytes, 0);
    size_t at = 0;
    auto put = [&](std::uint32_t v, int count) {
        for (int i = 0; i < count; ++i)
            bytes[at++] = static_cast<std::uint8_t>(v >> (8 * i));
    };
    auto tag = [&](const char* t) {
        for (int i = 0; i < 4; ++i)
            bytes[at++] = static_cast<std::uint8_t>(t[i]);
    };
    tag("RIFF");
    put(36 + dataBytes, 4);
    tag("WAVE");
    tag("fmt ");
    put(16, 4);
    put(1, 2); // PCM
    put(1, 2); // mono
    put(Rate, 4);
    put(Rate * 2, 4);
    put(2, 2);
    put(16, 2);
    tag("data");
    put(dataBytes, 4);
    for (double v : s) {
        long q = std::lround(v * 32767.0);
        if (q > 32767 || q < -32767)
            Fail(path + " clips");
        put(static_cast<std::uint16_t>(static_cast<std::int16_t>(q)), 2);
    }
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        Fail("cannot write " + path);
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    ok = std::fclose(f) == 0 && ok;
    if (!ok)
        Fail("cannot write " + path);
}

// ---------------------------------------------------------------------------------------------
// The sounds

// A soft pop: a sine falling 700 -> 250 Hz with a tiny click on top.
Signal Pop() {
    Signal s(Samples(0.080));
    Oscillator osc;
    Noise noise(11);
    for (size_t i = 0; i < s.size(); ++i) {
        double t = static_cast<double>(i) / Rate;
        double tone = osc.Next(Glide(t, 700, 250, 0.06)) * Attack(t, 0.001) * Decay(t, 0.08);
        double click = t < 0.002 ? noise.Next() * (1.0 - t / 0.002) * 0.3 : 0.0;
        s[i] = tone + click;
    }
    return s;
}

// A dry click: a very short resonant noise tick.
Signal Click() {
    Signal s(Samples(0.020));
    Noise noise(12);
    BandPass bp;
    for (size_t i = 0; i < s.size(); ++i) {
        double t = static_cast<double>(i) / Rate;
        s[i] = bp.Process(noise.Next(), 3200, 4) * Decay(t, 0.012);
    }
    return s;
}

// The camera shutter: two mechanical clicks 60 ms apart, each a noise tick with metal ring.
Signal Shutter() {
    Signal s(Samples(0.150), 0.0);
    Noise noise(13);
    auto clack = [&](double ring, double metal, double level) {
        Signal c(Samples(0.060));
        BandPass a, b;
        OnePole hp;
        for (size_t i = 0; i < c.size(); ++i) {
            double t = static_cast<double>(i) / Rate;
            double n = hp.High(noise.Next(), 800) * Decay(t, 0.010);
            c[i] = level * (n + 0.8 * a.Process(n, metal, 12) * Decay(t, ring) +
                            0.5 * b.Process(n, metal * 0.37, 8) * Decay(t, ring * 0.7));
        }
        return c;
    };
    MixInto(s, clack(0.030, 4200, 1.0), 0);
    MixInto(s, clack(0.045, 3500, 0.85), Samples(0.060));
    s.resize(Samples(0.150));
    return s;
}

// A whoosh: band-passed noise gliding between two centres, swelling then fading.
Signal Whoosh(double from, double to, std::uint32_t seed) {
    Signal s(Samples(0.250));
    Noise noise(seed);
    BandPass bp;
    for (size_t i = 0; i < s.size(); ++i) {
        double t = static_cast<double>(i) / Rate;
        double k = t / 0.250;
        double env = std::sin(Pi * (0.1 + 0.9 * std::pow(k, 0.6)));
        s[i] = bp.Process(noise.Next(), Glide(t, from, to, 0.250), 2.5) * env;
    }
    return s;
}

// A cartoon bonk: a knock whose pitch drops, on a short low-passed noise attack.
Signal Hit(double pitch, double seconds, std::uint32_t seed) {
    Signal s(Samples(seconds));
    Oscillator osc, overtone;
    Noise noise(seed);
    OnePole lp;
    for (size_t i = 0; i < s.size(); ++i) {
        double t = static_cast<double>(i) / Rate;
        double f = Glide(t, pitch * 1.8, pitch, 0.05);
        double tone = (osc.Next(f) + 0.3 * overtone.Next(f * 2.7) * Decay(t, seconds * 0.3)) *
                      Attack(t, 0.0015) * Decay(t, seconds);
        double thump = lp.Low(noise.Next(), 1800) * Decay(t, 0.025) * 2.5;
        s[i] = tone + thump;
    }
    return s;
}

// A footstep: a low-passed noise scuff with a soft thump; `heel` adds a harder click.
Signal Step(double cutoff, double thumpHz, double seconds, double heel, std::uint32_t seed) {
    Signal s(Samples(seconds));
    Noise noise(seed);
    OnePole lp, lp2;
    BandPass bp;
    Oscillator osc;
    for (size_t i = 0; i < s.size(); ++i) {
        double t = static_cast<double>(i) / Rate;
        double n = noise.Next();
        double scuff = lp2.Low(lp.Low(n, cutoff), cutoff) * 3.0 *
                       (t < 0.004 ? 0.5 + t / 0.008 : 1.0) * Decay(t, seconds * 0.8);
        double thump = osc.Next(thumpHz) * Decay(t, seconds * 0.5) * 0.6 * Attack(t, 0.002);
        double click = heel * bp.Process(n, 2500, 3) * Decay(t, 0.012);
        s[i] = scuff + thump + click;
    }
    return s;
}

// A rusty squeak: a chirp with vibrato and a raspy overtone.
Signal Squeak(double low, double high, double seconds, double vibrato, std::uint32_t seed) {
    Signal s(Samples(seconds));
    Oscillator osc, harm;
    Noise noise(seed);
    BandPass rasp;
    for (size_t i = 0; i < s.size(); ++i) {
        double t = static_cast<double>(i) / Rate;
        double k = t / seconds;
        // Up, then a little back down, as a dry pivot turns.
        double curve = std::sin(Pi * std::min(1.0, k * 1.3)) * 0.8 + 0.2 * k;
        double f = low + (high - low) * curve;
        f *= 1.0 + 0.035 * std::sin(2 * Pi * vibrato * t);
        // Starts at a third of full level: a squeak has no silent lead-in.
        double env = std::sin(Pi * (0.1 + 0.9 * k));
        double body = osc.Next(f) + 0.4 * harm.Next(f * 2.01);
        s[i] = env * (body + 0.5 * rasp.Process(noise.Next(), f, 6));
    }
    return s;
}

// An elephant's stomp: a low sine falling in pitch under a heavy noise attack.
Signal Stomp(double from, double to, double seconds, std::uint32_t seed) {
    Signal s(Samples(seconds));
    Oscillator osc;
    Noise noise(seed);
    OnePole lp, lp2;
    for (size_t i = 0; i < s.size(); ++i) {
        double t = static_cast<double>(i) / Rate;
        double boom =
            osc.Next(Glide(t, from, to, seconds * 0.6)) * Attack(t, 0.004) * Decay(t, seconds);
        double attack = lp2.Low(lp.Low(noise.Next(), 400), 400) * 6.0 * Decay(t, 0.06);
        s[i] = boom + attack;
    }
    return s;
}

// A pan sizzling: high-passed crackle with random pops, fading in and out over 1.5 s.
Signal Frying() {
    Signal s(Samples(1.5), 0.0);
    Noise noise(21);
    OnePole hp;
    double crackle = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        double t = static_cast<double>(i) / Rate;
        double env = std::min({1.0, 0.15 + t / 0.12, (1.5 - t) / 0.35});
        // Crackle: sparse impulses with short tails over a hiss bed.
        if (noise.Unit() < 0.004)
            crackle = noise.Next();
        crackle *= 0.85;
        s[i] = env * (hp.High(noise.Next(), 3000) * 0.25 + crackle);
    }
    // A few fat pops of oil.
    for (int k = 0; k < 9; ++k) {
        int at = static_cast<int>(noise.Unit() * (s.size() - Samples(0.03)));
        Oscillator osc;
        double f = 900 + noise.Unit() * 1400;
        Signal pop(Samples(0.015));
        for (size_t i = 0; i < pop.size(); ++i)
            pop[i] = osc.Next(f) * Decay(static_cast<double>(i) / Rate, 0.015) * 0.5;
        MixInto(s, pop, at);
    }
    return s;
}

// A strummed guitar: Karplus-Strong strings, 12 strums in 4 s, wrapped into a seamless loop.
Signal Guitar() {
    const double loopSeconds = 4.0;
    const int loop = Samples(loopSeconds);
    // Four chords, three strums each (C, G, A minor, F; low to high strings as MIDI notes).
    const int chords[4][6] = {{48, 52, 55, 60, 64, 67},
                              {43, 47, 50, 55, 59, 67},
                              {45, 52, 57, 60, 64, 69},
                              {41, 48, 53, 57, 60, 65}};
    Signal s(loop + Samples(2.0), 0.0);
    Noise noise(31);
    for (int strum = 0; strum < 12; ++strum) {
        const int* chord = chords[strum / 3];
        bool down = strum % 3 != 1; // down, up, down
        int start = Samples(strum * loopSeconds / 12);
        double level = strum % 3 == 0 ? 1.0 : 0.75;
        for (int string = 0; string < 6; ++string) {
            int index = down ? string : 5 - string;
            double f = Midi(chord[index]);
            int period = static_cast<int>(std::lround(Rate / f));
            std::vector<double> line(period);
            // A softened pluck: noise averaged once, so the attack is not harsh.
            double previous = 0;
            for (double& v : line) {
                double n = noise.Next();
                v = 0.5 * (n + previous);
                previous = n;
            }
            int offset = start + Samples(0.012 * string);
            int length = Samples(1.9);
            size_t p = 0;
            for (int i = 0; i < length; ++i) {
                double current = line[p];
                double next = line[(p + 1) % line.size()];
                line[p] = 0.996 * 0.5 * (current + next);
                p = (p + 1) % line.size();
                s[offset + i] += level * current * Attack(i / double(Rate), 0.002);
            }
        }
    }
    // The tail past the loop point sounds over the loop's start, as it will when it repeats.
    for (size_t i = loop; i < s.size(); ++i)
        s[i - loop] += s[i];
    s.resize(loop);
    // A gentle low-pass for a warmer, nylon-like tone; primed with the loop's end so the join
    // stays seamless.
    OnePole warm;
    for (double v : s)
        warm.Low(v, 3500);
    for (double& v : s)
        v = warm.Low(v, 3500);
    return s;
}

// A snore: a low rumbling inhale (noise pulsed at about 30 Hz), then a soft whistle out.
Signal Snore() {
    Signal s(Samples(1.5), 0.0);
    Noise noise(41);
    OnePole lp, lp2;
    BandPass whistleBreath;
    Oscillator flutter, whistle;
    // Breath is already moving at the first sample: warm the rumble filters up first.
    for (int i = 0; i < Samples(0.02); ++i)
        lp2.Low(lp.Low(noise.Next(), 500), 500);
    for (size_t i = 0; i < s.size(); ++i) {
        double t = static_cast<double>(i) / Rate;
        double inhale = 0;
        if (t < 0.95) {
            double env = std::sin(Pi * (0.1 + 0.9 * std::pow(t / 0.95, 0.7)));
            double pulse = 0.55 + 0.45 * flutter.Next(30 + 4 * t);
            inhale = lp2.Low(lp.Low(noise.Next(), 500), 500) * 5.0 * pulse * env;
        }
        double out = 0;
        if (t > 0.9) {
            double k = (t - 0.9) / 0.6;
            double env = std::sin(Pi * k) * 0.35;
            out = env * (whistle.Next(Glide(t - 0.9, 950, 700, 0.6)) +
                         0.6 * whistleBreath.Process(noise.Next(), 1200, 2));
        }
        s[i] = inhale + out;
    }
    return s;
}

// A bubbly plop: a resonant blip gliding up.
Signal Plop() {
    Signal s(Samples(0.120));
    Oscillator osc;
    for (size_t i = 0; i < s.size(); ++i) {
        double t = static_cast<double>(i) / Rate;
        double f = Glide(t, 220, 900, 0.07);
        s[i] = osc.Next(f) * Attack(t, 0.002) * std::min(1.0, Decay(t, 0.12) * 1.4);
    }
    return s;
}

// A rising three-note arpeggio, about 0.28 s, starting on `root`.
Signal Jingle(int root) {
    Signal s(Samples(0.28), 0.0);
    const int steps[3] = {0, 4, 7};
    for (int n = 0; n < 3; ++n)
        MixInto(s, Note(Midi(root + steps[n]), 0.28 - n * 0.085, 0.22), Samples(n * 0.085),
                n == 2 ? 1.0 : 0.8);
    s.resize(Samples(0.28));
    return s;
}

// The credit flourish: four quick notes and a closing chord, about 0.55 s.
Signal Flourish() {
    Signal s(Samples(0.55), 0.0);
    const int run[4] = {72, 74, 76, 79};
    for (int n = 0; n < 4; ++n)
        MixInto(s, Note(Midi(run[n]), 0.2, 0.12), Samples(n * 0.06), 0.7);
    for (int note : {72, 76, 79, 84})
        MixInto(s, Note(Midi(note), 0.55 - 0.24, 0.3), Samples(0.24), 0.45);
    s.resize(Samples(0.55));
    return s;
}

// ---------------------------------------------------------------------------------------------
// The table of sounds: file name, allowed duration, loop, recipe.

// The unicycle squeaks every 0.4 s while it rolls: so shrill a sound stays softer.
constexpr double SqueakDb = -9.0;

std::vector<Spec> Sounds() {
    return {
        {"pop1.wav", 0.06, 0.09, false, Pop},
        {"clic1.wav", 0.015, 0.025, false, Click},
        {"clicclacmercikodak.wav", 0.14, 0.16, false, Shutter},
        {"pfiou1.wav", 0.22, 0.26, false, [] { return Whoosh(2600, 500, 14); }},
        {"pfiou2.wav", 0.22, 0.26, false, [] { return Whoosh(500, 3200, 15); }},
        {"hit1.wav", 0.12, 0.20, false, [] { return Hit(180, 0.170, 16); }},
        {"hit2.wav", 0.12, 0.20, false, [] { return Hit(240, 0.140, 17); }},
        {"hit3.wav", 0.12, 0.20, false, [] { return Hit(140, 0.200, 18); }},
        {"hit4.wav", 0.12, 0.20, false, [] { return Hit(320, 0.125, 19); }},
        {"step1a.wav", 0.08, 0.12, false, [] { return Step(700, 85, 0.100, 0.0, 51); }},
        {"step1b.wav", 0.08, 0.12, false, [] { return Step(620, 78, 0.105, 0.0, 52); }},
        {"step2a.wav", 0.08, 0.12, false, [] { return Step(1400, 110, 0.085, 0.6, 53); }},
        {"step2b.wav", 0.08, 0.12, false, [] { return Step(1250, 100, 0.090, 0.5, 54); }},
        {"step3a.wav", 0.08, 0.12, false, [] { return Step(1000, 95, 0.115, 0.15, 55); }},
        {"step3b.wav", 0.08, 0.12, false, [] { return Step(900, 90, 0.118, 0.12, 56); }},
        {"squeak1.wav", 0.15, 0.25, false, [] { return Squeak(1500, 2400, 0.18, 23, 61); },
         SqueakDb},
        {"squeak2.wav", 0.15, 0.25, false, [] { return Squeak(1700, 2900, 0.21, 31, 62); },
         SqueakDb},
        {"squeak3.wav", 0.15, 0.25, false, [] { return Squeak(1600, 2200, 0.16, 19, 63); },
         SqueakDb},
        {"squeak4.wav", 0.15, 0.25, false, [] { return Squeak(1900, 3000, 0.24, 27, 64); },
         SqueakDb},
        {"squeak5.wav", 0.15, 0.25, false, [] { return Squeak(1500, 2700, 0.20, 35, 65); },
         SqueakDb},
        {"elephant_stomp.wav", 0.28, 0.34, false, [] { return Stomp(80, 42, 0.300, 71); }},
        {"elephant_stomp2.wav", 0.28, 0.34, false, [] { return Stomp(72, 38, 0.320, 72); }},
        {"cuisine.wav", 1.45, 1.55, false, Frying},
        {"guitare1.wav", 4.0, 4.0, true, Guitar},
        {"zzz.wav", 1.4, 1.6, false, Snore},
        {"plop.wav", 0.10, 0.13, false, Plop},
        {"jingle1.wav", 0.26, 0.29, false, [] { return Jingle(72); }},
        {"jingle2.wav", 0.26, 0.29, false, [] { return Jingle(74); }},
        {"jingle3.wav", 0.26, 0.29, false, [] { return Jingle(76); }},
        {"jingle4.wav", 0.26, 0.29, false, [] { return Jingle(79); }},
        {"jingle5.wav", 0.53, 0.56, false, Flourish},
    };
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Main

int main(int argc, char** argv) {
    if (argc != 2)
        Fail("usage: mq_soundgen OUTPUT_FOLDER");
    const std::string folder = argv[1];
    std::vector<Spec> sounds = Sounds();
    if (sounds.size() != 31)
        Fail("the game loads 31 sounds");
    for (const Spec& spec : sounds) {
        Signal s = spec.make();
        Finish(s, spec.loop, spec.peakDb);
        Check(spec, s);
        WriteWav(folder + "/" + spec.name, s);
    }
    return 0;
}
