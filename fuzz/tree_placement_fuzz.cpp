// AppendToShape over random levels against a slow reference: the depth is the level asked for,
// at least 0 and at most one deeper than the item before (0 for the first); the parent is the
// latest item one level up; the previous sibling the latest item with the same parent.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "ui/tree_placement.h"

namespace {

// The latest item before `end` for which `match` holds, or -1.
template <typename Match>
int Latest(int end, Match match) {
    for (int j = end - 1; j >= 0; --j)
        if (match(j)) return j;
    return -1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    TreeShape shape;
    std::vector<int> depth, parent;
    for (int i = 0; i < 512 && in.remaining_bytes() > 0; ++i) {
        // Mostly small levels around the interesting range; now and then any int at all.
        const std::uint8_t pick = in.ConsumeIntegral<std::uint8_t>();
        const int level = pick < 240 ? pick % 8 - 2 : in.ConsumeIntegral<int>();
        const TreePlacement placement = AppendToShape(shape, level);

        const int d = i == 0 ? 0 : std::min(std::max(level, 0), depth[i - 1] + 1);
        const int p = d == 0 ? -1 : Latest(i, [&](int j) { return depth[j] == d - 1; });
        const int sibling = Latest(i, [&](int j) { return parent[j] == p; });
        depth.push_back(d);
        parent.push_back(p);

        Check(d == 0 || p >= 0, "an item below the top has a parent");
        Check(placement.parent == p, "parent");
        Check(placement.previousSibling == sibling, "previous sibling");
        Check(shape.parent.size() == depth.size() && shape.depth.size() == depth.size() &&
                  shape.lastChild.size() == depth.size(),
              "one record per item");
        Check(shape.parent[i] == p && shape.depth[i] == d, "recorded parent and depth");
    }
    const int count = static_cast<int>(depth.size());
    for (int j = 0; j < count; ++j)
        Check(shape.lastChild[j] == Latest(count, [&](int k) { return parent[k] == j; }), "last child");
    Check(shape.lastTopLevel == Latest(count, [&](int k) { return parent[k] == -1; }), "last top-level item");
    return 0;
}
