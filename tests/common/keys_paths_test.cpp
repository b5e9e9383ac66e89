#include <gtest/gtest.h>

#include "common/code_list.h"
#include "common/keys.h"
#include "common/paths.h"
#include "common/working_year.h"

namespace nencho {
namespace {

TEST(RecordNames, CompanyOnePersonTwo) {
    const auto key = personKey(1, 2);
    ASSERT_EQ(key, 102);
    EXPECT_EQ(personFilePath(*key), "c:\\年末調整\\個人名\\102.txt");
    EXPECT_EQ(yearFilePath("H17", *key, YearFileKind::Ledger),
              "c:\\年末調整\\H17年末調整\\1020.txt");
    EXPECT_EQ(yearFilePath("H17", *key, YearFileKind::AdjustmentResult),
              "c:\\年末調整\\H17年末調整\\1023.txt");
    EXPECT_EQ(monthlyPayRecordPath("H17", *key, 3), "c:\\年末調整\\H17年末調整\\1020003.txt");
    EXPECT_EQ(companyFilePath(1), "c:\\年末調整\\年調法人名\\1.txt");
    EXPECT_EQ(corporateTaxCompanyFilePath(7), "c:\\法人税\\法人名\\7.txt");
}

TEST(RecordNames, KeysBeyondSixteenBitsWork) {
    const auto key = personKey(327, 68);
    ASSERT_EQ(key, 32768);
    EXPECT_EQ(yearFilePath("H17", *key, YearFileKind::Notes),
              "c:\\年末調整\\H17年末調整\\327684.txt");
    EXPECT_EQ(monthlyPayRecordPath("H17", *personKey(999, 99), 12),
              "c:\\年末調整\\H17年末調整\\999990012.txt");
}

TEST(RecordNames, KeysOutsideThirtyTwoBitsHaveNoName) {
    EXPECT_FALSE(personKey(30'000'000, 0));
    EXPECT_FALSE(monthlyPayRecordNumber(*personKey(999'999, 99), 1));
    EXPECT_FALSE(yearFileNumber(300'000'000, YearFileKind::Ledger));
}

TEST(RecordNames, TypedCodesReadAs16BitNumbersGiveTheirKey) {
    struct Case {
        const char* company;
        const char* person;
        CodeRange range;
        std::optional<std::int32_t> key;
    };
    const Case cases[] = {
        {"1", "2", CodeRange::Any, 102},           {" 327 ", "68", CodeRange::Own, 32'768},
        {"1", "100", CodeRange::Any, 200},         {"1", "100", CodeRange::Own, std::nullopt},
        {"1", "0", CodeRange::Own, std::nullopt},  {"1", "99", CodeRange::Own, 199},
        {"", "2", CodeRange::Any, std::nullopt},   {"1", "x", CodeRange::Any, std::nullopt},
        {"32767", "1", CodeRange::Any, 3'276'701}, {"32768", "1", CodeRange::Any, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(typedPersonKey(c.company, c.person, c.range), c.key)
            << c.company << "/" << c.person;
        const auto codes = typedCodes(c.company, c.person, c.range);
        ASSERT_EQ(codes.has_value(), c.key.has_value()) << c.company << "/" << c.person;
        if (codes) {
            EXPECT_EQ(codes->key, *c.key);
            EXPECT_EQ(codes->companyCode * 100 + codes->personCode, *c.key);
        }
    }
}

TEST(RecordNames, YearFolderWithAndWithoutYear) {
    EXPECT_EQ(yearFolder("H13"), "c:\\年末調整\\H13年末調整\\");
    EXPECT_EQ(yearFolder(""), "c:\\年末調整\\年末調整\\");
}

TEST(CodeLists, RowsAndCodesTakenBack) {
    EXPECT_EQ(codeListItem(5, "山田"), "05 : 山田");
    EXPECT_EQ(codeListItem(123, "佐藤"), "123 : 佐藤");
    EXPECT_EQ(codeFromListItem("05 : 山田"), 5);
    EXPECT_EQ(codeFromListItem("123 : 佐藤"), 123);
    EXPECT_EQ(codeFromListItem("00 : x"), 0);
    EXPECT_EQ(codeFromListItem(""), 0);
    EXPECT_EQ(spareFields(2, 4), (std::vector<std::string>{"予備2", "予備3", "予備4"}));
}

TEST(WorkingYears, CaptionsUseTheLastTwoCharacters) {
    EXPECT_EQ(mainWindowCaption("H17"), "平成 17 年分の給与計算システム");
    EXPECT_EQ(yearLabel("H13"), "平成 13 年分");
}

}  // namespace
}  // namespace nencho
