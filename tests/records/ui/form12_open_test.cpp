// The data maintenance screen as it opens, and its question about a code without a person.
#include <QComboBox>
#include <QListWidget>
#include <filesystem>
#include <fstream>

#include "platform/volumes.h"
#include "records/maintenance_fixture.h"
#include "records/ui/form12.h"
#include "records/ui/form12_controls.h"
#include "support/screen_test.h"

namespace nencho::test {
namespace {

class Form12OpenTest : public ScreenTest {
  protected:
    void TearDown() override {
        setVolumeRoots({});
        ScreenTest::TearDown();
    }

    // The screen opened as the main menu opens it.
    Screen& open() {
        screens::write(form12::kForm, form12::kYearBox, QString::fromStdString(kYear));
        screens::press(form12::kForm, form12::kYearButton);
        screens::show(form12::kForm);
        return screens::touch(form12::kForm);
    }
};

TEST_F(Form12OpenTest, ADriveListThatCannotBeMadeIsToldOnceAndTheScreenStays) {
    writeCompany(1, "山田商事");
    const std::filesystem::path notAFolder = drives->root() / "media";
    std::ofstream(notAFolder) << "x";
    setVolumeRoots({notAFolder});

    Screen& screen = open();

    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_TRUE(dialogs->messages[0].prompt.contains("を読めません"));
    EXPECT_EQ(dialogs->messages[0].title, "データ");
    EXPECT_TRUE(screen.isVisible());
    EXPECT_EQ(screen.control<QListWidget>(form12::kCompanyList)->count(),
              1);  // the companies still listed
}

TEST_F(Form12OpenTest, TheDeletionOfACodeWithoutAPersonNamesTheCodeAndItsLeftoverFiles) {
    writeCompany(1, "山田商事");
    writePerson(1, 6, "六郎");
    std::filesystem::remove(drives->host(personFile(1, 6)));  // only year files are left
    Screen& screen = open();
    screen.setTextOf(form12::kCompanyCodeBox, "1");
    screen.setTextOf(form12::kPersonCodeBox, "6");

    screen.press("Command1");

    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].title,
              "個人コード 6 には個人の記録がありません。残っているファイルを削除しますか");
    EXPECT_EQ(countExisting(sevenFiles(1, 6)), 0);
}

}  // namespace
}  // namespace nencho::test
