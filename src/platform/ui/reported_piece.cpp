#include "platform/ui/reported_piece.h"

#include <QStringList>
#include <exception>
#include <optional>

#include "common/failure.h"
#include "platform/piece_of_work.h"
#include "platform/record_error.h"
#include "platform/ui/action_guard.h"
#include "platform/ui/reported_action.h"

namespace nencho {

namespace {

const QString kPutBackLater = QStringLiteral(
    "操作の前の状態に戻すこともできませんでした。この人の記録を次に変えるとき、"
    "または次に起動したときに、操作の前の状態に戻します。");

// What the user reads of a piece that ended put back, or to be put back; why is empty when the
// change stopped without a failure of its own to tell.
QString toldOf(const PieceWords& words, const PieceOfWork::Ending& ending, const QString& why) {
    QStringList lines{words.notDone};
    if (ending.putBackLater) {
        if (!why.isEmpty()) lines << why;
        lines << kPutBackLater << QString::fromUtf8(*ending.putBackLater);
    } else {
        lines << words.asBefore;
        if (!why.isEmpty()) lines << why;
    }
    return lines.join('\n');
}

// A fault of the program that leaves the change puts the records back on its way out, and the
// user reads of them before the fault.
class PutBackOnFault {
  public:
    PutBackOnFault(PieceOfWork& piece, const PieceWords& words) : piece_(piece), words_(words) {}
    ~PutBackOnFault() {
        if (std::uncaught_exceptions() == unwinding_ || piece_.joined()) return;
        prefaceFault(toldOf(words_, piece_.putBack(), {}));
    }
    PutBackOnFault(const PutBackOnFault&) = delete;
    PutBackOnFault& operator=(const PutBackOnFault&) = delete;

  private:
    PieceOfWork& piece_;
    const PieceWords& words_;
    const int unwinding_ = std::uncaught_exceptions();
};

}  // namespace

PieceEnd runPieceOfWork(const std::vector<std::string>& records, const PieceWords& words,
                        const std::function<bool()>& change) {
    std::optional<PieceOfWork> piece;
    try {
        piece.emplace(records);
    } catch (const RecordError& error) {
        reportFailure(words.notDone + "\n" + QString::fromUtf8(error.what()));
        return PieceEnd::PutBack;
    }
    const int reportedBefore = keptFailureCount();
    bool done = false;
    {
        const PutBackOnFault onFault(*piece, words);
        try {
            done = change();
        } catch (const Failure& failure) {
            if (piece->joined()) throw;
            reportFailure(QString::fromUtf8(failure.what()));
        }
    }
    const PieceOfWork::Ending ending = done ? piece->end() : piece->putBack();
    if (ending.stands()) return PieceEnd::Stands;
    // The first refused change tells why; otherwise what the change reported on the way.
    QString why = QString::fromUtf8(*ending.failure);
    if (why.isEmpty()) why = keptFailuresSince(reportedBefore).join('\n');
    replaceFailuresSince(reportedBefore, toldOf(words, ending, why));
    return ending.putBackLater ? PieceEnd::LeftToPutBack : PieceEnd::PutBack;
}

}  // namespace nencho
