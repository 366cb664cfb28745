#pragma once
// Sound files the media tests write for themselves: a short wave tone and an
// audio-CD image (BIN/CUE) whose tracks are tones of given lengths.
#include <cmath>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace media_test {

inline void putLe(std::ofstream& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// Stereo 16-bit samples of a sine tone at 44.1 kHz.
inline std::vector<std::int16_t> tone(double seconds, double hz, double amplitude = 8000) {
    const auto frames = static_cast<std::size_t>(seconds * 44100);
    std::vector<std::int16_t> samples(frames * 2);
    for (std::size_t i = 0; i < frames; ++i) {
        const auto value =
            static_cast<std::int16_t>(amplitude * std::sin(2 * M_PI * hz * static_cast<double>(i) / 44100));
        samples[2 * i] = samples[2 * i + 1] = value;
    }
    return samples;
}

inline void writeWav(const std::string& path, const std::vector<std::int16_t>& samples) {
    std::ofstream out(path, std::ios::binary);
    const auto bytes = static_cast<std::uint32_t>(samples.size() * 2);
    out.write("RIFF", 4);
    putLe(out, 36 + bytes, 4);
    out.write("WAVEfmt ", 8);
    putLe(out, 16, 4);
    putLe(out, 1, 2);
    putLe(out, 2, 2);
    putLe(out, 44100, 4);
    putLe(out, 44100 * 4, 4);
    putLe(out, 4, 2);
    putLe(out, 16, 2);
    out.write("data", 4);
    putLe(out, bytes, 4);
    out.write(reinterpret_cast<const char*>(samples.data()), static_cast<std::streamsize>(bytes));
}

// Writes dir/disc.bin and dir/disc.cue with one track per length (in CD frames,
// 75 a second); returns the .cue path, which is what libcdio opens as the drive.
inline std::string writeCdImage(const std::string& dir, const std::vector<int>& trackFrames) {
    constexpr int sectorBytes = 2352, framesPerSector = sectorBytes / 4;
    std::ofstream bin(dir + "/disc.bin", std::ios::binary);
    std::ofstream cue(dir + "/disc.cue");
    cue << "FILE \"disc.bin\" BINARY\n";
    int sector = 0;
    for (std::size_t t = 0; t < trackFrames.size(); ++t) {
        cue << "  TRACK " << (t < 9 ? "0" : "") << t + 1 << " AUDIO\n";
        cue << "    INDEX 01 " << (sector / 75 / 60 < 10 ? "0" : "") << sector / 75 / 60 << ':'
            << (sector / 75 % 60 < 10 ? "0" : "") << sector / 75 % 60 << ':' << (sector % 75 < 10 ? "0" : "")
            << sector % 75 << '\n';
        auto samples = tone(static_cast<double>(trackFrames[t] * framesPerSector) / 44100,
                            330.0 * static_cast<double>(t + 1));
        samples.resize(static_cast<std::size_t>(trackFrames[t]) * framesPerSector * 2);
        bin.write(reinterpret_cast<const char*>(samples.data()),
                  static_cast<std::streamsize>(samples.size() * 2));
        sector += trackFrames[t];
    }
    return dir + "/disc.cue";
}

} // namespace media_test
