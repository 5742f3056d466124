// Synthesises the game's sound effects as small WAV files (22050 Hz, mono, 16-bit PCM).
//
//   make_sounds [OUTPUT_DIR]        (default: resources/sounds)
//
// The noise in the shot sound comes from a fixed seed, so every run writes the same bytes.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kPi = 3.14159265358979323846;
constexpr std::uint32_t kSeed = 0x50D0u;

using Samples = std::vector<double>;

Samples silence(double seconds)
{
    return Samples(static_cast<size_t>(seconds * kRate), 0.0);
}

// Attack-decay envelope: a short linear rise, then an exponential fall.
double envelope(double t, double attack, double decay)
{
    if (t < attack)
        return t / attack;
    return std::exp(-(t - attack) / decay);
}

// A tone whose frequency may change over time; the phase is integrated, so glides stay smooth.
void addTone(Samples& out, double start, double length, const std::function<double(double)>& freq,
             const std::function<double(double)>& shape, double amp, double attack, double decay)
{
    const auto first = static_cast<size_t>(start * kRate);
    const auto count = static_cast<size_t>(length * kRate);
    if (out.size() < first + count)
        out.resize(first + count, 0.0);
    double phase = 0;
    for (size_t i = 0; i < count; ++i) {
        const double t = double(i) / kRate;
        phase += freq(t) / kRate;
        // Every note ends with a 5 ms fade so it never clicks.
        const double tail = std::min(1.0, (length - t) / 0.005);
        out[first + i] += amp * envelope(t, attack, decay) * tail * shape(phase - std::floor(phase));
    }
}

double sine(double p)
{
    return std::sin(2 * kPi * p);
}
double triangle(double p)
{
    return p < 0.5 ? 4 * p - 1 : 3 - 4 * p;
}
// A square with softened edges: bright but not harsh.
double softSquare(double p)
{
    return std::tanh(4.0 * std::sin(2 * kPi * p)) * 0.8;
}
double saw(double p)
{
    return 2 * p - 1;
}

std::function<double(double)> fixed(double hz)
{
    return [hz](double) { return hz; };
}

// A bell-like note: a fundamental and two inharmonic partials that fade faster.
void addBell(Samples& out, double start, double hz, double amp, double length)
{
    addTone(out, start, length, fixed(hz), sine, amp, 0.002, length * 0.35);
    addTone(out, start, length, fixed(hz * 2.76), sine, amp * 0.35, 0.002, length * 0.12);
    addTone(out, start, length, fixed(hz * 5.40), sine, amp * 0.15, 0.001, length * 0.05);
}

double note(int semitonesFromA4)
{
    return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0);
}

Samples start()
{
    // C5 E5 G5 C6, the last held.
    Samples s = silence(0.62);
    const int notes[] = {3, 7, 10, 15};
    for (int i = 0; i < 4; ++i) {
        const double len = i == 3 ? 0.32 : 0.1;
        addTone(s, i * 0.09, len, fixed(note(notes[i])), softSquare, 0.28, 0.004, i == 3 ? 0.14 : 0.06);
        addTone(s, i * 0.09, len, fixed(note(notes[i] + 12)), triangle, 0.1, 0.004, 0.05);
    }
    return s;
}

Samples shot()
{
    // The tock of a putter face: a knock of two damped tones and a breath of noise.
    Samples s = silence(0.12);
    addTone(s, 0, 0.12, fixed(1250), sine, 0.55, 0.0008, 0.012);
    addTone(s, 0, 0.12, fixed(380), triangle, 0.35, 0.001, 0.025);
    std::mt19937 rng(kSeed);
    std::uniform_real_distribution<double> noise(-1.0, 1.0);
    for (size_t i = 0; i < s.size(); ++i)
        s[i] += 0.25 * noise(rng) * envelope(double(i) / kRate, 0.0005, 0.004);
    return s;
}

Samples in()
{
    // Ding-dong upwards: G5 then C6 as bells, a little sparkle on top.
    Samples s = silence(0.9);
    addBell(s, 0.0, note(10), 0.35, 0.5);
    addBell(s, 0.12, note(15), 0.4, 0.78);
    addTone(s, 0.12, 0.3, fixed(note(27)), sine, 0.06, 0.01, 0.08);
    return s;
}

Samples approach()
{
    // One soft chime on A5, rounded attack.
    Samples s = silence(0.55);
    addTone(s, 0, 0.55, fixed(note(12)), sine, 0.3, 0.02, 0.18);
    addTone(s, 0, 0.55, fixed(note(24)), sine, 0.06, 0.02, 0.08);
    return s;
}

Samples dame()
{
    // A low, wobbling buzz: two slightly detuned saws.
    Samples s = silence(0.5);
    auto wobble = [](double base) {
        return [base](double t) { return base * (1.0 + 0.03 * std::sin(2 * kPi * 9 * t)); };
    };
    addTone(s, 0, 0.5, wobble(98), saw, 0.22, 0.01, 0.35);
    addTone(s, 0, 0.5, wobble(101), saw, 0.22, 0.01, 0.35);
    return s;
}

Samples akuma()
{
    // A ghostly glide down two octaves with a slow tremolo.
    Samples s = silence(0.95);
    auto glide = [](double from, double to) {
        return [from, to](double t) {
            const double u = std::min(1.0, t / 0.9);
            return from * std::pow(to / from, u) * (1.0 + 0.02 * std::sin(2 * kPi * 6 * t));
        };
    };
    addTone(s, 0, 0.95, glide(640, 160), triangle, 0.3, 0.05, 0.6);
    addTone(s, 0, 0.95, glide(652, 163), sine, 0.2, 0.05, 0.6);
    for (size_t i = 0; i < s.size(); ++i)
        s[i] *= 0.75 + 0.25 * std::sin(2 * kPi * 5 * double(i) / kRate);
    return s;
}

Samples over()
{
    // G5 E5 C5, then a long low G4.
    Samples s = silence(0.85);
    const int notes[] = {10, 7, 3, -2};
    for (int i = 0; i < 4; ++i) {
        const double len = i == 3 ? 0.45 : 0.14;
        addTone(s, i * 0.13, len, fixed(note(notes[i])), softSquare, 0.28, 0.004, i == 3 ? 0.2 : 0.08);
        addTone(s, i * 0.13, len, fixed(note(notes[i] - 12)), triangle, 0.14, 0.004, 0.1);
    }
    return s;
}

void put16(std::ofstream& f, std::uint16_t v)
{
    const char b[2] = {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)};
    f.write(b, 2);
}
void put32(std::ofstream& f, std::uint32_t v)
{
    put16(f, static_cast<std::uint16_t>(v & 0xFFFF));
    put16(f, static_cast<std::uint16_t>(v >> 16));
}

bool writeWav(const std::filesystem::path& path, const Samples& s)
{
    // Normalise to a common peak so the effects sit at one loudness.
    double peak = 0;
    for (double v : s)
        peak = std::max(peak, std::fabs(v));
    const double gain = peak > 0 ? 0.7 / peak : 0.0;

    std::ofstream f(path, std::ios::binary);
    if (!f)
        return false;
    const auto dataBytes = static_cast<std::uint32_t>(s.size() * 2);
    f.write("RIFF", 4);
    put32(f, 36 + dataBytes);
    f.write("WAVEfmt ", 8);
    put32(f, 16); // size of the format chunk
    put16(f, 1);  // PCM
    put16(f, 1);  // mono
    put32(f, kRate);
    put32(f, kRate * 2); // bytes per second
    put16(f, 2);         // bytes per frame
    put16(f, 16);        // bits per sample
    f.write("data", 4);
    put32(f, dataBytes);
    for (double v : s) {
        const long q = std::lround(std::clamp(v * gain, -1.0, 1.0) * 32767.0);
        put16(f, static_cast<std::uint16_t>(static_cast<std::int16_t>(q)));
    }
    return static_cast<bool>(f);
}

} // namespace

int main(int argc, char* argv[])
{
    const std::filesystem::path dir = argc > 1 ? argv[1] : "resources/sounds";
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (ec) {
        std::fprintf(stderr, "make_sounds: cannot create %s\n", dir.c_str());
        return 1;
    }
    const struct {
        const char* name;
        Samples (*make)();
    } effects[] = {
        {"snd_start.wav", start}, {"snd_shot.wav", shot},   {"snd_in.wav", in},     {"snd_approach.wav", approach},
        {"snd_dame.wav", dame},   {"snd_akuma.wav", akuma}, {"snd_over.wav", over},
    };
    for (const auto& e : effects) {
        const Samples s = e.make();
        const auto path = dir / e.name;
        if (!writeWav(path, s)) {
            std::fprintf(stderr, "make_sounds: cannot write %s\n", path.c_str());
            return 1;
        }
        std::printf("%s %.2f s\n", path.c_str(), double(s.size()) / kRate);
    }
    return 0;
}
