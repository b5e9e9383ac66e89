#pragma once
// A CUPS queue chosen for one print job, and the job's submission: the document goes to the
// scheduler straight from memory, so no copy of it is written anywhere, and every answer of the
// scheduler is checked. A job counts as printed once the scheduler has accepted all of it; a
// stopped queue that still accepts jobs holds them, which is not a failure.
#include <memory>
#include <string>
#include <string_view>

typedef struct cups_dest_s cups_dest_t;

namespace nencho {

class CupsQueue {
  public:
    // The user's default queue (as LPDEST, PRINTER and the user's and the system's choice
    // give it), or the first queue when none is the default. Throws PrinterFailure when there
    // is no queue, telling a scheduler that cannot be reached apart from one without printers.
    static CupsQueue defaultQueue();
    // The queue a destination of libcups names (made by cupsGetNamedDest or cupsCopyDest);
    // takes it over.
    explicit CupsQueue(cups_dest_t* dest);

    // The queue's name as the user knows it ("queue" or "queue/instance").
    const std::string& name() const { return name_; }

    // Submits the PDF document as one job named by the title, in one job request, and returns
    // the scheduler's job id. Throws PrinterFailure naming the queue and the scheduler's reason
    // when a step is refused, in the clerk's words for a queue that does not accept jobs, one
    // that is not there and a scheduler that cannot be reached, with libcups' own text after
    // them; a job already begun is cancelled.
    int submitPdf(const std::string& title, std::string_view pdf);

  private:
    struct FreeDest {
        void operator()(cups_dest_t* dest) const;
    };

    std::unique_ptr<cups_dest_t, FreeDest> dest_;
    std::string name_;
};

}  // namespace nencho
