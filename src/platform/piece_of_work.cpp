#include "platform/piece_of_work.h"

#include <algorithm>

#include "platform/file_system.h"
#include "platform/record_error.h"
#include "platform/run_lock.h"

namespace nencho {

namespace {

// The piece whose owner ends the work under way; everything runs on one thread.
PieceOfWork*& underWay() {
    static PieceOfWork* piece = nullptr;
    return piece;
}

// Lists this run holds, whose records are to be put back, oldest first.
std::vector<KeptFiles>& leftOver() {
    static std::vector<KeptFiles> lists;
    return lists;
}

bool& settling() {
    static bool busy = false;
    return busy;
}

// Puts back the records of every list held, oldest first, and removes the lists. Throws
// RecordError at the first that cannot be; it and those after it stay.
void settleLeftOver() {
    std::vector<KeptFiles>& lists = leftOver();
    if (lists.empty() || settling()) return;
    settling() = true;
    struct Done {
        ~Done() { settling() = false; }
    } done;
    // Each turn settles the first list or throws, so the turns end with the lists.
    while (!lists.empty()) {
        lists.front().restore();
        lists.erase(lists.begin());
    }
    setBeforeChange({});
}

void leaveForLater(KeptFiles&& kept) {
    leftOver().push_back(std::move(kept));
    setBeforeChange([](const std::string& systemPath) {
        if (settling()) return;
        const std::vector<KeptFiles>& lists = leftOver();
        if (std::any_of(lists.begin(), lists.end(),
                        [&](const KeptFiles& list) { return list.isKept(systemPath); }))
            settleLeftOver();
    });
}

// Removes a list that names records no change has reached yet; held when it cannot be.
void discardUnused(KeptFiles&& kept) {
    try {
        kept.discard();
    } catch (const RecordError&) {
        leaveForLater(std::move(kept));
    }
}

}  // namespace

PieceOfWork::PieceOfWork(const std::vector<std::string>& records) {
    if (underWay()) {
        // Kept before any change of this piece; whatever the piece under way changed is kept
        // by it already.
        underWay()->kept_->keep(records);
        return;
    }
    settleLeftOver();
    KeptFiles kept;
    try {
        kept.keep(records);
    } catch (const RecordError&) {
        // Written but not synced, the list must not outlive this failure: a start would put its
        // records back over later work.
        if (kept.listStands()) discardUnused(std::move(kept));
        throw;
    }
    kept_.emplace(std::move(kept));
    underWay() = this;
    watchRefusedChanges([this](const RecordError& error) {
        if (!firstFailure_) firstFailure_ = error.what();
    });
}

PieceOfWork::~PieceOfWork() {
    if (underWay() == this) putBack();
}

void PieceOfWork::stopWatching() {
    watchRefusedChanges({});
    underWay() = nullptr;
}

PieceOfWork::Ending PieceOfWork::end() {
    if (underWay() != this) return {};
    stopWatching();
    if (!firstFailure_) {
        try {
            kept_->discard();
            kept_.reset();
            return {};
        } catch (const RecordError& error) {
            // Kept, the list would put the records back at the next start, over what the user
            // was told was saved: the work is put back now instead, and told as not done.
            firstFailure_ = error.what();
        }
    }
    return putBack();
}

PieceOfWork::Ending PieceOfWork::putBack() {
    if (!kept_) return {};
    stopWatching();
    Ending ending{firstFailure_.value_or(std::string()), std::nullopt};
    try {
        kept_->putFilesBack();
    } catch (const RecordError& error) {
        ending.putBackLater = error.what();
        leaveForLater(std::move(*kept_));
        kept_.reset();
        return ending;
    }
    // The records are back; a list that cannot be removed goes before any of them changes again.
    discardUnused(std::move(*kept_));
    kept_.reset();
    return ending;
}

void PieceOfWork::holdUntilSettled(KeptFiles&& list) {
    leaveForLater(std::move(list));
}

void PieceOfWork::forgetRun() {
    underWay() = nullptr;
    leftOver().clear();
    setBeforeChange({});
    watchRefusedChanges({});
    forgetThisRun();
}

}  // namespace nencho
