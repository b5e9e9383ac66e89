#pragma once
// An action's change of several records run as one piece of work (PieceOfWork), told to the user
// through the running reported action (runReported).
#include <QString>
#include <functional>
#include <string>
#include <vector>

namespace nencho {

// Runs the change as one piece of work over the records. When the records cannot be kept,
// nothing changes; when a change fails on the way, every record is put back. Either way the user
// reads once, in place of what the change reported on the way, that the work was not saved (the
// words given) and why. True when the work stands. A piece begun inside another runs the change
// and leaves its end, and what is told of it, to that one.
bool runPieceOfWork(const std::vector<std::string>& records, const QString& notSaved,
                    const std::function<void()>& change);

}  // namespace nencho
