// How rows (and, printing page-accurately, columns) are packed onto pages.

#include "CGridCtrl.h"

#include <gtest/gtest.h>

namespace {

struct PageCase {
    std::vector<int> sizes;
    int available;
    std::vector<int> starts;
};

const PageCase kPageCases[] = {
    {{}, 100, {0}},
    {{30, 30, 30}, 100, {0}},
    {{30, 30, 30, 30}, 100, {0, 3}},
    {{50, 50, 50}, 100, {0, 2}},
    // A row taller than a page has a page of its own, also as the first.
    {{30, 150, 30}, 100, {0, 1, 2}},
    {{150, 30}, 100, {0, 1}},
    {{150, 150}, 100, {0, 1}},
    // Hidden rows take no room.
    {{0, 60, 0, 40, 0, 10}, 100, {0, 5}},
    // Without room for any row every row is a page.
    {{10, 10}, 0, {0, 1}},
};

TEST(GridPaginationTest, SpansArePackedInOrderAndLongOnesGetAPage) {
    for (const PageCase& c : kPageCases) {
        EXPECT_EQ(CGridCtrl::PaginateSpans(c.sizes, c.available), c.starts)
            << c.sizes.size() << " spans in " << c.available;
    }
}

} // namespace
