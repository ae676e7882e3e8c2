#include "lzh_encoder.h"

#include <array>
#include <memory>
#include <stdexcept>

#include "skin/package/byte_order.h"
#include "skin/package/huffman_tree.h"
#include "skin/package/lzh_constants.h"

namespace aw::skinpack {

using namespace aw::skin::lzh;

namespace {

// Most significant bit first, the last byte padded with zero bits.
class BitWriter {
public:
    void Put(std::uint32_t value, int bits)
    {
        for (int i = bits - 1; i >= 0; --i) {
            pending_ = static_cast<std::uint8_t>((pending_ << 1) | ((value >> i) & 1u));
            if (++count_ == 8)
                FlushByte();
        }
    }

    std::vector<std::uint8_t> Finish()
    {
        if (count_ > 0) {
            pending_ = static_cast<std::uint8_t>(pending_ << (8 - count_));
            FlushByte();
        }
        return std::move(bytes_);
    }

private:
    void FlushByte()
    {
        bytes_.push_back(pending_);
        pending_ = 0;
        count_ = 0;
    }

    std::vector<std::uint8_t> bytes_;
    std::uint8_t pending_ = 0;
    int count_ = 0;
};

// The prefix code of the upper six bits of a match position: the first byte of the code's
// run in the decoder's table, of which the top `length` bits are sent.
struct PositionPrefix {
    int firstByte;
    int length;
};

PositionPrefix PrefixFor(int upperBits)
{
    for (const PositionTableRow& row : kPositionTable) {
        const int codes = (row.lastByte - row.firstByte + 1) / row.run;
        if (upperBits >= row.firstCode && upperBits < row.firstCode + codes)
            return {row.firstByte + (upperBits - row.firstCode) * row.run, row.codeLength};
    }
    throw std::logic_error("match position out of range");
}

class Encoder {
public:
    std::vector<std::uint8_t> Run(const std::uint8_t* data, std::size_t size);

private:
    static constexpr int kNil = kWindowSize;   // "no node" in the match finder's trees

    void InitTree();
    void InsertNode(int r);
    void DeleteNode(int p);
    void EncodeSymbol(int symbol);
    void EncodePosition(int position);

    AdaptiveHuffmanTree tree_;
    BitWriter out_;
    std::array<std::uint8_t, kRingSize> text_{};
    // Binary search trees of window positions, one per first byte (roots at N + 1 + byte).
    std::array<int, kWindowSize + 1> lson_{};
    std::array<int, kWindowSize + 257> rson_{};
    std::array<int, kWindowSize + 1> dad_{};
    int matchPosition_ = 0;
    int matchLength_ = 0;
    std::vector<int> pathBits_;
};

void Encoder::InitTree()
{
    for (int i = kWindowSize + 1; i <= kWindowSize + 256; ++i)
        rson_[i] = kNil;
    for (int i = 0; i < kWindowSize; ++i)
        dad_[i] = kNil;
}

// Inserts the string at r into its tree and records the longest (then nearest) match.
void Encoder::InsertNode(int r)
{
    const std::uint8_t* key = &text_[r];
    int cmp = 1;
    int p = kWindowSize + 1 + key[0];
    rson_[r] = lson_[r] = kNil;
    matchLength_ = 0;
    for (;;) {
        if (cmp >= 0) {
            if (rson_[p] == kNil) {
                rson_[p] = r;
                dad_[r] = p;
                return;
            }
            p = rson_[p];
        } else {
            if (lson_[p] == kNil) {
                lson_[p] = r;
                dad_[r] = p;
                return;
            }
            p = lson_[p];
        }
        int i = 1;
        for (; i < kMaxMatch; ++i) {
            cmp = key[i] - text_[p + i];
            if (cmp != 0)
                break;
        }
        if (i > kThreshold) {
            const int position = ((r - p) & (kWindowSize - 1)) - 1;
            if (i > matchLength_) {
                matchPosition_ = position;
                matchLength_ = i;
                if (matchLength_ >= kMaxMatch)
                    break;
            } else if (i == matchLength_ && position < matchPosition_) {
                matchPosition_ = position;
            }
        }
    }
    // A full-length match: r replaces p in the tree.
    dad_[r] = dad_[p];
    lson_[r] = lson_[p];
    rson_[r] = rson_[p];
    dad_[lson_[p]] = r;
    dad_[rson_[p]] = r;
    if (rson_[dad_[p]] == p)
        rson_[dad_[p]] = r;
    else
        lson_[dad_[p]] = r;
    dad_[p] = kNil;
}

void Encoder::DeleteNode(int p)
{
    if (dad_[p] == kNil)
        return;
    int q;
    if (rson_[p] == kNil) {
        q = lson_[p];
    } else if (lson_[p] == kNil) {
        q = rson_[p];
    } else {
        q = lson_[p];
        if (rson_[q] != kNil) {
            do {
                q = rson_[q];
            } while (rson_[q] != kNil);
            rson_[dad_[q]] = lson_[q];
            dad_[lson_[q]] = dad_[q];
            lson_[q] = lson_[p];
            dad_[lson_[p]] = q;
        }
        rson_[q] = rson_[p];
        dad_[rson_[p]] = q;
    }
    dad_[q] = dad_[p];
    if (rson_[dad_[p]] == p)
        rson_[dad_[p]] = q;
    else
        lson_[dad_[p]] = q;
    dad_[p] = kNil;
}

// The code of a symbol is the path from the root to its leaf: at each node, 0 for the first
// child of the pair and 1 for the second (the odd index). Paths can exceed 16 bits.
void Encoder::EncodeSymbol(int symbol)
{
    pathBits_.clear();
    for (int node = tree_.Parent(symbol + kTreeSize); node != kRoot; node = tree_.Parent(node))
        pathBits_.push_back(node & 1);
    for (auto it = pathBits_.rbegin(); it != pathBits_.rend(); ++it)
        out_.Put(static_cast<std::uint32_t>(*it), 1);
    tree_.Update(symbol);
}

void Encoder::EncodePosition(int position)
{
    const PositionPrefix prefix = PrefixFor(position >> 6);
    out_.Put(static_cast<std::uint32_t>(prefix.firstByte >> (8 - prefix.length)), prefix.length);
    out_.Put(static_cast<std::uint32_t>(position & 0x3F), 6);
}

std::vector<std::uint8_t> Encoder::Run(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return {};
    std::size_t next = 0;
    InitTree();
    int s = 0;
    int r = kRingStart;
    for (int i = s; i < r; ++i)
        text_[i] = ' ';
    int len = 0;
    while (len < kMaxMatch && next < size)
        text_[r + len++] = data[next++];
    for (int i = 1; i <= kMaxMatch; ++i)
        InsertNode(r - i);
    InsertNode(r);
    do {
        if (matchLength_ > len)
            matchLength_ = len;
        if (matchLength_ <= kThreshold) {
            matchLength_ = 1;
            EncodeSymbol(text_[r]);
        } else {
            EncodeSymbol(MatchSymbol(matchLength_));
            EncodePosition(matchPosition_);
        }
        const int lastMatchLength = matchLength_;
        int i = 0;
        for (; i < lastMatchLength && next < size; ++i) {
            const std::uint8_t c = data[next++];
            DeleteNode(s);
            text_[s] = c;
            if (s < kMaxMatch - 1)
                text_[s + kWindowSize] = c;   // mirror, so comparisons may run past the window's end
            s = (s + 1) & (kWindowSize - 1);
            r = (r + 1) & (kWindowSize - 1);
            InsertNode(r);
        }
        while (i++ < lastMatchLength) {
            DeleteNode(s);
            s = (s + 1) & (kWindowSize - 1);
            r = (r + 1) & (kWindowSize - 1);
            if (--len)
                InsertNode(r);
        }
    } while (len > 0);
    return out_.Finish();
}

}  // namespace

std::vector<std::uint8_t> LzhEncode(const std::uint8_t* data, std::size_t size)
{
    // The encoder's tables are large; keep them off the stack.
    auto encoder = std::make_unique<Encoder>();
    return encoder->Run(data, size);
}

std::vector<std::uint8_t> CompressSkin(const std::vector<std::uint8_t>& package)
{
    if (package.size() > 0x7FFFFFFFu)
        throw std::length_error("skin package too large");
    std::vector<std::uint8_t> out(4);
    aw::skin::WriteInt32LE(out.data(), static_cast<std::int32_t>(package.size()));
    const std::vector<std::uint8_t> bits = LzhEncode(package.data(), package.size());
    out.insert(out.end(), bits.begin(), bits.end());
    return out;
}

}  // namespace aw::skinpack
