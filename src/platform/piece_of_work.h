#pragma once
// One piece of work that changes several records, which must end all as they were before it or
// all as it leaves them. Its records are kept (KeptFiles: one list of their bytes in the data
// root, which marks the work) before its first change, and the list goes once its last change
// is made. A change the disk refuses on the way, even one handled and reported there, ends the
// work with every record put back, and so does an exception that leaves the piece; cut short
// anywhere, the next start puts every record back. A piece begun while another is under way
// joins that one: the records it names are kept by the piece under way too, and only that one
// ends the work, so a save inside a calculation, or a calculation inside a deletion, never ends
// the work half-way.
//
// A list this run could not remove, or whose records it could not put back, stays in the run's
// hands: its records are put back before any of them is changed again and before the next piece
// begins, so that no start ever puts back an older state over work the user was told was saved.
// A start hands over the lists it could not settle in the same way.
#include <optional>
#include <string>
#include <vector>

#include "platform/kept_files.h"

namespace nencho {

class PieceOfWork {
  public:
    // Settles what earlier pieces of this run left, then keeps the records. Throws RecordError,
    // having changed none of them.
    explicit PieceOfWork(const std::vector<std::string>& records);
    // A piece not ended (an exception left it) puts its records back at once; what cannot be put
    // back now is put back before any of them changes again, or by the next start.
    ~PieceOfWork();
    PieceOfWork(const PieceOfWork&) = delete;
    PieceOfWork& operator=(const PieceOfWork&) = delete;

    // Whether it joined a piece under way, whose owner ends the work.
    bool joined() const { return !kept_; }

    struct Ending {
        // Empty when the work stands as it leaves its records. Otherwise what the user reads of
        // the first change that failed (empty text when none did): the records are put back as
        // they were before the work.
        std::optional<std::string> failure;
        // What the user reads of a putting back that failed: the records stay as they are until
        // the next piece, a change of one of them or the next start puts them back.
        std::optional<std::string> putBackLater;
        bool stands() const { return !failure; }
    };

    // Ends the work: it stands when every change went through and the list is removed, else the
    // records are put back. A piece that joined ends nothing and stands.
    Ending end();
    // Puts every record back as it was before the work, whatever became of the changes; the
    // ending's failure is the first change that failed, or empty. Nothing for a piece that
    // joined.
    Ending putBack();

    // Takes a list this run could not settle into its hands: its records are put back, and the
    // list removed, before any of them changes again and before the next piece begins.
    static void holdUntilSettled(KeptFiles&& list);

    // For tests that stop the program at a file step and start it again in the same process:
    // what the run held goes, as the end of the process would take it.
    static void forgetRun();

  private:
    void stopWatching();

    std::optional<KeptFiles> kept_;
    std::optional<std::string> firstFailure_;
};

}  // namespace nencho
