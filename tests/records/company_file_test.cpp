#include "records/company_file.h"

#include <gtest/gtest.h>

#include "common/paths.h"
#include "platform/file_system.h"
#include "platform/record_error.h"
#include "support/temp_drives.h"

namespace nencho {
namespace {

using test::writeLines;

CompanyRecord sampleRecord() {
    CompanyRecord record;
    record.code = 12;
    record.capital = -3000000;
    record.businessYearStart = {14, 4, 16};
    record.businessYearEnd = {15, 3, 31};
    record.settlement = {15, 5, 30};
    record.reading = "ヤマダショウジ";
    record.name = " 山田商事, 本店 ";
    record.taxPlace = "東京都千代田区神田1-2-3";
    record.representativeReading = "ヤマダタロウ";
    record.representativeName = "山田太郎";
    record.representativeAddress = "";
    record.businessType = "小売業";
    record.taxOffice = "神田";
    record.phone = "03-1234-5678";
    return record;
}

TEST(CompanyFile, ReadsBackWhatItStoresWithSpacesCommasAndSign) {
    test::TempDrives drives;
    ensureDataTree("H17");
    const CompanyRecord record = sampleRecord();
    companyFileWriter(record).save(companyFilePath(record.code));
    EXPECT_EQ(loadCompanyFile(12), record);
    EXPECT_EQ(companyFileWriter(record).fieldCount(), 32u);
}

TEST(CompanyFile, LoadFailsOnMissingShortOrMistypedFiles) {
    test::TempDrives drives;
    std::vector<std::string> lines{"4", "0", "13", "1", "1", "13", "12", "31"};
    for (int i = 0; i < 9; ++i) lines.push_back("\"t\"");
    lines.insert(lines.end(), {"0", "0"});  // ends before line 20
    writeLines(companyFilePath(4), lines);
    std::vector<std::string> mistyped = lines;
    mistyped.push_back("0");
    mistyped[1] = "\"百万\"";
    writeLines(companyFilePath(5), mistyped);

    const std::pair<std::int64_t, FileErrorKind> cases[] = {
        {3, FileErrorKind::FileNotFound},
        {4, FileErrorKind::InputPastEnd},
        {5, FileErrorKind::TypeMismatch},
    };
    for (const auto& [code, kind] : cases) {
        try {
            loadCompanyFile(code);
            ADD_FAILURE() << "company " << code << " loaded";
        } catch (const RecordError& error) {
            EXPECT_EQ(error.kind(), kind) << code;
        }
    }
}

// The heading the lists and the main menu read needs lines 1 to 10 only.
TEST(CompanyFile, TheHeadingIsReadFromARecordThatEndsAfterTheName) {
    test::TempDrives drives;
    writeLines(companyFilePath(6),
               {"6", "0", "13", "1", "1", "13", "12", "31", "\"カイシャ\"", "\"六社\""});
    const CompanyRecord heading = loadCompanyFile(6, CompanyFields::Heading);
    EXPECT_EQ(heading.code, 6);
    EXPECT_EQ(heading.name, "六社");
    EXPECT_EQ(heading.taxPlace, "");
    EXPECT_THROW(loadCompanyFile(6), RecordError);
    writeLines(companyFilePath(7), {"7", "0", "13", "1", "1", "13", "12", "31", "\"カイシャ\""});
    EXPECT_THROW(loadCompanyFile(7, CompanyFields::Heading), RecordError);
}

TEST(LegacyCompanyLayout, ReadsNineteenLinesWithoutRepresentativeName) {
    test::TempDrives drives;
    writeLines(corporateTaxCompanyFilePath(7),
               {"21", "10000000", "14", "4", "1", "15", "3", "31", "\"カブシキガイシャアオバ\"",
                "\"株式会社青葉\"", "\"仙台市青葉区1-1\"", "\"アオバイチロウ\"",
                "\"仙台市泉区2-2\"", "\"製造業\"", "\"仙台北\"", "022 123 4567", "15", "5", "31"});
    const LegacyCompanyLayout values = loadLegacyCompanyFile(7);
    EXPECT_EQ(values.code, 21);
    EXPECT_EQ(values.capital, 10000000);
    EXPECT_EQ(values.businessYearStart, (CompanyDate{14, 4, 1}));
    EXPECT_EQ(values.businessYearEnd, (CompanyDate{15, 3, 31}));
    EXPECT_EQ(values.settlement, (CompanyDate{15, 5, 31}));
    EXPECT_EQ(values.representativeReading, "アオバイチロウ");
    EXPECT_EQ(values.representativeAddress, "仙台市泉区2-2");
    EXPECT_EQ(values.taxOffice, "仙台北");
    EXPECT_EQ(values.phone, "022 123 4567");  // an unquoted field is taken as it stands
}

TEST(CompanyCode, EmptyOrWordsGive999AndNumbersOutsideTheListsAreRefused) {
    const std::pair<const char*, std::optional<std::int32_t>> cases[] = {
        {"", 999},
        {"abc", 999},
        {"7a", 999},
        {"007", 7},
        {" 12 ", 12},
        {"5.5", 6},
        {"999", 999},
        {"1", 1},
        {"0", std::nullopt},
        {"-3", std::nullopt},
        {"1000", std::nullopt},
        {"1,000", std::nullopt},
        {"99999999999", std::nullopt},
    };
    for (const auto& [box, code] : cases) EXPECT_EQ(registrationCode(box), code) << box;
}

TEST(CompanyCapital, ShowsTwoSpacesBeforeTheAmount) {
    EXPECT_EQ(capitalBoxText(10000000), "  10,000,000");
    EXPECT_EQ(capitalBoxText(0), "  ");
}

}  // namespace
}  // namespace nencho
