#pragma once
// The test script's CUPS queues, for the tests that print through the real scheduler: they run
// only where the script's server runs (NENCHO_TEST_CUPS). And a scheduler that is not there,
// which every machine can give.
#include <set>
#include <string>
#include <vector>

namespace nencho::test {

inline constexpr const char* kRefusingQueue = "TEST-REFUSE";  // refuses every job
inline constexpr const char* kHoldingQueue = "TEST-HOLD";     // stopped: accepts and holds jobs

bool hasTestPrinter();

// A port on this machine where nothing listens.
int closedLoopbackPort();

// libcups talks to a server that is not there, as on a machine whose printing service is
// stopped or not installed, for the object's life: a local socket that does not exist, or a
// port where nothing listens.
class NoPrintServer {
  public:
    explicit NoPrintServer(const std::string& server);
    ~NoPrintServer();
    NoPrintServer(const NoPrintServer&) = delete;
    NoPrintServer& operator=(const NoPrintServer&) = delete;
};
// The two kinds of server NoPrintServer can stand for.
std::vector<std::string> unreachableServers();

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
