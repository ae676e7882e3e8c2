#pragma once
// The adaptive Huffman tree shared by the skin package's decoder and the packer's encoder.
//
// Nodes 0..626 are kept sorted by frequency; node indices 627..940 stand for the 314 leaves
// (symbol + 627). A child index below 627 is an inner node whose two children sit at son and
// son + 1. The arrays are unsigned 16-bit on purpose: frequencies are bounded by the rebuild
// limit and the format was defined with 16-bit tables.

#include <array>
#include <cstdint>

#include "skin/package/lzh_constants.h"

namespace aw::skin::lzh {

class AdaptiveHuffmanTree {
public:
    AdaptiveHuffmanTree() { Reset(); }

    // Every symbol with frequency 1, inner nodes pairing neighbours from the bottom up.
    void Reset();
    // Counts one more occurrence of `symbol` (0..313), rebuilding the tree first when the
    // root has reached the frequency limit.
    void Update(int symbol);

    // Halves every leaf's frequency (rounding up) and rebuilds the inner nodes in sorted
    // order. Update calls it when the root reaches the limit.
    void Rebuild();

    int Son(int node) const { return son_[node]; }
    int Parent(int node) const { return prnt_[node]; }
    int Freq(int node) const { return freq_[node]; }

private:
    // Exchanges nodes a and b (frequency and subtree) and re-points their children's parents.
    void SwapNodes(int a, int b);

    std::array<std::uint16_t, kTreeSize + 1> freq_{};             // freq[627] is a 0xFFFF sentinel
    std::array<std::uint16_t, kTreeSize + kSymbolCount> prnt_{};  // parents of nodes and of leaves
    std::array<std::uint16_t, kTreeSize> son_{};
};

}  // namespace aw::skin::lzh
