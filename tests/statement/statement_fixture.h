#pragma once
// A person whose statement fills nearly every element: an address of two lines, a position,
// a pay kind, amounts with separators, dependants, status marks, joining during the year, a
// birth date and one remark line.
#include "printing/print_data.h"

namespace nencho::test {

inline PrintData statementFixturePerson() {
    PrintData d;
    d.personAddress1 = "東京都千代田区一番町1-2";
    d.personAddress2 = "二番館301";
    d.personName = "山田太郎";
    d.personReading = "ヤマダタロウ";
    d.personPosition = "取締役";
    d.payKindTexts[3] = "給与";
    d.companyTexts[2] = "株式会社見本";
    d.companyTexts[3] = "東京都港区三番町3";
    d.companyTexts[8] = "03-1234-5678";
    auto& r = d.adjustmentResult;
    r[AdjustmentValue::PayInAll] = 4800000;
    r[AdjustmentValue::EmploymentIncome] = 3300000;
    r[AdjustmentValue::DeductionsInAll] = 1234567;
    r[AdjustmentValue::AnnualTax] = 98700;
    r[AdjustmentValue::SocialInsuranceFromPay] = 600000;
    r[AdjustmentValue::DeclaredSocialInsurance] = 12000;
    r[AdjustmentValue::MutualAidPremiums] = 24000;
    r[AdjustmentValue::LifeInsuranceDeduction] = 50000;
    r[AdjustmentValue::CasualtyDeduction] = 3000;
    r[AdjustmentValue::FixedRateReduction] = 500;
    d.spouseTotalIncome = 380000;
    d.lifePensionAmounts[8] = 120000;
    d.casualtyAmounts[3] = 15000;
    for (int kind = 1; kind <= 6; ++kind) d.kindCounts[kind] = 1;
    d.kindCounts[6] = 2;
    d.spouseFlag = 1;
    d.otherDependantsCount = 2;
    d.dependantTable[1][1] = "山田花子";
    d.dependantTable[2][1] = "山田一郎";
    d.dependantTable[3][1] = "山田二郎";
    d.dependantTable[5][1] = "山田四郎";
    d.personStatusTexts[3] = "老年者";
    d.personStatusTexts[7] = "勤労学生";
    d.personStatusTexts[17] = "乙欄";
    d.personStatusTexts[12] = "就　職";
    d.personStatusTexts[14] = "17";
    d.personStatusTexts[15] = "4";
    d.personStatusTexts[16] = "1";
    d.birthEra = "昭和";
    d.birthYear = 45;
    d.birthMonth = 3;
    d.birthDay = 7;
    d.noteLines[1] = "前職分を含む";
    d.taxEraYear = "17";
    return d;
}

}  // namespace nencho::test
