#include "skin/package/lzh.h"

#include <algorithm>
#include <new>

#include "skin/package/huffman_tree.h"
#include "skin/package/lzh_bit_reader.h"
#include "skin/package/lzh_constants.h"

namespace aw::skin {

using namespace lzh;

struct TLZH::Tables {
    AdaptiveHuffmanTree tree;
    std::uint8_t ring[kRingSize];
};

namespace {

int DecodeSymbol(AdaptiveHuffmanTree& tree, BitReader& bits)
{
    int node = tree.Son(kRoot);
    while (node < kTreeSize)
        node = tree.Son(node + bits.ReadBit());
    const int symbol = node - kTreeSize;
    tree.Update(symbol);
    return symbol;
}

}  // namespace

TLZH::TLZH() : tables_(new (std::nothrow) Tables)
{
    if (!tables_)
        throw ElzhException(kLzhNoMemoryMessage);
}

TLZH::~TLZH() = default;

void TLZH::Decode(std::int32_t count, MemoryStream& input, MemoryStream& output)
{
    if (count <= 0)
        return;
    Tables& t = *tables_;
    t.tree.Reset();
    std::fill(t.ring, t.ring + kRingStart, static_cast<std::uint8_t>(' '));
    std::fill(t.ring + kRingStart, t.ring + kRingSize, static_cast<std::uint8_t>(0));
    int r = kRingStart;

    const std::uint8_t* begin = input.Data() + input.Position();
    BitReader bits(begin, input.Data() + input.Size());
    output.Reserve(output.Position() + static_cast<std::size_t>(count) + kMaxMatch);

    std::int64_t emitted = 0;
    while (emitted < count) {
        const int symbol = DecodeSymbol(t.tree, bits);
        if (symbol < kFirstMatchSymbol) {
            const auto byte = static_cast<std::uint8_t>(symbol);
            output.WriteByte(byte);
            t.ring[r] = byte;
            r = (r + 1) & (kWindowSize - 1);
            ++emitted;
            continue;
        }
        const int start = (r - ReadMatchPosition(bits) - 1) & (kWindowSize - 1);
        const int length = MatchLength(symbol);
        for (int k = 0; k < length; ++k) {
            const std::uint8_t byte = t.ring[(start + k) & (kWindowSize - 1)];
            output.WriteByte(byte);
            t.ring[r] = byte;
            r = (r + 1) & (kWindowSize - 1);
        }
        emitted += length;
    }
    input.Seek(input.Position() + static_cast<std::size_t>(bits.Next() - begin));
}

}  // namespace aw::skin
