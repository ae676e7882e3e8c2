#include "skin/package/huffman_tree.h"

namespace aw::skin::lzh {

void AdaptiveHuffmanTree::Reset()
{
    for (int i = 0; i < kSymbolCount; ++i) {
        freq_[i] = 1;
        son_[i] = static_cast<std::uint16_t>(i + kTreeSize);
        prnt_[i + kTreeSize] = static_cast<std::uint16_t>(i);
    }
    for (int i = kSymbolCount, j = 0; i <= kRoot; ++i, j += 2) {
        freq_[i] = static_cast<std::uint16_t>(freq_[j] + freq_[j + 1]);
        son_[i] = static_cast<std::uint16_t>(j);
        prnt_[j] = prnt_[j + 1] = static_cast<std::uint16_t>(i);
    }
    freq_[kTreeSize] = 0xFFFF;
    prnt_[kRoot] = 0;
}

void AdaptiveHuffmanTree::Rebuild()
{
    // Leaves to the front, in their current (sorted) order, with halved frequencies.
    int leaves = 0;
    for (int i = 0; i < kTreeSize; ++i) {
        if (son_[i] >= kTreeSize) {
            freq_[leaves] = static_cast<std::uint16_t>((freq_[i] + 1) / 2);
            son_[leaves] = son_[i];
            ++leaves;
        }
    }
    // Each new inner node joins the pair (j, j+1) and is inserted where it keeps the order;
    // among equal frequencies it goes last.
    for (int j = 0, k = kSymbolCount; k < kTreeSize; j += 2, ++k) {
        const std::uint16_t f = static_cast<std::uint16_t>(freq_[j] + freq_[j + 1]);
        int b = k;
        while (b > 0 && f < freq_[b - 1])
            --b;
        for (int m = k; m > b; --m) {
            freq_[m] = freq_[m - 1];
            son_[m] = son_[m - 1];
        }
        freq_[b] = f;
        son_[b] = static_cast<std::uint16_t>(j);
    }
    for (int k = 0; k < kTreeSize; ++k) {
        const int s = son_[k];
        prnt_[s] = static_cast<std::uint16_t>(k);
        if (s < kTreeSize)
            prnt_[s + 1] = static_cast<std::uint16_t>(k);
    }
}

void AdaptiveHuffmanTree::SwapNodes(int a, int b)
{
    const std::uint16_t freqA = freq_[a];
    freq_[a] = freq_[b];
    freq_[b] = freqA;

    const int sonA = son_[a];
    const int sonB = son_[b];
    prnt_[sonA] = static_cast<std::uint16_t>(b);
    if (sonA < kTreeSize)
        prnt_[sonA + 1] = static_cast<std::uint16_t>(b);
    prnt_[sonB] = static_cast<std::uint16_t>(a);
    if (sonB < kTreeSize)
        prnt_[sonB + 1] = static_cast<std::uint16_t>(a);
    son_[a] = static_cast<std::uint16_t>(sonB);
    son_[b] = static_cast<std::uint16_t>(sonA);
}

void AdaptiveHuffmanTree::Update(int symbol)
{
    if (freq_[kRoot] == kMaxFreq)
        Rebuild();
    int n = prnt_[symbol + kTreeSize];
    do {
        const std::uint16_t v = static_cast<std::uint16_t>(freq_[n] + 1);
        freq_[n] = v;
        // Keep the nodes sorted: move n past every later node with a smaller frequency.
        // The sentinel at 627 stops the scan.
        if (freq_[n + 1] < v) {
            int l = n + 1;
            while (freq_[l + 1] < v)
                ++l;
            SwapNodes(n, l);
            n = l;
        }
        n = prnt_[n];
    } while (n != 0);
}

}  // namespace aw::skin::lzh
