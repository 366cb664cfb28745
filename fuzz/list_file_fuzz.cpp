// Feeds arbitrary bytes to the list file reader and checks that whatever it reads is written
// back stably.
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
