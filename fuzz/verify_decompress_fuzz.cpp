// Any bytes as a compressed verify text: decompressing ends in a text or a
// clear error within bounded time and memory, and whatever comes out (and the
// input itself) survives compressing and decompressing again.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "session/verify_text.h"

namespace {

// Keeps each run's memory small; the real limit is tested on sizes alone.
constexpr std::size_t outputLimit = 64 * 1024 * 1024;

void requireRoundTrip(std::string_view text, int level)
{
    if (decompress(compress(text, level)) != text)
        std::abort();
}

}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    try {
        const std::string text = Decompressor(outputLimit)(bytes);
        requireRoundTrip(text, -1);
    } catch (const std::runtime_error&) {
    }
    requireRoundTrip(bytes, size > 0 ? data[0] % 10 : -1);
    return 0;
}
