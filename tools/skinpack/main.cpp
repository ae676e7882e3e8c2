// skinpack: packs a skin's bitmaps and description into the program's skin package.
//
// Usage:
//   skinpack [--skinfile] <output> <entry file>...
//       Packs the entry files, in the order given, into a package with FormatTag 70000.
//       Each entry is named after its file name (the path is dropped). Give exactly one
//       description file (a name containing ".ini"), by convention last, and the bitmaps as
//       uncompressed .bmp files. The output is the SkinStream property form (a 32-bit length,
//       then the compressed skin), which is what the program embeds; with --skinfile it is
//       the compressed skin alone, the form of a skin file on disk.
//       The same inputs always give the same bytes.
//   skinpack --list <package file>
//       Reads a package in either form and prints its format tag and entries.
//
// Example:
//   skinpack build/skin.pack res/skin/buttons.bmp res/skin/checkbox.bmp ... res/skin/le4-blackc.ini

#include <cstdio>
#include <cstring>
#include <exception>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "lzh_encoder.h"
#include "package_writer.h"
#include "skin/package/byte_order.h"
#include "skin/package/memory_stream.h"
#include "skin/package/skin_reader.h"
#include "skin/package/skin_stream.h"

namespace {

using aw::skinpack::PackageEntry;

int Usage()
{
    std::fprintf(stderr,
                 "usage: skinpack [--skinfile] <output> <entry file>...\n"
                 "       skinpack --list <package file>\n");
    return 2;
}

bool ReadFile(const std::string& path, std::vector<std::uint8_t>& bytes)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out.flush());
}

std::string FileName(const std::string& path)
{
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

int Pack(const std::string& output, const std::vector<std::string>& inputs, bool skinFile)
{
    std::vector<PackageEntry> entries;
    for (const std::string& path : inputs) {
        PackageEntry entry{FileName(path), {}};
        if (!ReadFile(path, entry.body)) {
            std::fprintf(stderr, "skinpack: cannot read %s\n", path.c_str());
            return 1;
        }
        entries.push_back(std::move(entry));
    }
    const std::string problem = aw::skinpack::SkinEntriesProblem(entries);
    if (!problem.empty()) {
        std::fprintf(stderr, "skinpack: %s\n", problem.c_str());
        return 1;
    }
    const std::vector<std::uint8_t> package = aw::skinpack::BuildSkinPackage(entries);
    const std::vector<std::uint8_t> compressed = aw::skinpack::CompressSkin(package);
    if (!WriteFile(output, skinFile ? compressed : aw::skin::WriteSkinStreamProperty(compressed))) {
        std::fprintf(stderr, "skinpack: cannot write %s\n", output.c_str());
        return 1;
    }
    return 0;
}

int List(const std::string& path)
{
    std::vector<std::uint8_t> bytes;
    if (!ReadFile(path, bytes)) {
        std::fprintf(stderr, "skinpack: cannot read %s\n", path.c_str());
        return 1;
    }
    // The property form starts with its own length; a compressed skin with its (larger)
    // decompressed size.
    std::vector<std::uint8_t> compressed;
    if (bytes.size() >= 4 && static_cast<std::size_t>(aw::skin::ReadInt32LE(bytes.data())) == bytes.size() - 4)
        aw::skin::ReadSkinStreamProperty(bytes.data(), bytes.size(), compressed);
    else
        compressed = bytes;

    aw::skin::TSkinReader reader([](const std::string& text) { std::fprintf(stderr, "skinpack: %s\n", text.c_str()); });
    aw::skin::MemoryStream stream(std::move(compressed));
    if (!reader.LoadPackage(stream)) {
        std::fprintf(stderr, "skinpack: %s is not a loadable skin package (format tag %d)\n", path.c_str(),
                     static_cast<int>(reader.FormatTag()));
        return 1;
    }
    std::printf("format tag %d, %zu entries, bodies at %zu\n", static_cast<int>(reader.FormatTag()),
                reader.EntryCount(), reader.BodiesOffset());
    for (std::size_t i = 0; i < reader.EntryCount(); ++i)
        std::printf("%10d  %s\n", static_cast<int>(reader.EntrySizes()[i]), reader.EntryNames()[i].c_str());
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    try {
        if (args.size() == 2 && args[0] == "--list")
            return List(args[1]);
        bool skinFile = false;
        if (!args.empty() && args[0] == "--skinfile") {
            skinFile = true;
            args.erase(args.begin());
        }
        if (args.size() < 2 || args[0].rfind("--", 0) == 0)
            return Usage();
        return Pack(args[0], std::vector<std::string>(args.begin() + 1, args.end()), skinFile);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "skinpack: %s\n", e.what());
        return 1;
    }
}
