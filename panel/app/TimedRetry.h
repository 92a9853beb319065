#pragma once
#include <cstdint>
#include <functional>

// Repeats an attempt until it succeeds or a time budget is spent, trying at
// least once. The message thread retries units this way, so a unit that is
// listed but does not answer costs a bounded time instead of a frozen window.
class TimedRetry {
public:
    using Clock = std::function<int64_t()>;  // milliseconds, never going back

    explicit TimedRetry(int64_t budgetMs, Clock clock = steadyMilliseconds());

    // True as soon as an attempt succeeds; false when the budget ran out first.
    bool run(const std::function<bool()>& attempt);
    int attempts() const { return attempts_; }

    static Clock steadyMilliseconds();

private:
    int64_t budgetMs_;
    Clock clock_;
    int attempts_ = 0;
};
