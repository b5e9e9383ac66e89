// The sheet's controls by their names, its captions and tips, and the reference panel.
#include <QLabel>
#include <QPushButton>

#include "dependants_sheet_fixture.h"
#include "yearend/ui/form18_controls.h"

namespace nencho::test {
namespace {

using namespace form5;

class DependantsLayout : public DependantsSheetTest {};

TEST_F(DependantsLayout, EveryNamedControlIsThere) {
    EXPECT_EQ(sheet().windowTitle(), "扶養控除等");
    std::vector<QString> names;
    for (const TableRow& row : kDependantTableRows)
        for (const char* name :
             {row.name, row.relation, row.birthDate, row.marker, row.markerButton, row.occupation,
              row.address, row.annualIncome, row.other})
            names.push_back(name);
    for (const GridRow& row : kGridRows) {
        for (const GridMark* mark : {row.person, row.spouse})
            if (mark) names.insert(names.end(), {mark->button, mark->flag, mark->counter});
        if (row.restoreFlag) names.push_back(row.restoreFlag);
        names.insert(names.end(), {row.typedCount, row.total});
    }
    for (const char* name : {"Text13", "Text14", "Text15", "Text39", "Command20", "Text19",
                             "Text20", "Text21", "Text22", "Text45", "Text50", "Text73", "Text161",
                             "Text162", "Text48", "Text82", "Text23"})
        names.push_back(name);
    for (int command : {3, 5, 6, 8, 9, 10, 12, 14, 15, 22, 23, 24, 28, 29, 30, 31, 36})
        names.push_back(QString("Command%1").arg(command));
    for (int option : {1, 2, 3, 4, 5, 6, 7, 12}) {
        names.push_back(QString("Option%1").arg(option));
        EXPECT_FALSE(sheet().controlWidget(QString("Option%1").arg(option))->isVisibleTo(&sheet()));
    }
    for (const QString& name : names) EXPECT_TRUE(sheet().hasControl(name)) << name.toStdString();
}

TEST_F(DependantsLayout, CaptionsAndTips) {
    const std::pair<const char*, const char*> captions[] = {
        {kComputeButton, "計算実行"},
        {kLoadButton, "データ呼出"},
        {kImportButton, "前年度データ取込"},
        {kClearButton, "クリア"},
        {kTableClearButton, "クリア"},
        {kSpouseRowResetButton, "配偶者"},
        {kTotalsResetButton, "合計"},
        {kTypedCountsResetButton, "　扶養　家族"},
        {kCountUpButton, "1人"},
        {kCountClearButton, "c"},
        {kEndButton, "END"},
        {kReferenceButton, "扶養控除の参照"},
        {kTotalCaptionButton, "扶養控除額合計"},
        {kSpouseNote, "対象となる配偶者も合計人数に含めて下さい。"},
    };
    for (const auto& [control, caption] : captions) EXPECT_EQ(text(control), caption) << control;
    EXPECT_EQ(sheet().control<QLabel>("GridRowHeading4")->toolTip(),
              "７０歳以上（昭和７年１月１日以前生まれ）");
    EXPECT_EQ(sheet().control<QLabel>("GridRowHeading5")->toolTip(),
              "昭和５４年１月２日から昭和６１年１月１日までの間の生まれ");
}

TEST_F(DependantsLayout, EndEndsTheProgram) {
    click(kEndButton);
    EXPECT_EQ(programEnds, 1);
    click(kTotalCaptionButton);
    EXPECT_TRUE(dialogs->messages.empty());
}

const char* const kReferenceTexts[] = {
    "平成１７年分の扶養控除の参照・抄",
    "老人配偶者：昭和１１年１月１日生まれ以前",
    "特定扶養家族：昭和５８年１月２日～平成２年１月１日",
    "老人扶養：昭和１１年１月１日生まれ以前",
    "老年者控除は廃止されました。",
    "",
};

void expectReferenceTexts(Screen& panel) {
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(panel.textOf(QString("Label%1").arg(i + 1)), kReferenceTexts[i]) << i + 1;
}

TEST_F(DependantsLayout, TheReferencePanelShowsTheYearsLimitsAndItsEndHidesIt) {
    click(kReferenceButton);
    Screen* panel = &screens::touch(form18::kForm);
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->windowTitle(), "Form18");
    expectReferenceTexts(*panel);
    // Labels top to bottom.
    for (int i = 1; i < 6; ++i)
        EXPECT_LT(panel->controlWidget(QString("Label%1").arg(i))->y(),
                  panel->controlWidget(QString("Label%1").arg(i + 1))->y());

    panel->setTextOf("Label1", "changed");
    clearEvents();
    test::click(form18::kForm, form18::kEndButton);
    EXPECT_EQ(eventsOf(ScreenEvent::Kind::Unload), std::vector<QString>{"Form18"});
    EXPECT_EQ(eventsOf(ScreenEvent::Kind::Create), std::vector<QString>{"Form18"});
    Screen& recreated = screens::touch(form18::kForm);
    EXPECT_FALSE(recreated.isVisible());
    expectReferenceTexts(recreated);

    click(kReferenceButton);
    EXPECT_TRUE(recreated.isVisible());
}

}  // namespace
}  // namespace nencho::test
