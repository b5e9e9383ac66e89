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
#include "yearend/dependants_file.h"
#include "yearend/insurance_file.h"
#include "yearend/spouse_housing_file.h"

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

inline InsuranceRecord fixtureInsurance() {
    InsuranceRecord record;
    for (std::size_t i = 0; i < 3; ++i) {
        const std::string n = std::to_string(i + 1);
        record.lifePolicies[i] = {"生命" + n, "終身" + n, "10年" + n,
                                  "本人" + n, "妻" + n,   "夫" + n};
    }
    for (std::size_t i = 0; i < 2; ++i) {
        const std::string n = std::to_string(i + 1);
        record.pensionPolicies[i] = {"年金" + n, "個人" + n, "20年" + n,
                                     "本人" + n, "本人" + n, "本" + n};
        record.casualtyPolicies[i] = {"損保" + n, "火災" + n, "30年" + n, "本人" + n,
                                      "本人" + n, "本" + n,   "H30" + n};
    }
    record.lifePremiums = {120'000, 30'000, 0};
    record.lifeTotal = 150'000;
    record.lifeDeduction = 50'000;
    record.pensionPremiums = {60'000, 0};
    record.pensionTotal = 60'000;
    record.pensionDeduction = 40'000;
    record.lifeInsuranceDeduction = 90'000;
    record.casualtyPremiums = {30'000, 2'000};
    record.longTermPremiums = 30'000;
    record.shortTermPremiums = 2'000;
    record.longTermDeduction = 15'000;
    record.shortTermDeduction = 2'000;
    record.casualtyDeduction = 15'000;
    record.mutualAidPremiums = 12'000;
    record.declaredSocialInsurance = 20'000;
    return record;
}

// A spouse and two dependants: one disabled, one specific and one elderly among five counted.
inline DependantsRecord fixtureDependants() {
    DependantsRecord record;
    record.personDisabledWidowOrStudent = 270'000;
    record.disabledAmount = 270'000;
    record.specificDependantAddition = 250'000;
    record.elderlyDependantAddition = 100'000;
    record.basicAndDependantsDeduction = 2'280'000;
    record.totalDeduction = 2'900'000;
    record.disabledCount = 1;
    record.specificDependantCount = 1;
    record.elderlyDependantCount = 1;
    record.dependantsInAll = 5;
    record.spouse = {"山田　花子", "妻", "S47.5.1", "", "パート", "同上", "控除対象"};
    record.dependants[0] = {"山田　一郎", "長男", "S62.4.1", "特定", "学生", "同上", "0", ""};
    record.dependants[1] = {"山田　梅", "母", "T15.1.1", "老人", "", "同上", "", "同居"};
    record.spouseAnnualIncome = 480'000;
    return record;
}

inline SpouseHousingRecord fixtureSpouseHousing() {
    return {150'000, 1'000'000, 350'000, 110'000, "ヤマダ　ハナコ", "山田　花子", {}};
}

// Writes every record of the fixture person.
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
    InsuranceFile::save(kPrintYear, key, fixtureInsurance());
    DependantsFile::save(kPrintYear, key, fixtureDependants());
    SpouseHousingFile::save(kPrintYear, key, fixtureSpouseHousing());
}

}  // namespace nencho::test
