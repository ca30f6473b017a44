// Writes the drill's two sound cues into the folder given: ok.wav, a bright two-note chime, and
// ng.wav, a short low buzz. 16-bit PCM, mono, 22050 Hz.

#include <cmath>
#include <cstdint>
#include <fstream>
#include <functional>
#include <iostream>
#include <numbers>
#include <string>
#include <vector>

namespace {
constexpr int kRate = 22050;

void put16(std::ofstream &out, std::uint16_t v)
{
    out.put(char(v & 0xFF)).put(char(v >> 8));
}

void put32(std::ofstream &out, std::uint32_t v)
{
    put16(out, std::uint16_t(v & 0xFFFF));
    put16(out, std::uint16_t(v >> 16));
}

bool writeWave(const std::string &path, const std::vector<double> &samples)
{
    std::ofstream out(path, std::ios::binary);
    const auto dataBytes = std::uint32_t(samples.size() * 2);
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
    for (double s : samples)
        put16(out, std::uint16_t(std::int16_t(std::lround(std::clamp(s, -1.0, 1.0) * 32000))));
    return bool(out);
}

std::vector<double> render(double seconds, const std::function<double(double)> &signal)
{
    std::vector<double> samples(std::size_t(seconds * kRate));
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = signal(double(i) / kRate);
    return samples;
}

double bell(double t, double frequency)
{
    if (t < 0)
        return 0;
    const double attack = std::min(1.0, t / 0.004);
    const double w = 2 * std::numbers::pi * frequency * t;
    return attack * std::exp(-t * 9) *
           (std::sin(w) + 0.3 * std::sin(2 * w) + 0.1 * std::sin(3 * w));
}
} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::cerr << "usage: make_cues FOLDER\n";
        return 2;
    }
    const std::string folder = argv[1];
    const auto ok =
        render(0.45, [](double t) { return 0.45 * (bell(t, 1318.5) + bell(t - 0.09, 1760.0)); });
    const auto ng = render(0.40, [](double t) {
        const double envelope = std::min(1.0, t / 0.01) * std::min(1.0, (0.40 - t) / 0.05);
        double buzz = 0;
        for (int h = 1; h <= 9; h += 2)
            buzz += std::sin(2 * std::numbers::pi * 110.0 * h * t) / h;
        return 0.5 * envelope * buzz;
    });
    if (!writeWave(folder + "/ok.wav", ok) || !writeWave(folder + "/ng.wav", ng)) {
        std::cerr << "make_cues: cannot write into " << folder << "\n";
        return 1;
    }
    return 0;
}
