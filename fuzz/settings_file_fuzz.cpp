// Feeds arbitrary bytes as a settings file to the reader the program uses, reads and writes keys
// named by the input, and checks that what it writes reads back and is written again unchanged.
#include "settings/profile_file.h"
#include "settings/text_file.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

const std::string& scratchFile(const char* which) {
    // In memory where the machine has /dev/shm: the reader takes a path, and disks are slow.
    static const std::string base = std::string(::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") +
                                    "/kelvaro-settings-fuzz-" + std::to_string(::getpid());
    static const std::string in = base + ".in", out = base + ".out";
    return which[0] == 'i' ? in : out;
}

void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    writeBytes(scratchFile("in"), bytes);
    kelvaro::ProfileFile file(scratchFile("in"));

    // Section and key names from the input's first line, so that the fuzzer can find real ones;
    // decoded as the file is, since the program's names are always UTF-8.
    const std::string first = kelvaro::decodeText(bytes.substr(0, bytes.find_first_of("\r\n")));
    std::size_t half = first.size() / 2; // on a character boundary
    while (half > 0 && (static_cast<unsigned char>(first[half]) & 0xC0) == 0x80)
        --half;
    const std::string section = first.substr(0, half), key = first.substr(half);
    const std::string text = file.readString(section, key, "default");
    if (text.size() > kelvaro::ProfileFile::kMaxTextLength * 4) std::abort(); // 1,023 characters of UTF-8
    (void)file.readInteger(section, key, 7);
    (void)file.readBool("Data", key, false);

    file.writeString("Data", "Fuzzed", "value 42");
    file.writeInteger(section, "Count", 5);
    const std::string once = file.text();
    writeBytes(scratchFile("out"), once);
    const kelvaro::ProfileFile again(scratchFile("out"));
    if (again.readString("Data", "Fuzzed", "") != "value 42") std::abort();
    if (again.text() != once) std::abort();
    return 0;
}
