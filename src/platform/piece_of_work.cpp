#include "platform/piece_of_work.h"

namespace nencho {

namespace {

// The piece whose owner ends the work under way; everything runs on one thread.
PieceOfWork*& underWay() {
    static PieceOfWork* piece = nullptr;
    return piece;
}

}  // namespace

PieceOfWork::PieceOfWork(const std::vector<std::string>& records) {
    if (underWay()) {
        // Kept before any change of this piece; whatever the piece under way changed is kept
        // by it already.
        underWay()->kept_->keepAlso(records);
        return;
    }
    kept_.emplace(records);
    underWay() = this;
}

PieceOfWork::~PieceOfWork() {
    end();
}

void PieceOfWork::end() {
    if (underWay() == this) underWay() = nullptr;
}

void PieceOfWork::done() {
    if (joined()) return;
    end();
    kept_->discard();
}

void PieceOfWork::undo() {
    if (joined()) return;
    end();
    kept_->restore();
}

}  // namespace nencho
