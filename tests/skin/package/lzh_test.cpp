// The skin package's LZ decoder: hand-built bit streams pin the bit-level rules; round trips
// through the packer's encoder cover long inputs, tree rebuilds and the window wrap.

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "lzh_encoder.h"
#include "package_test_support.h"
#include "skin/package/huffman_tree.h"
#include "skin/package/lzh.h"
#include "skin/package/lzh_bit_reader.h"

namespace aw::skin {
namespace {

using test::BitsToBytes;
using test::Bytes;

// Codes in the starting tree, root first. Leaf node n hangs under node 314 + n/2 (and so on
// up to the root 626), taking bit n & 1 at each step:
//   'A' (65): 1 1 1 0 0 1 1 0 1         match of 3 (256): 1 0 0 0 1 1 0 0
//   match of 4 (257): 1 0 0 0 1 1 0 1   match of 60 (313): 1 1 0 0 0 1 0 1
// Counting the first 'A' moves it past every node of frequency 1: leaf 65 swaps places
// with leaf 313 and no inner node changes. So for the second symbol 'A' and the match of 60
// have exchanged codes, and every other code is unchanged.
constexpr const char* kLiteralA = "111001101";
constexpr const char* kMatch3 = "10001100";
constexpr const char* kMatch4 = "10001101";
constexpr const char* kLiteralAAfterA = "11000101";
constexpr const char* kMatch60AfterA = "111001101";

std::string Decode(const Bytes& input, std::int32_t count)
{
    MemoryStream in(input);
    MemoryStream out;
    TLZH lzh;
    lzh.Decode(count, in, out);
    return std::string(out.Bytes().begin(), out.Bytes().end());
}

TEST(LzhDecode, HandBuiltStreamsFollowTheBitRules)
{
    // The position 0 points at the byte just written; 3 bits of prefix 000, 6 low bits.
    EXPECT_EQ(Decode(BitsToBytes(std::string(kLiteralA) + kMatch3 + "000" "000000"), 4), "AAAA");
    // Position 1 reaches one byte further back, into the blanks the window starts with.
    EXPECT_EQ(Decode(BitsToBytes(std::string(kLiteralA) + kMatch4 + "000" "000001"), 5), "A A A");
    // Missing input reads as zero bits: the stream cut after the match code (17 bits, so 3
    // bytes) still gives position 0.
    const Bytes cut = BitsToBytes(std::string(kLiteralA) + kMatch3);
    ASSERT_EQ(cut.size(), 3u);
    EXPECT_EQ(Decode(cut, 4), "AAAA");
}

TEST(LzhDecode, AdaptsCodesAfterEachSymbol)
{
    // The second 'A' takes the code the match of 60 had; the same bits as the first 'A'
    // now mean that match.
    EXPECT_EQ(Decode(BitsToBytes(std::string(kLiteralA) + kLiteralAAfterA), 2), "AA");
    EXPECT_EQ(Decode(BitsToBytes(std::string(kLiteralA) + kLiteralA + "000" "000000"), 61), std::string(61, 'A'));
}

TEST(LzhDecode, CopiesTheLastMatchWholeAndStopsAtTheCount)
{
    const Bytes stream = BitsToBytes(std::string(kLiteralA) + kMatch60AfterA + "000" "000000");
    EXPECT_EQ(Decode(stream, 2), std::string(61, 'A'));
    EXPECT_EQ(Decode(stream, 1), "A");
    EXPECT_EQ(Decode(stream, 0), "");
    EXPECT_EQ(Decode(stream, -5), "");
}

TEST(LzhDecode, ConsumesInputFromThePositionAndLeavesItAfterTheBytesTaken)
{
    Bytes input = {0xEE, 0xEE};
    const Bytes stream = BitsToBytes(std::string(kLiteralA) + kMatch3 + "000" "000000");
    input.insert(input.end(), stream.begin(), stream.end());
    input.push_back(0x77);
    MemoryStream in(input);
    in.Seek(2);
    MemoryStream out;
    TLZH lzh;
    lzh.Decode(4, in, out);
    EXPECT_EQ(std::string(out.Bytes().begin(), out.Bytes().end()), "AAAA");
    EXPECT_GT(in.Position(), 2u);
    EXPECT_LE(in.Position(), input.size());
}

TEST(LzhDecode, MatchPositionsFollowThePrefixTable)
{
    // Each case: the prefix of the upper six bits, the six low bits, then a marker byte
    // that must come next.
    struct Case {
        const char* bits;
        int position;
    };
    const Case cases[] = {
        {"000" "100101", 0x025},       // row 0x00-0x1F: code 0, 3 bits
        {"0010" "000000", 1 << 6},     // row 0x20-0x4F: code 1, 4 bits
        {"0100" "111111", 0x0FF},      //                code 3
        {"01010" "000000", 4 << 6},    // row 0x50-0x8F: code 4, 5 bits
        {"10001" "101010", (11 << 6) | 0x2A},
        {"100100" "000001", (12 << 6) | 1},   // row 0x90-0xBF: codes 12-23, 6 bits
        {"101111" "111110", (23 << 6) | 0x3E},
        {"1100000" "000000", 24 << 6},        // row 0xC0-0xEF: codes 24-47, 7 bits
        {"1110111" "010101", (47 << 6) | 0x15},
        {"11110000" "000000", 48 << 6},       // row 0xF0-0xFF: codes 48-63, 8 bits
        {"11111111" "111111", 0xFFF},
    };
    for (const Case& c : cases) {
        const Bytes bytes = BitsToBytes(std::string(c.bits) + "10100101");
        lzh::BitReader bits(bytes.data(), bytes.data() + bytes.size());
        EXPECT_EQ(lzh::ReadMatchPosition(bits), c.position) << c.bits;
        EXPECT_EQ(bits.ReadByte(), 0xA5) << c.bits;
    }
}

TEST(LzhDecode, TruncatedStreamStillGivesTheRequestedSize)
{
    std::mt19937 rng(7);
    Bytes data(20000);
    for (auto& b : data)
        b = static_cast<std::uint8_t>(rng() % 16);
    Bytes stream = aw::skinpack::LzhEncode(data.data(), data.size());
    stream.resize(stream.size() / 3);
    MemoryStream in(stream);
    MemoryStream out;
    TLZH lzh;
    lzh.Decode(static_cast<std::int32_t>(data.size()), in, out);
    EXPECT_GE(out.Size(), data.size());
    EXPECT_LT(out.Size(), data.size() + lzh::kMaxMatch);
    EXPECT_EQ(in.Position(), stream.size());
}

// Frequencies sorted, every inner node the sum of its pair, parents and sons agreeing, and
// every leaf present once: what the decoder relies on to walk the tree.
void ExpectConsistentTree(const lzh::AdaptiveHuffmanTree& tree, std::uint32_t expectedRootFreq)
{
    using namespace lzh;
    std::vector<int> leafSeen(kSymbolCount, 0);
    for (int n = 0; n < kTreeSize; ++n) {
        if (n > 0) {
            ASSERT_LE(tree.Freq(n - 1), tree.Freq(n)) << "node " << n;
        }
        const int s = tree.Son(n);
        if (s >= kTreeSize) {
            ASSERT_LT(s - kTreeSize, kSymbolCount);
            ++leafSeen[s - kTreeSize];
            ASSERT_EQ(tree.Parent(s), n);
        } else {
            ASSERT_LT(s + 1, n);
            ASSERT_EQ(tree.Freq(n), tree.Freq(s) + tree.Freq(s + 1)) << "node " << n;
            ASSERT_EQ(tree.Parent(s), n);
            ASSERT_EQ(tree.Parent(s + 1), n);
        }
    }
    for (int count : leafSeen)
        ASSERT_EQ(count, 1);
    ASSERT_EQ(static_cast<std::uint32_t>(tree.Freq(kRoot)), expectedRootFreq);
}

TEST(LzhHuffmanTree, StaysConsistentThroughRebuilds)
{
    lzh::AdaptiveHuffmanTree tree;
    ExpectConsistentTree(tree, lzh::kSymbolCount);
    std::mt19937 rng(42);
    // Skewed counts: a few symbols dominate, so leaves halve to very different values.
    std::geometric_distribution<int> skewed(0.05);
    std::vector<std::uint32_t> counts(lzh::kSymbolCount, 1);
    int rebuilds = 0;
    for (int step = 0; step < 150000; ++step) {
        const int symbol = skewed(rng) % lzh::kSymbolCount;
        if (tree.Freq(lzh::kRoot) == lzh::kMaxFreq) {
            ++rebuilds;
            for (auto& c : counts)
                c = (c + 1) / 2;
        }
        tree.Update(symbol);
        ++counts[symbol];
        if (step % 5000 == 0 || tree.Freq(lzh::kRoot) == lzh::kMaxFreq) {
            std::uint32_t total = 0;
            for (auto c : counts)
                total += c;
            ExpectConsistentTree(tree, total);
            if (HasFatalFailure())
                return;
        }
    }
    EXPECT_GE(rebuilds, 3);
}

// Encoder and decoder share the tree, so a round trip cannot show a rebuild that orders
// nodes differently from other implementations of the format; this pins the order itself.
TEST(LzhHuffmanTree, RebuildHalvesLeavesAndPlacesNewNodesAfterEqualOnes)
{
    using namespace lzh;
    AdaptiveHuffmanTree tree;
    std::mt19937 rng(11);
    std::geometric_distribution<int> skewed(0.1);
    while (tree.Freq(kRoot) < kMaxFreq)
        tree.Update(skewed(rng) % kSymbolCount);

    std::vector<int> leafOrder;
    std::vector<int> oldFreq(kSymbolCount);
    for (int n = 0; n < kTreeSize; ++n) {
        if (tree.Son(n) >= kTreeSize) {
            leafOrder.push_back(tree.Son(n) - kTreeSize);
            oldFreq[tree.Son(n) - kTreeSize] = tree.Freq(n);
        }
    }
    tree.Rebuild();

    std::vector<int> newLeafOrder;
    for (int n = 0; n < kTreeSize; ++n) {
        const int s = tree.Son(n);
        if (s >= kTreeSize) {
            newLeafOrder.push_back(s - kTreeSize);
            EXPECT_EQ(tree.Freq(n), (oldFreq[s - kTreeSize] + 1) / 2) << "leaf " << s - kTreeSize;
        }
        if (n + 1 < kTreeSize && tree.Freq(n) == tree.Freq(n + 1) && s < kTreeSize) {
            // Among equal frequencies no leaf follows an inner node, and inner nodes keep
            // the order they were made in (their pairs from the bottom up).
            ASSERT_LT(tree.Son(n + 1), kTreeSize) << "node " << n;
            ASSERT_GT(tree.Son(n + 1), s) << "node " << n;
        }
    }
    EXPECT_EQ(newLeafOrder, leafOrder);
    std::uint32_t total = 0;
    for (int f : oldFreq)
        total += static_cast<std::uint32_t>((f + 1) / 2);
    ExpectConsistentTree(tree, total);
}

struct RoundTripCase {
    const char* name;
    Bytes data;
};

Bytes RandomBytes(std::size_t size, unsigned seed)
{
    std::mt19937 rng(seed);
    Bytes b(size);
    for (auto& x : b)
        x = static_cast<std::uint8_t>(rng());
    return b;
}

// Rows of an 8-bit image: runs, gradients and repeated rows, like skin bitmaps.
Bytes StructuredBytes(std::size_t size)
{
    Bytes b;
    std::mt19937 rng(3);
    while (b.size() < size) {
        const int kind = static_cast<int>(rng() % 4);
        const int length = 16 + static_cast<int>(rng() % 300);
        for (int i = 0; i < length; ++i) {
            switch (kind) {
            case 0: b.push_back(0xFF); break;
            case 1: b.push_back(static_cast<std::uint8_t>(i)); break;
            case 2: b.push_back(static_cast<std::uint8_t>(rng() % 4)); break;
            default: b.push_back(b.empty() ? 0 : b[(b.size() * 7) % b.size()]); break;
            }
        }
    }
    b.resize(size);
    return b;
}

std::vector<RoundTripCase> RoundTripCases()
{
    std::string text;
    for (int i = 0; i < 2000; ++i)
        text += "[Buttons]\r\nImage=buttons.bmp\r\nLeftWidth=" + std::to_string(i % 17) + "\r\n";
    return {
        {"empty", {}},
        {"one_byte", {0x42}},
        {"one_blank", {' '}},
        {"two_bytes", {0x00, 0xFF}},
        {"all_same", Bytes(100000, 0xAB)},
        {"all_blanks", Bytes(10000, ' ')},
        {"zeros_first", Bytes(5000, 0)},
        {"random", RandomBytes(200000, 1)},
        {"structured", StructuredBytes(600000)},
        {"text", Bytes(text.begin(), text.end())},
    };
}

TEST(LzhRoundTrip, DecodesWhatTheEncoderWrote)
{
    for (const RoundTripCase& c : RoundTripCases()) {
        const Bytes compressed = aw::skinpack::LzhEncode(c.data.data(), c.data.size());
        MemoryStream in(compressed);
        MemoryStream out;
        TLZH lzh;
        lzh.Decode(static_cast<std::int32_t>(c.data.size()), in, out);
        EXPECT_TRUE(out.Bytes() == c.data) << c.name;
        EXPECT_EQ(in.Position(), compressed.size()) << c.name;
    }
}

TEST(LzhRoundTrip, CompressesRepetitiveData)
{
    const Bytes same(100000, 0xAB);
    EXPECT_LT(aw::skinpack::LzhEncode(same.data(), same.size()).size(), same.size() / 40);
    const Bytes structured = StructuredBytes(100000);
    EXPECT_LT(aw::skinpack::LzhEncode(structured.data(), structured.size()).size(), structured.size() / 2);
}

TEST(LzhRoundTrip, OneDecoderDecodesSeveralStreamsFromAFreshState)
{
    const Bytes a = StructuredBytes(50000);
    const Bytes b = RandomBytes(3000, 9);
    TLZH lzh;
    for (const Bytes* data : {&a, &b, &a}) {
        MemoryStream in(aw::skinpack::LzhEncode(data->data(), data->size()));
        MemoryStream out;
        lzh.Decode(static_cast<std::int32_t>(data->size()), in, out);
        EXPECT_TRUE(out.Bytes() == *data);
    }
}

}  // namespace
}  // namespace aw::skin
