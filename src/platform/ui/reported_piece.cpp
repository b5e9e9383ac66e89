#include "platform/ui/reported_piece.h"

#include <optional>

#include "platform/piece_of_work.h"
#include "platform/record_error.h"
#include "platform/ui/reported_action.h"

namespace nencho {

namespace {

const QString kPutBack = QStringLiteral(
    "この操作で変えた記録は、すべて操作の前の状態に戻しました。"
    "入力した内容は画面に残っています。");
const QString kPutBackLater = QStringLiteral(
    "操作の前の状態に戻すこともできませんでした。この人の記録を次に変えるとき、"
    "または次に起動したときに、操作の前の状態に戻します。");

}  // namespace

bool runPieceOfWork(const std::vector<std::string>& records, const QString& notSaved,
                    const std::function<void()>& change) {
    std::optional<PieceOfWork> piece;
    try {
        piece.emplace(records);
    } catch (const RecordError& error) {
        reportFailure(notSaved + "\n" + QString::fromUtf8(error.what()));
        return false;
    }
    const int reportedBefore = keptFailureCount();
    change();
    const PieceOfWork::Ending ending = piece->end();
    if (ending.stands()) return true;
    QString text = notSaved + "\n";
    if (ending.putBackLater)
        text += QString::fromUtf8(*ending.failure) + "\n" + kPutBackLater + "\n" +
                QString::fromUtf8(*ending.putBackLater);
    else
        text += kPutBack + "\n" + QString::fromUtf8(*ending.failure);
    replaceFailuresSince(reportedBefore, text);
    return false;
}

}  // namespace nencho
