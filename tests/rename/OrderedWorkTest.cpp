#include "rename/OrderedWork.h"

#include <gtest/gtest.h>

// Items taken in order are each done once, by whichever thread got there;
// a stop set before the start passes every block over.
TEST(OrderedWork, EachItemOnceAndDoneWhenWaitedFor)
{
    constexpr size_t Count = 1000;
    std::vector<std::atomic<int>> worked(Count);
    const std::atomic<bool> go = false;
    {
        OrderedWork work(Count, 7, 3, [&](size_t item) { ++worked[item]; }, go);
        for (size_t item = 0; item < Count; ++item) {
            work.waitFor(item);
            ASSERT_EQ(worked[item], 1) << item;
        }
    }
    for (size_t item = 0; item < Count; ++item)
        EXPECT_EQ(worked[item], 1) << item;

    const std::atomic<bool> stopped = true;
    OrderedWork none(Count, 7, 3, [&](size_t item) { ++worked[item]; }, stopped);
    none.waitForAll();
    EXPECT_EQ(worked[Count - 1], 1);
}
