#pragma once
// One piece of work that changes several records, which must end all as they were before it or
// all as it leaves them. Its records are kept (KeptFiles: one list of their bytes in the data
// root, which marks the work) before its first change, and the list goes once its last change
// is made; cut short anywhere, the next start puts every record back. A piece begun while
// another is under way joins that one: the records it names are kept by the piece under way
// too, and only that one ends the work, so a save inside a calculation, or a calculation inside
// a deletion, never ends the work half-way.
#include <optional>
#include <string>
#include <vector>

#include "platform/kept_files.h"

namespace nencho {

class PieceOfWork {
  public:
    // Keeps the records. Throws RecordError, having changed none of them.
    explicit PieceOfWork(const std::vector<std::string>& records);
    // A piece not ended (the work was cut short) leaves its records and its keep list to the
    // next start.
    ~PieceOfWork();
    PieceOfWork(const PieceOfWork&) = delete;
    PieceOfWork& operator=(const PieceOfWork&) = delete;

    // Whether it joined a piece under way, whose owner ends the work.
    bool joined() const { return !kept_; }

    // The work is over and its records stay as they are now. Throws RecordError: the keep list
    // then stays, and the next start puts the records back. Nothing for a piece that joined.
    void done();
    // Puts every record back as it was before the work. Throws RecordError, the keep list and
    // the copies staying for the next start. Nothing for a piece that joined.
    void undo();

  private:
    void end();

    std::optional<KeptFiles> kept_;
};

}  // namespace nencho
