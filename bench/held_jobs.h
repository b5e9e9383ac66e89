#pragma once
// The benchmarks that print on a stopped queue cancel the jobs it holds, so it does not fill up.
#include <cups/cups.h>

#include <string>

namespace nencho {

// Cancels the jobs of the title that the queue holds.
inline void cancelHeldJobs(const char* queue, const std::string& title) {
    cups_job_t* jobs = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, queue, 1, CUPS_WHICHJOBS_ACTIVE);
    for (int i = 0; i < count; ++i)
        if (jobs[i].title && title == jobs[i].title)
            cupsCancelJob2(CUPS_HTTP_DEFAULT, queue, jobs[i].id, 0);
    cupsFreeJobs(count, jobs);
}

}  // namespace nencho
