#pragma once
// An action's change of several records run as one piece of work (PieceOfWork), told to the user
// through the running reported action (runReported).
#include <QString>
#include <functional>
#include <string>
#include <vector>

namespace nencho {

// What the user reads of a piece that did not stand: that the work was not done, then what became
// of its records.
struct PieceWords {
    QString notDone;
    QString asBefore = QStringLiteral(
        "この操作で変えた記録は、すべて操作の前の状態に戻しました。"
        "入力した内容は画面に残っています。");
};

enum class PieceEnd {
    Stands,         // every change made
    PutBack,        // nothing changed, or every record put back
    LeftToPutBack,  // the records could not be put back yet: before they change again, or at
                    // the next start
};

// Runs the change as one piece of work over the records. The change returns whether it did what
// it should. When the records cannot be kept, nothing changes; when a change fails on the way, a
// Failure ends the change or it returns false, every record is put back, and the user reads once,
// in place of what the change reported on the way, the words and why. A fault of the program that
// leaves the change puts the records back too, and the action guard shows the words before the
// fault. A piece begun inside another runs the change and leaves its end, and what is told of it,
// to that one.
PieceEnd runPieceOfWork(const std::vector<std::string>& records, const PieceWords& words,
                        const std::function<bool()>& change);

}  // namespace nencho
