// Synthesises the four notification sounds as 16-bit mono WAV files: short, soft
// chimes that are easy to tell apart. Run by the build; writes into the given folder.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kPi = 3.14159265358979323846;

struct Note
{
    double frequency; // Hz; 0 is a rest
    double start;     // seconds
    double length;    // seconds
};

std::vector<std::int16_t> render(const std::vector<Note> &notes, double total, double volume)
{
    std::vector<double> mix(static_cast<std::size_t>(total * kRate), 0.0);
    for (const Note &note : notes) {
        const auto first = static_cast<std::size_t>(note.start * kRate);
        const auto count = static_cast<std::size_t>(note.length * kRate);
        for (std::size_t i = 0; i < count && first + i < mix.size(); ++i) {
            const double t = static_cast<double>(i) / kRate;
            const double attack = std::min(1.0, t / 0.008);
            const double decay = std::exp(-5.0 * t / note.length);
            const double tone = std::sin(2 * kPi * note.frequency * t) + 0.3 * std::sin(4 * kPi * note.frequency * t);
            mix[first + i] += attack * decay * tone / 1.3;
        }
    }
    std::vector<std::int16_t> samples(mix.size());
    for (std::size_t i = 0; i < mix.size(); ++i)
        samples[i] = static_cast<std::int16_t>(std::lround(std::max(-1.0, std::min(1.0, mix[i] * volume)) * 32767));
    return samples;
}

void put32(std::ofstream &out, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
}

void put16(std::ofstream &out, std::uint16_t value)
{
    out.put(static_cast<char>(value & 0xFF));
    out.put(static_cast<char>(value >> 8));
}

bool writeWav(const std::string &path, const std::vector<std::int16_t> &samples)
{
    std::ofstream out(path, std::ios::binary);
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    out.write("RIFF", 4);
    put32(out, 36 + dataBytes);
    out.write("WAVEfmt ", 8);
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, 1); // mono
    put32(out, kRate);
    put32(out, kRate * 2);
    put16(out, 2);
    put16(out, 16);
    out.write("data", 4);
    put32(out, dataBytes);
    for (std::int16_t sample : samples)
        put16(out, static_cast<std::uint16_t>(sample));
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: makesounds <folder>\n");
        return 2;
    }
    const std::string folder = argv[1];
    // A rising fifth for a saved file, a falling minor third for a failure, two quick
    // equal beeps before a question, and a bright three-note arpeggio for a new name.
    const bool ok = writeWav(folder + "/CopySuccess.wav", render({{784, 0, 0.12}, {1175, 0.08, 0.25}}, 0.35, 0.45)) &&
                    writeWav(folder + "/CopyFailed.wav", render({{440, 0, 0.16}, {370, 0.14, 0.3}}, 0.46, 0.45)) &&
                    writeWav(folder + "/Warning.wav", render({{660, 0, 0.1}, {660, 0.14, 0.12}}, 0.3, 0.4)) &&
                    writeWav(folder + "/NewBaseName.wav",
                             render({{523, 0, 0.12}, {659, 0.07, 0.12}, {784, 0.14, 0.25}}, 0.42, 0.4));
    return ok ? 0 : 1;
}
