#include "replay/huffman.h"

#include <algorithm>

#include "replay/deflate.h"

namespace {

constexpr int kMaxSymbols = kFixedLiteralSymbols;  // the largest alphabet

// Depths of a Huffman tree over the symbols with a weight, by the two-queue
// method: leaves sorted by weight, and the joined nodes, which come out in
// order of weight by themselves. Returns the greatest depth.
int TreeDepths(const uint32_t* weights, int n, uint8_t* lengths) {
    int16_t leaves[kMaxSymbols];
    int m = 0;
    for (int s = 0; s < n; ++s) {
        lengths[s] = 0;
        if (weights[s] != 0) leaves[m++] = static_cast<int16_t>(s);
    }
    if (m < 2) {  // a tree of one leaf still gives it a bit
        if (m == 1) lengths[leaves[0]] = 1;
        return m;
    }
    std::sort(leaves, leaves + m, [&](int16_t a, int16_t b) { return weights[a] < weights[b]; });
    // Nodes [0, m) are the leaves in that order, [m, 2m - 1) the joined ones.
    uint32_t weight[2 * kMaxSymbols];
    int16_t parent[2 * kMaxSymbols];
    for (int i = 0; i < m; ++i) weight[i] = weights[leaves[i]];
    int nextLeaf = 0, nextJoined = m;
    auto lightest = [&](int joinedEnd) {
        if (nextLeaf < m && (nextJoined == joinedEnd || weight[nextLeaf] <= weight[nextJoined])) return nextLeaf++;
        return nextJoined++;
    };
    for (int node = m; node < 2 * m - 1; ++node) {
        const int a = lightest(node), b = lightest(node);
        weight[node] = weight[a] + weight[b];
        parent[a] = parent[b] = static_cast<int16_t>(node);
    }
    uint8_t depth[2 * kMaxSymbols];
    depth[2 * m - 2] = 0;
    int deepest = 0;
    for (int node = 2 * m - 3; node >= 0; --node) {
        depth[node] = static_cast<uint8_t>(depth[parent[node]] + 1);
        if (node < m) {
            lengths[leaves[node]] = depth[node];
            deepest = std::max<int>(deepest, depth[node]);
        }
    }
    return deepest;
}

}  // namespace

// A tree too deep is built again from weights halved (none dropping to 0):
// the weights grow more alike each time, down to a balanced tree at worst,
// which 288 symbols fit in 9 bits and 19 in 5. Rare for a script, and a
// little longer than an optimal limited code.
void BuildCodeLengths(const uint32_t* counts, int n, int maxBits, uint8_t* lengths) {
    uint32_t weights[kMaxSymbols];
    int used = 0;
    for (int s = 0; s < n; ++s) {
        weights[s] = counts[s];
        if (counts[s] != 0) ++used;
    }
    for (int s = 0; s < n && used < 2; ++s)
        if (weights[s] == 0) {
            weights[s] = 1;
            ++used;
        }
    while (TreeDepths(weights, n, lengths) > maxBits)
        for (int s = 0; s < n; ++s)
            if (weights[s] != 0) weights[s] = (weights[s] + 1) / 2;
}

void AssignCodes(const uint8_t* lengths, int n, uint16_t* codes) {
    int count[kMaxCodeBits + 1] = {};
    for (int s = 0; s < n; ++s) ++count[lengths[s]];
    count[0] = 0;
    int next[kMaxCodeBits + 1] = {};
    for (int bits = 1, code = 0; bits <= kMaxCodeBits; ++bits) {
        code = (code + count[bits - 1]) << 1;
        next[bits] = code;
    }
    for (int s = 0; s < n; ++s) {
        const int bits = lengths[s];
        int code = next[bits]++, reversed = 0;
        for (int i = 0; i < bits; ++i, code >>= 1) reversed = (reversed << 1) | (code & 1);
        codes[s] = static_cast<uint16_t>(reversed);
    }
}
