// A list chooses a row on the user's click, once per click, whichever row a quick second click
// lands on.
#include "platform/ui/choice_list.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <vector>

#include "support/screen_test.h"

namespace nencho {
namespace {

class ChoiceListTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { test::ensureApplication(); }

    void SetUp() override {
        list.addItems({"一", "二", "三"});
        list.resize(200, 200);
        list.show();
        QObject::connect(&list, &ChoiceList::rowChosen, [this](int row) { chosen.push_back(row); });
    }

    QPoint centreOf(int row) { return list.visualItemRect(list.item(row)).center(); }

    void send(QEvent::Type type, int row) {
        QMouseEvent event(
            type, centreOf(row), list.viewport()->mapToGlobal(centreOf(row)), Qt::LeftButton,
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(list.viewport(), &event);
    }

    // The second click of a quick pair arrives as a double click, then its release.
    void secondClickOn(int row) {
        send(QEvent::MouseButtonDblClick, row);
        send(QEvent::MouseButtonRelease, row);
    }

    ChoiceList list;
    std::vector<int> chosen;
};

TEST_F(ChoiceListTest, AClickChoosesItsRow) {
    test::clickRow(&list, 1);
    EXPECT_EQ(chosen, std::vector<int>{1});
}

TEST_F(ChoiceListTest, ADoubleClickOnOneRowChoosesItOnce) {
    test::clickRow(&list, 1);
    secondClickOn(1);
    EXPECT_EQ(chosen, std::vector<int>{1});
    EXPECT_EQ(list.currentRow(), 1);
}

TEST_F(ChoiceListTest, AQuickSecondClickOnAnotherRowChoosesThatRow) {
    test::clickRow(&list, 0);
    secondClickOn(2);
    EXPECT_EQ(chosen, (std::vector<int>{0, 2}));
    EXPECT_EQ(list.currentRow(), 2);
}

}  // namespace
}  // namespace nencho
