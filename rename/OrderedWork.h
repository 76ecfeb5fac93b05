#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

// Works on items [0, count) in blocks of neighbouring items, on helper
// threads and on the thread that waits: waitFor(i) returns once item i is
// done, and works on the next blocks itself while it waits. Blocks finish in
// any order; a consumer taking the items in order waits only for what is
// missing. Once `stop` is set, blocks are passed over and count as done.
class OrderedWork
{
public:
    OrderedWork(size_t count, size_t block, unsigned helpers, std::function<void(size_t)> work,
                const std::atomic<bool> &stop);
    OrderedWork(const OrderedWork &) = delete;
    OrderedWork &operator=(const OrderedWork &) = delete;

    void waitFor(size_t item);
    void waitForAll();

private:
    // Claims and works the next block; false when none is left.
    bool workNextBlock();
    bool blockDone(size_t block);

    const size_t count_;
    const size_t block_;
    const std::function<void(size_t)> work_;
    const std::atomic<bool> &stop_;
    std::atomic<size_t> next_{0};
    std::mutex mutex_;
    std::condition_variable finished_;
    std::vector<char> done_;
    // Last, so that they are joined before the rest goes.
    std::vector<std::jthread> helpers_;
};
