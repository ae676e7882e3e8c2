// Skin package decoding throughput: loads a skin package N times (decompression, header and
// name list, entry index) and prints megabytes of decompressed output per second.
//
// Usage: skin_decode_bench [package file] [iterations]
//   The package file may be in the SkinStream property form or a bare compressed skin.
//   Without one, a synthetic skin of 34 bitmaps and a description (about the size of the
//   program's own, 250 KB unpacked) is packed in memory first.
// Measure an optimised build without sanitizers, e.g.
//   cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DASHWARDEN_SANITIZE=OFF

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "lzh_encoder.h"
#include "package_writer.h"
#include "skin/package/byte_order.h"
#include "skin/package/skin_reader.h"
#include "skin/package/skin_stream.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

void PutInt32(Bytes& out, std::int32_t v)
{
    std::uint8_t b[4];
    aw::skin::WriteInt32LE(b, v);
    out.insert(out.end(), b, b + 4);
}

// An 8-bit bitmap of `frames` side-by-side button states: bevels, a gradient face and a
// magenta background, the kind of picture a skin is made of.
Bytes SyntheticBitmap(int width, int height, int frames, int seed)
{
    const int rowBytes = (width + 3) & ~3;
    Bytes file = {'B', 'M'};
    const int offset = 14 + 40 + 256 * 4;
    PutInt32(file, offset + rowBytes * height);
    PutInt32(file, 0);
    PutInt32(file, offset);
    PutInt32(file, 40);
    PutInt32(file, width);
    PutInt32(file, height);
    PutInt32(file, 1 | (8 << 16));
    for (int i = 0; i < 6; ++i)
        PutInt32(file, 0);
    for (int i = 0; i < 256; ++i)
        PutInt32(file, i == 0 ? 0xFF00FF : ((i * 3 + seed) & 0xFF) * 0x010101);
    const int frameWidth = width / frames;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < rowBytes; ++x) {
            const int fx = x % frameWidth;
            const int frame = x / frameWidth;
            int v;
            if (x >= width || (fx < 1 && y % 7 == 3))
                v = 0;
            else if (fx < 2 || y < 2 || fx >= frameWidth - 2 || y >= height - 2)
                v = 200 + frame * 10;
            else
                v = 40 + (y * 90) / height + frame * 20 + ((fx ^ y ^ seed) & 1);
            file.push_back(static_cast<std::uint8_t>(v));
        }
    }
    return file;
}

Bytes SyntheticSkinStream()
{
    std::vector<aw::skinpack::PackageEntry> entries;
    std::string ini = "[Skins]\r\nSkinAuthor=bench\r\n";
    for (int i = 0; i < 34; ++i) {
        const std::string name = "image" + std::to_string(i) + ".bmp";
        entries.push_back({name, SyntheticBitmap(48 + 20 * (i % 9), 28 + 10 * (i % 5), 1 + i % 4, i)});
        ini += "[Element" + std::to_string(i) + "]\r\nImage=" + name + "\r\nLeftWidth=3\r\nRightWidth=3\r\n";
    }
    entries.push_back({"bench.ini", Bytes(ini.begin(), ini.end())});
    return aw::skin::WriteSkinStreamProperty(aw::skinpack::CompressSkin(aw::skinpack::BuildSkinPackage(entries)));
}

bool ReadCompressed(const char* path, Bytes& compressed)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    Bytes bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.size() >= 4 && static_cast<std::size_t>(aw::skin::ReadInt32LE(bytes.data())) == bytes.size() - 4)
        return aw::skin::ReadSkinStreamProperty(bytes.data(), bytes.size(), compressed);
    compressed = std::move(bytes);
    return true;
}

bool Sanitized()
{
#if defined(__SANITIZE_ADDRESS__)
    return true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    return true;
#endif
#endif
    return false;
}

}  // namespace

int main(int argc, char** argv)
{
    Bytes compressed;
    if (argc > 1) {
        if (!ReadCompressed(argv[1], compressed)) {
            std::fprintf(stderr, "cannot read %s\n", argv[1]);
            return 1;
        }
    } else {
        const Bytes property = SyntheticSkinStream();
        aw::skin::ReadSkinStreamProperty(property.data(), property.size(), compressed);
    }
    const int iterations = argc > 2 ? std::atoi(argv[2]) : 50;
    if (iterations <= 0 || compressed.size() < 4)
        return 1;
    const std::int32_t size = aw::skin::ReadInt32LE(compressed.data());

    aw::skin::TSkinReader reader;
    aw::skin::MemoryStream stream(compressed);
    if (!reader.LoadPackage(stream)) {
        std::fprintf(stderr, "not a loadable skin package\n");
        return 1;
    }
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < iterations; ++i)
        reader.LoadPackage(stream);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;

    const double megabytes = static_cast<double>(size) * iterations / 1e6;
    std::printf("skin package: %d bytes compressed, %d unpacked, %zu entries%s\n",
                static_cast<int>(compressed.size()), static_cast<int>(size), reader.EntryCount(),
                Sanitized() ? " (sanitized build: not a speed figure)" : "");
    std::printf("%d loads in %.3f s: %.2f ms per load, %.1f MB/s of output\n", iterations, elapsed.count(),
                elapsed.count() * 1000 / iterations, megabytes / elapsed.count());
    return 0;
}
