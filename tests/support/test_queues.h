#pragma once
// The test script's CUPS queues, for the tests that print through the real scheduler: they run
// only where the script's server runs (NENCHO_TEST_CUPS).
#include <set>
#include <string>

namespace nencho::test {

inline constexpr const char* kRefusingQueue = "TEST-REFUSE";  // refuses every job
inline constexpr const char* kHoldingQueue = "TEST-HOLD";     // stopped: accepts and holds jobs

bool hasTestPrinter();

// Makes a queue the default printer of this process (LPDEST) for the object's life.
class DefaultQueue {
  public:
    explicit DefaultQueue(const char* queue) { use(queue); }
    ~DefaultQueue();
    DefaultQueue(const DefaultQueue&) = delete;
    DefaultQueue& operator=(const DefaultQueue&) = delete;
    void use(const char* queue);
};

// The ids of the jobs a queue holds, of every user; with a title, only the jobs of that name.
std::set<int> heldJobs(const char* queue, const std::string& title = {});
// Cancels the jobs when the object goes, so a queue that holds jobs does not fill up.
class CancelledJobs {
  public:
    explicit CancelledJobs(const char* queue) : queue_(queue) {}
    ~CancelledJobs();
    CancelledJobs(const CancelledJobs&) = delete;
    CancelledJobs& operator=(const CancelledJobs&) = delete;
    std::set<int> ids;

  private:
    const char* queue_;
};

}  // namespace nencho::test
