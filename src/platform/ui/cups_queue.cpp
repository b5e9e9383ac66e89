#include "platform/ui/cups_queue.h"

#include <cups/cups.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>

#include "platform/printer_page.h"

namespace nencho {

namespace {

constexpr std::size_t kChunk = 64 * 1024;

std::string schedulerReason() {
    const char* reason = cupsLastErrorString();
    return reason && *reason ? reason : "理由は分かりません。";
}

struct FreeDestInfo {
    void operator()(cups_dinfo_t* info) const { cupsFreeDestInfo(info); }
};
using DestInfo = std::unique_ptr<cups_dinfo_t, FreeDestInfo>;

// The scheduler's description of each queue a job went to on each server (its address and
// protocol version), asked for once: it costs as much as a job's creation. A queue whose creation
// of a job is refused is asked again, in case it was set up anew.
std::map<std::string, DestInfo>& knownQueues() {
    static std::map<std::string, DestInfo> queues;
    return queues;
}

cups_dinfo_t* destInfo(const std::string& name, cups_dest_t* dest, bool fresh) {
    DestInfo& known = knownQueues()[std::string(cupsServer()) + "\n" + name];
    if (!known || fresh) known.reset(cupsCopyDestInfo(CUPS_HTTP_DEFAULT, dest));
    return known.get();
}

}  // namespace

void CupsQueue::FreeDest::operator()(cups_dest_t* dest) const {
    cupsFreeDests(1, dest);
}

CupsQueue::CupsQueue(cups_dest_t* dest) : dest_(dest) {
    name_ = dest->name ? dest->name : "";
    if (dest->instance) name_ += std::string("/") + dest->instance;
}

CupsQueue CupsQueue::defaultQueue() {
    if (cups_dest_t* chosen = cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr))
        return CupsQueue(chosen);
    cups_dest_t* dests = nullptr;
    const int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
    cups_dest_t* first = nullptr;
    if (count > 0) cupsCopyDest(&dests[0], 0, &first);
    cupsFreeDests(count, dests);
    if (!first)
        throw PrinterFailure(
            "プリンターがインストールされていないため、印刷できません。\n"
            "プリンターを設定してから、もう一度印刷してください。");
    return CupsQueue(first);
}

int CupsQueue::submitPdf(const std::string& title, std::string_view pdf) {
    cups_dest_t* dest = dest_.get();
    const std::string printer = "プリンター「" + name_ + "」";
    cups_option_t* options = nullptr;
    const int optionCount = cupsAddOption(CUPS_MEDIA, CUPS_MEDIA_A4, 0, &options);
    cups_dinfo_t* info = nullptr;
    int jobId = 0;
    bool created = false;
    for (const bool fresh : {false, true}) {
        info = destInfo(name_, dest, fresh);
        if (!info) break;
        jobId = 0;
        created = cupsCreateDestJob(CUPS_HTTP_DEFAULT, dest, info, &jobId, title.c_str(),
                                    optionCount, options) <= IPP_STATUS_OK_CONFLICTING &&
                  jobId > 0;
        if (created) break;
    }
    cupsFreeOptions(optionCount, options);
    if (!info)
        throw PrinterFailure(printer + "に接続できないため、印刷できませんでした。\n" +
                             schedulerReason());
    if (!created)
        throw PrinterFailure(printer + "が印刷を受け付けませんでした。\n" + schedulerReason());

    auto refused = [&](const std::string& reason) {
        cupsCancelDestJob(CUPS_HTTP_DEFAULT, dest, jobId);
        return PrinterFailure(printer + "に印刷を送れませんでした。\n" + reason);
    };
    if (cupsStartDestDocument(CUPS_HTTP_DEFAULT, dest, info, jobId, title.c_str(), CUPS_FORMAT_PDF,
                              0, nullptr, 1) != HTTP_STATUS_CONTINUE)
        throw refused(schedulerReason());
    for (std::size_t sent = 0; sent < pdf.size(); sent += kChunk) {
        const std::size_t length = std::min(kChunk, pdf.size() - sent);
        if (cupsWriteRequestData(CUPS_HTTP_DEFAULT, pdf.data() + sent, length) !=
            HTTP_STATUS_CONTINUE) {
            const std::string reason = schedulerReason();
            cupsFinishDestDocument(CUPS_HTTP_DEFAULT, dest, info);
            throw refused(reason);
        }
    }
    if (cupsFinishDestDocument(CUPS_HTTP_DEFAULT, dest, info) > IPP_STATUS_OK_CONFLICTING)
        throw refused(schedulerReason());
    return jobId;
}

}  // namespace nencho
