#include "rename/OrderedWork.h"

#include <algorithm>

OrderedWork::OrderedWork(size_t count, size_t block, unsigned helpers, std::function<void(size_t)> work,
                         const std::atomic<bool> &stop)
    : count_(count), block_(block), work_(std::move(work)), stop_(stop), done_((count + block - 1) / block, 0)
{
    for (unsigned h = 0; h < helpers; ++h)
        helpers_.emplace_back([this] {
            while (workNextBlock()) {
            }
        });
}

bool OrderedWork::workNextBlock()
{
    const size_t begin = next_.fetch_add(block_);
    if (begin >= count_)
        return false;
    for (size_t item = begin; item < std::min(count_, begin + block_) && !stop_; ++item)
        work_(item);
    const std::lock_guard lock(mutex_);
    done_[begin / block_] = 1;
    finished_.notify_all();
    return true;
}

bool OrderedWork::blockDone(size_t block)
{
    const std::lock_guard lock(mutex_);
    return done_[block] != 0;
}

void OrderedWork::waitFor(size_t item)
{
    const size_t block = item / block_;
    while (!blockDone(block)) {
        if (workNextBlock())
            continue;
        // Every block is claimed: the one wanted is in a helper's hands.
        std::unique_lock lock(mutex_);
        finished_.wait(lock, [&] { return done_[block] != 0; });
        return;
    }
}

void OrderedWork::waitForAll()
{
    for (size_t item = 0; item < count_; item += block_)
        waitFor(item);
}
