#include "platform/ui/typed_length.h"

#include <QLineEdit>
#include <QValidator>
#include <algorithm>

#include "platform/ui/dialogs.h"

namespace nencho {

namespace {

// A validator sees each change of the box's text, with the cursor just after what was entered.
// A change the user made can be undone; a text the program set cannot.
class TypedLengthLimit : public QValidator {
  public:
    TypedLengthLimit(QLineEdit* box, int limit) : QValidator(box), box_(box), limit_(limit) {}

    State validate(QString& input, int& cursor) const override {
        if (!box_->isUndoAvailable()) {
            // The program set the text: a longer stored text keeps its room for the user.
            storedLength_ = input.size() > limit_ ? input.size() : 0;
            return Acceptable;
        }
        const qsizetype room = std::max<qsizetype>(limit_, storedLength_);
        if (input.size() <= room) return Acceptable;
        // The characters over the limit are the last ones entered, just before the cursor.
        qsizetype excess = input.size() - room;
        qsizetype start = std::max<qsizetype>(0, cursor - excess);
        excess = std::min(excess, input.size() - start);
        if (start > 0 && input.at(start - 1).isHighSurrogate()) {  // no half character
            --start;
            ++excess;
        }
        input.remove(start, excess);
        cursor = static_cast<int>(start);
        dialogs().beep();
        return Acceptable;
    }

  private:
    QLineEdit* box_;
    int limit_;
    mutable qsizetype storedLength_ = 0;
};

}  // namespace

void limitTypedLength(QLineEdit* box, int characters) {
    box->setValidator(new TypedLengthLimit(box, characters));
}

}  // namespace nencho
