// The running sums of row heights that every position question uses stay
// right through any sequence of changes, compared with plain sums.

#include "GridAxis.h"

#include <gtest/gtest.h>
#include <numeric>
#include <random>

namespace {

long long plainStart(const std::vector<int>& sizes, int index) {
    return std::accumulate(sizes.begin(), sizes.begin() + index, 0LL);
}

TEST(GridAxisTest, SumsFollowEveryChange) {
    std::mt19937 random(7);
    GridAxis axis;
    std::vector<int> sizes;
    for (int step = 0; step < 3000; ++step) {
        const int count = static_cast<int>(sizes.size());
        const int index = count ? static_cast<int>(random() % count) : 0;
        const int size = static_cast<int>(random() % 4) * 10; // zero sizes too
        switch (random() % 6) {
        case 0:
        case 1:
            axis.Insert(count ? index : 0, size);
            sizes.insert(sizes.begin() + (count ? index : 0), size);
            break;
        case 2:
            if (count) {
                axis.Erase(index);
                sizes.erase(sizes.begin() + index);
            }
            break;
        case 3:
            if (count) {
                axis.SetSize(index, size);
                sizes[index] = size;
            }
            break;
        case 4:
            if (count) {
                const int other = static_cast<int>(random() % count);
                axis.Swap(index, other);
                std::swap(sizes[index], sizes[other]);
            }
            break;
        default: {
            const int newCount = static_cast<int>(random() % 40);
            axis.Resize(newCount, size);
            sizes.resize(newCount, size);
        }
        }
        ASSERT_EQ(axis.GetCount(), static_cast<int>(sizes.size()));
        ASSERT_EQ(axis.GetTotal(), plainStart(sizes, static_cast<int>(sizes.size())));
        const int probe = static_cast<int>(random() % (sizes.size() + 1));
        ASSERT_EQ(axis.GetStart(probe), plainStart(sizes, probe)) << "step " << step;
        if (!sizes.empty()) {
            // The first index whose end reaches a position, as a walk finds it.
            const long long position = static_cast<long long>(random() % (axis.GetTotal() + 5));
            int walk = 0;
            while (walk < static_cast<int>(sizes.size()) && plainStart(sizes, walk + 1) < position)
                ++walk;
            ASSERT_EQ(axis.FirstEndingAtOrAfter(position, 0, static_cast<int>(sizes.size()) - 1), walk)
                << "step " << step;
        }
    }
}

struct ShownCase {
    int index;
    int step;
    int expected;
};

TEST(GridAxisTest, TheNextShownIndexPassesHiddenOnesAndStaysInItsBounds) {
    // Sizes 20, 0, 0, 20, 0 with index 0 as a fixed band: [1, 4] is searched.
    GridAxis axis;
    for (int size : {20, 0, 0, 20, 0})
        axis.Insert(axis.GetCount(), size);
    const ShownCase cases[] = {
        {1, 1, 3},   {3, 1, 3},  {4, 1, -1}, {5, 1, -1}, // past the end
        {2, -1, -1},                                     // not into the band
        {4, -1, 3},  {3, -1, 3}, {0, 1, -1},
    };
    for (const ShownCase& c : cases)
        EXPECT_EQ(axis.NextShown(c.index, c.step, 1, 4), c.expected) << c.index << " by " << c.step;
}

} // namespace
