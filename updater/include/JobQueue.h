#pragma once
// One worker thread that runs the updater's calls into the library in the
// order they were posted, so that a unit slow to answer never holds the
// window. The library serialises its exports anyway; one thread keeps the
// calls of a check (enumerate, open, check, close) together.
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

class JobQueue {
public:
    JobQueue();
    // Waits for the running job; jobs not yet started are dropped.
    ~JobQueue();
    JobQueue(const JobQueue&) = delete;
    JobQueue& operator=(const JobQueue&) = delete;

    void Post(std::function<void()> job);
    // Jobs posted and not yet finished.
    int Pending() const;

private:
    void Work();

    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::function<void()>> jobs_;
    int pending_ = 0;
    bool stopping_ = false;
    std::thread worker_;
};
