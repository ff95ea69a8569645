#include "png_writer.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <zlib.h>

namespace {

void putBigEndian(std::vector<uint8_t>& out, uint32_t value)
{
    out.push_back(static_cast<uint8_t>(value >> 24));
    out.push_back(static_cast<uint8_t>(value >> 16));
    out.push_back(static_cast<uint8_t>(value >> 8));
    out.push_back(static_cast<uint8_t>(value));
}

void putChunk(std::vector<uint8_t>& out, const char* type, const std::vector<uint8_t>& data)
{
    putBigEndian(out, static_cast<uint32_t>(data.size()));
    size_t typeStart = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    uLong crc = crc32(0L, Z_NULL, 0);
    crc = crc32(crc, out.data() + typeStart, static_cast<uInt>(out.size() - typeStart));
    putBigEndian(out, static_cast<uint32_t>(crc));
}

int paeth(int a, int b, int c)
{
    int p = a + b - c;
    int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    if (pa <= pb && pa <= pc)
        return a;
    return pb <= pc ? b : c;
}

// Filters every row with the filter whose output has the smallest sum of
// absolute values (the usual heuristic); deterministic.
std::vector<uint8_t> filterRows(int width, int height, const std::vector<uint8_t>& rgb)
{
    const size_t stride = static_cast<size_t>(width) * 3;
    std::vector<uint8_t> out;
    out.reserve((stride + 1) * height);
    std::vector<uint8_t> candidate(stride), best(stride);
    std::vector<uint8_t> zero(stride, 0);
    for (int y = 0; y < height; ++y) {
        const uint8_t* row = &rgb[y * stride];
        const uint8_t* up = y > 0 ? &rgb[(y - 1) * stride] : zero.data();
        long bestScore = -1;
        int bestFilter = 0;
        for (int filter = 0; filter < 5; ++filter) {
            long score = 0;
            for (size_t i = 0; i < stride; ++i) {
                int a = i >= 3 ? row[i - 3] : 0;
                int b = up[i];
                int c = i >= 3 ? up[i - 3] : 0;
                int predictor = 0;
                switch (filter) {
                case 1: predictor = a; break;
                case 2: predictor = b; break;
                case 3: predictor = (a + b) / 2; break;
                case 4: predictor = paeth(a, b, c); break;
                default: break;
                }
                uint8_t value = static_cast<uint8_t>(row[i] - predictor);
                candidate[i] = value;
                score += value < 128 ? value : 256 - value;
            }
            if (bestScore < 0 || score < bestScore) {
                bestScore = score;
                bestFilter = filter;
                best.swap(candidate);
            }
        }
        out.push_back(static_cast<uint8_t>(bestFilter));
        out.insert(out.end(), best.begin(), best.end());
    }
    return out;
}

} // namespace

void writePng(const std::string& path, int width, int height, const std::vector<uint8_t>& rgb, int level)
{
    if (rgb.size() != static_cast<size_t>(width) * height * 3)
        throw std::runtime_error("writePng: pixel buffer size does not match " + path);
    std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

    std::vector<uint8_t> header;
    putBigEndian(header, static_cast<uint32_t>(width));
    putBigEndian(header, static_cast<uint32_t>(height));
    header.insert(header.end(), {8, 2, 0, 0, 0}); // 8 bits, RGB, deflate, adaptive filters, no interlace
    putChunk(png, "IHDR", header);

    std::vector<uint8_t> raw = filterRows(width, height, rgb);
    uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
    std::vector<uint8_t> packed(packedSize);
    if (compress2(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()), level) != Z_OK)
        throw std::runtime_error("writePng: compression failed for " + path);
    packed.resize(packedSize);
    putChunk(png, "IDAT", packed);
    putChunk(png, "IEND", {});

    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
    if (!file)
        throw std::runtime_error("Could not write " + path);
}

bool readPngHeader(const std::string& path, PngHeader& header)
{
    std::ifstream file(path, std::ios::binary);
    uint8_t bytes[29];
    if (!file.read(reinterpret_cast<char*>(bytes), sizeof bytes))
        return false;
    static const uint8_t signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    for (int i = 0; i < 8; ++i)
        if (bytes[i] != signature[i])
            return false;
    if (bytes[12] != 'I' || bytes[13] != 'H' || bytes[14] != 'D' || bytes[15] != 'R')
        return false;
    auto be = [&](int at) {
        return static_cast<int>((uint32_t(bytes[at]) << 24) | (uint32_t(bytes[at + 1]) << 16) |
                                (uint32_t(bytes[at + 2]) << 8) | uint32_t(bytes[at + 3]));
    };
    header.width = be(16);
    header.height = be(20);
    header.bitDepth = bytes[24];
    header.colourType = bytes[25];
    return true;
}
