// A screen finds a control by its name through a map it keeps; what the map holds must never
// stand for another name, nor outlive the control, nor keep a name the control no longer bears.
#include <QLineEdit>
#include <stdexcept>

#include "platform/ui/screen.h"
#include "support/screen_test.h"

namespace nencho::test {
namespace {

class TwoBoxes : public Screen {
  public:
    TwoBoxes() : Screen("TwoBoxes") {
        addText("Text1", 0, 0, 1000, 300);
        addText("Text2", 0, 300, 1000, 300);
    }
    QLineEdit* makeAgain(const QString& name) { return addText(name, 0, 600, 1000, 300); }
};

class ScreenLookup : public ScreenTest {};

TEST_F(ScreenLookup, CharactersSpellingAnotherNameFindTheControlOfThatName) {
    TwoBoxes screen;
    char name[] = "Text1";
    screen.setTextOf(name, "one");
    name[4] = '2';  // the same characters, at the same place, now name the other box
    screen.setTextOf(name, "two");
    EXPECT_EQ(screen.textOf(QStringLiteral("Text1")), "one");
    EXPECT_EQ(screen.textOf(QStringLiteral("Text2")), "two");
    EXPECT_EQ(screen.textOf(name), "two");
}

TEST_F(ScreenLookup, AControlMadeAgainUnderANameIsTheOneFound) {
    TwoBoxes screen;
    const char* const name = "Text1";
    screen.setTextOf(name, "old");
    delete screen.control<QLineEdit>(QStringLiteral("Text1"));
    QLineEdit* again = screen.makeAgain("Text1");
    screen.setTextOf(name, "new");
    EXPECT_EQ(again->text(), "new");
    EXPECT_EQ(screen.textOf(name), "new");
}

TEST_F(ScreenLookup, ARenamedControlAnswersToItsNewNameOnly) {
    TwoBoxes screen;
    screen.setTextOf("Text1", "one");
    auto* box = screen.control<QLineEdit>(QStringLiteral("Text1"));
    box->setObjectName("Text9");
    EXPECT_FALSE(screen.hasControl("Text1"));
    EXPECT_EQ(screen.control<QLineEdit>(QStringLiteral("Text9")), box);
    EXPECT_THROW(screen.setTextOf("Text1", "lost"), std::logic_error);
    EXPECT_EQ(box->text(), "one");
    // A control made under the old name is the one found by it.
    QLineEdit* again = screen.makeAgain("Text1");
    EXPECT_EQ(screen.control<QLineEdit>(QStringLiteral("Text1")), again);
}

}  // namespace
}  // namespace nencho::test
