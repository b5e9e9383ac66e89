#include "platform/ui/cups_queue.h"

#include <cups/cups.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>

#include "platform/printer_page.h"
#include "platform/ui/cups_scheduler.h"

namespace nencho {

namespace {

constexpr std::size_t kChunk = 64 * 1024;

// Why the scheduler refused or could not be reached, in the clerk's words for the refusals a
// clerk meets, with libcups' own text after it.
std::string schedulerReason() {
    const ipp_status_t status = cupsLastError();
    const std::string reason = libcupsText();
    if (status == IPP_STATUS_ERROR_NOT_ACCEPTING_JOBS)
        return "このプリンターは、印刷を受け付けない設定になっています。プリンターの設定で受け付け"
               "るようにしてから、もう一度印刷してください。\n" +
               reason;
    if (status == IPP_STATUS_ERROR_NOT_FOUND)
        return "このプリンターは見つかりません（削除されたか、名前が変わっています）。プリンターを"
               "選び直してから、もう一度印刷してください。\n" +
               reason;
    return reason;
}

// The clerk's words for a scheduler that cannot be reached, at a press.
std::string unreachable() {
    return unreachableSchedulerText("印刷して");
}

struct FreeDestInfo {
    void operator()(cups_dinfo_t* info) const { cupsFreeDestInfo(info); }
};
using DestInfo = std::unique_ptr<cups_dinfo_t, FreeDestInfo>;

// The scheduler's description of each queue a job went to on each server (its address and
// protocol version), asked for once: it costs as much as a job's creation. A queue that refused
// a job is asked again at the next job, in case it was set up anew.
std::map<std::string, DestInfo>& knownQueues() {
    static std::map<std::string, DestInfo> queues;
    return queues;
}

std::string queueKey(const std::string& name) {
    return std::string(cupsServer()) + "\n" + name;
}

cups_dinfo_t* destInfo(const std::string& name, cups_dest_t* dest) {
    DestInfo& known = knownQueues()[queueKey(name)];
    if (!known) known.reset(cupsCopyDestInfo(CUPS_HTTP_DEFAULT, dest));
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
    if (!first) {
        // With no scheduler to ask there is no queue either, which is not a printer missing;
        // libcups' text then says why the connection failed.
        if (!schedulerReachable()) throw PrinterFailure(unreachable() + libcupsText());
        throw PrinterFailure(
            "プリンターがインストールされていないため、印刷できません。\n"
            "プリンターを設定してから、もう一度印刷してください。");
    }
    return CupsQueue(first);
}

int CupsQueue::submitPdf(const std::string& title, std::string_view pdf) {
    cups_dest_t* dest = dest_.get();
    const std::string printer = "プリンター「" + name_ + "」";
    cups_option_t* options = nullptr;
    const int optionCount = cupsAddOption(CUPS_MEDIA, CUPS_MEDIA_A4, 0, &options);
    // One job request a press: a refusal is told at once, and the queue is described anew at
    // the next press.
    cups_dinfo_t* info = destInfo(name_, dest);
    int jobId = 0;
    const bool created = info &&
                         cupsCreateDestJob(CUPS_HTTP_DEFAULT, dest, info, &jobId, title.c_str(),
                                           optionCount, options) <= IPP_STATUS_OK_CONFLICTING &&
                         jobId > 0;
    cupsFreeOptions(optionCount, options);
    if (!created) {
        const std::string reason = schedulerReason();
        knownQueues().erase(queueKey(name_));
        if (!schedulerReachable())
            throw PrinterFailure(printer + "に接続できないため、印刷できませんでした。\n" +
                                 unreachable() + reason);
        throw PrinterFailure(printer + "が印刷を受け付けませんでした。\n" + reason);
    }

    auto refused = [&](const std::string& reason) {
        cupsCancelDestJob(CUPS_HTTP_DEFAULT, dest, jobId);
        return PrinterFailure(printer + "に印刷を送れませんでした。\n" +
                              (schedulerReachable() ? "" : unreachable()) + reason);
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
