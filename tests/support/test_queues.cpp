#include "support/test_queues.h"

#include <cups/cups.h>

#include <cstdlib>

namespace nencho::test {

bool hasTestPrinter() {
    return std::getenv("NENCHO_TEST_CUPS") != nullptr;
}

void DefaultQueue::use(const char* queue) {
    setenv("LPDEST", queue, 1);
}

DefaultQueue::~DefaultQueue() {
    unsetenv("LPDEST");
}

std::set<int> heldJobs(const char* queue, const std::string& title) {
    cups_job_t* jobs = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, queue, 0, CUPS_WHICHJOBS_ACTIVE);
    std::set<int> ids;
    for (int i = 0; i < count; ++i)
        if (title.empty() || (jobs[i].title && title == jobs[i].title)) ids.insert(jobs[i].id);
    cupsFreeJobs(count, jobs);
    return ids;
}

CancelledJobs::~CancelledJobs() {
    for (int id : ids) cupsCancelJob2(CUPS_HTTP_DEFAULT, queue_, id, 0);
}

}  // namespace nencho::test
