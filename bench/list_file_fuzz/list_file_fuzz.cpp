// Feeds arbitrary bytes to the list file reader and checks that whatever it reads is written
// back stably. Built as a libFuzzer target under clang, else as a plain random-input driver.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "settings/text_file.h"
#include "sound/list_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::size_t columns = data[0] % 32; // the first byte picks the grid width
    const std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    const auto rows = kelvaro::parseList(kelvaro::decodeText(bytes), columns);
    for (const auto& row : rows)
        if (row.size() != columns) std::abort();
    const std::string once = kelvaro::formatList(rows, columns);
    const auto again = kelvaro::parseList(kelvaro::decodeText(once), columns);
    if (kelvaro::formatList(again, columns) != once) std::abort();
    return 0;
}

#ifndef KELVARO_LIBFUZZER
#include <chrono>
#include <cstdio>
#include <random>

// Usage: list_file_fuzz [seconds]   (default 10)
int main(int argc, char** argv) {
    const double seconds = argc > 1 ? std::atof(argv[1]) : 10.0;
    const auto stop = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    std::mt19937_64 rng(std::random_device{}());
    const std::uint8_t favoured[] = {0x07, '\r', '\n', 0xC3, 0xA9, 0xE9, 0x00, 'a'};
    std::uint64_t runs = 0;
    std::basic_string<std::uint8_t> input;
    while (std::chrono::steady_clock::now() < stop) {
        for (int i = 0; i < 1000; ++i, ++runs) {
            input.resize(rng() % 512);
            for (auto& b : input)
                b = (rng() % 3 == 0) ? favoured[rng() % sizeof favoured] : static_cast<std::uint8_t>(rng());
            LLVMFuzzerTestOneInput(input.data(), input.size());
        }
    }
    std::printf("list_file_fuzz: %llu random inputs, no failure\n", static_cast<unsigned long long>(runs));
    return 0;
}
#endif
