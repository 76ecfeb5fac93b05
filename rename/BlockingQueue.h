#pragma once

#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>

// Hands values from the threads that push to the one that pops, in order.
template<typename T>
class BlockingQueue
{
public:
    void push(T value)
    {
        const std::lock_guard lock(mutex_);
        values_.push_back(std::move(value));
        changed_.notify_one();
    }

    void close()
    {
        const std::lock_guard lock(mutex_);
        closed_ = true;
        changed_.notify_one();
    }

    // The next value; nullopt once the queue is closed and empty.
    std::optional<T> pop()
    {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return !values_.empty() || closed_; });
        if (values_.empty())
            return std::nullopt;
        T value = std::move(values_.front());
        values_.pop_front();
        return value;
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<T> values_;
    bool closed_ = false;
};
