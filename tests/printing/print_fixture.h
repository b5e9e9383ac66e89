#pragma once
// A person's year written as stored records, for the print data and print screen tests: company
// 1, person 5 ("山田　太郎") with notes, ledger and year-end result in H17.
#include <string>

#include "common/keys.h"
#include "common/paths.h"
#include "ledger/ledger_file.h"
#include "platform/file_system.h"
#include "records/company_file.h"
#include "records/notes_file.h"
#include "records/person_file.h"
#include "yearend/adjustment_result_file.h"

namespace nencho::test {

inline const std::string kPrintYear = "H17";

inline CompanyRecord fixtureCompany(std::int32_t code = 1) {
    CompanyRecord company;
    company.code = code;
    company.capital = 10'000'000;
    company.businessYearStart = {16, 4, 1};
    company.businessYearEnd = {17, 3, 31};
    company.settlement = {17, 5, 25};
    company.reading = "カブシキガイシャ　アオバ";
    company.name = "株式会社青葉";
    company.taxPlace = "東京都千代田区1-1";
    company.representativeReading = "アオバ　イチロウ";
    company.representativeName = "青葉　一郎";
    company.representativeAddress = "東京都港区2-2";
    company.businessType = "卸売業";
    company.taxOffice = "麹町";
    company.phone = "03-1234-5678";
    return company;
}

inline PersonEntry fixturePerson(std::int32_t company = 1, std::int32_t code = 5) {
    PersonEntry person;
    person.personCode = code;
    person.companyCode = company;
    person.personKey = *personKey(company, code);
    person.reading = "ヤマダ　タロウ";
    person.name = "山田　太郎";
    person.upperAddress = "東京都千代田区1-2";
    person.lowerAddress = "青葉ビル3F";
    person.birthEra = "昭和";
    person.birthYear = 45;
    person.birthMonth = 3;
    person.birthDay = 12;
    person.position = "取締役";
    person.setOwnCondition(PersonStatus::Widow);
    person.status(PersonStatus::Foreigner) = "外国人";
    person.status(PersonStatus::Leaving) = "退　職";
    person.status(PersonStatus::ChangeYear) = "17";
    person.status(PersonStatus::ChangeMonth) = "9";
    person.status(PersonStatus::ChangeDay) = "30";
    person.status(PersonStatus::SecondaryColumn) = "乙欄";
    person.choosePayKind(PayKind::DirectorsFee);
    return person;
}

inline LedgerRecord fixtureLedger() {
    LedgerRecord ledger;
    for (int month = 1; month <= 12; ++month) {
        ledger.sheet.setCell(month, LedgerColumn::Pay, 300'000 + month);
        ledger.sheet.setCell(month, LedgerColumn::SocialInsurance, 40'000);
        ledger.sheet.setCell(month, LedgerColumn::AfterInsurance, 260'000 + month);
        ledger.sheet.setCell(month, LedgerColumn::Tax, 6'000);
        ledger.sheet.setCell(month, LedgerColumn::Dependants, 2);
        ledger.payDates[static_cast<std::size_t>(month - 1)] = "25";
    }
    ledger.sheet.setCell(kMonthTotalRow, LedgerColumn::Pay, 3'600'078);
    ledger.sheet.setCell(bonusRow(1), LedgerColumn::Pay, 500'000);
    ledger.sheet.setCell(bonusRow(1), LedgerColumn::Dependants, 2);
    ledger.sheet.setCell(kGrandTotalRow, LedgerColumn::Pay, 4'100'078);
    ledger.payDates[12] = "7/10";
    return ledger;
}

// A worked year-end result; every stored value distinct so that a misplaced line shows.
inline AdjustmentResult fixtureAdjustment(std::int32_t balance = -12'300,
                                          std::int32_t fixedRateReduction = 12'300) {
    AdjustmentResult result;
    for (int value : kAdjustmentRecordValues)
        result[static_cast<AdjustmentValue>(value)] = value * 1000 + 7;
    result[AdjustmentValue::PayInAll] = 4'100'078;
    result[AdjustmentValue::EmploymentIncome] = 2'810'000;
    result[AdjustmentValue::SocialInsuranceFromPay] = 480'000;
    result[AdjustmentValue::DeclaredSocialInsurance] = 20'000;
    result[AdjustmentValue::MutualAidPremiums] = 12'000;
    result[AdjustmentValue::Balance] = balance;
    result[AdjustmentValue::FixedRateReduction] = fixedRateReduction;
    return result;
}

// Writes every record of the fixture person the readers on hand know.
inline void writeFixtureYear(std::int32_t company = 1, std::int32_t code = 5,
                             const AdjustmentResult& result = fixtureAdjustment()) {
    ensureDataTree(kPrintYear);
    const std::int32_t key = *personKey(company, code);
    companyFileWriter(fixtureCompany(company)).save(companyFilePath(company));
    PersonFile::overwrite(fixturePerson(company, code));
    NotesFile::save(kPrintYear, key, {"前職 株式会社緑 300,000円", "住宅取得 平成16年"});
    ledgerFileWriter(fixtureLedger()).save(*ledgerFilePath(kPrintYear, LedgerOwner{company, code}));
    AdjustmentResultFile::save(kPrintYear, key,
                               AdjustmentResultRecord::of(result, AdjustmentStatus::Adjusted));
}

}  // namespace nencho::test
