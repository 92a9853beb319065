#include "TimedRetry.h"

#include <chrono>
#include <utility>

TimedRetry::TimedRetry(int64_t budgetMs, Clock clock)
    : budgetMs_(budgetMs), clock_(std::move(clock)) {}

bool TimedRetry::run(const std::function<bool()>& attempt) {
    int64_t start = clock_();
    for (;;) {
        ++attempts_;
        if (attempt())
            return true;
        if (clock_() - start >= budgetMs_)
            return false;
    }
}

TimedRetry::Clock TimedRetry::steadyMilliseconds() {
    return [] {
        using namespace std::chrono;
        return int64_t(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
    };
}
