#pragma once
// Print data of one person with every field the printouts read filled with values of realistic
// width, distinct from box to box so that a misplaced value shows.
#include "printing/print_data.h"

namespace nencho::test {

inline LedgerSheet fullLedgerSheet() {
    LedgerSheet sheet;
    auto setRow = [&](int row, std::int32_t pay, std::int32_t insurance, std::int32_t tax,
                      std::int32_t dependants) {
        sheet.setCell(row, LedgerColumn::Pay, pay);
        sheet.setCell(row, LedgerColumn::SocialInsurance, insurance);
        sheet.setCell(row, LedgerColumn::AfterInsurance, pay - insurance);
        sheet.setCell(row, LedgerColumn::Tax, tax);
        sheet.setCell(row, LedgerColumn::Dependants, dependants);
    };
    for (int month = 1; month <= 12; ++month)
        setRow(month, 300'000 + 1'000 * month, 43'000 + 10 * month, 6'000 + 10 * month, month % 4);
    setRow(kMonthTotalRow, 3'678'000, 516'780, 72'780, 0);
    setRow(bonusRow(1), 600'000, 86'000, 30'000, 2);
    setRow(bonusRow(2), 650'000, 93'000, 32'500, 3);
    setRow(kBonusTotalRow, 1'250'000, 179'000, 62'500, 0);
    setRow(kGrandTotalRow, 4'928'000, 695'780, 135'280, 0);
    return sheet;
}

inline AdjustmentResult fullAdjustment(std::int32_t balance) {
    AdjustmentResult result;
    result[AdjustmentValue::MonthPay] = 3'678'000;
    result[AdjustmentValue::BonusPay] = 1'250'000;
    result[AdjustmentValue::PayInAll] = 4'928'000;
    result[AdjustmentValue::BonusTax] = 62'500;
    result[AdjustmentValue::TaxWithheld] = 135'280;
    result[AdjustmentValue::EmploymentIncome] = 3'359'200;
    result[AdjustmentValue::SocialInsuranceFromPay] = 695'780;
    result[AdjustmentValue::DeclaredSocialInsurance] = 120'000;
    result[AdjustmentValue::MutualAidPremiums] = 60'000;
    result[AdjustmentValue::LifeInsuranceDeduction] = 50'000;
    result[AdjustmentValue::CasualtyDeduction] = 15'000;
    result[AdjustmentValue::SpouseSpecialDeduction] = 160'000;
    result[AdjustmentValue::DependantsDeduction] = 1'140'000;
    result[AdjustmentValue::DeductionsInAll] = 2'240'780;
    result[AdjustmentValue::TaxableIncome] = 1'118'000;
    result[AdjustmentValue::TaxOnTaxableIncome] = 111'800;
    result[AdjustmentValue::HousingLoanCredit] = 20'000;
    result[AdjustmentValue::TaxAfterCredit] = 91'800;
    result[AdjustmentValue::FixedRateReduction] = 18'360;
    result[AdjustmentValue::AnnualTax] = 73'400;
    result[AdjustmentValue::Balance] = balance;
    return result;
}

// The spouse and three dependants; rows 4 and 5 stay empty. The spouse's relation and marker are
// held but never printed.
inline void fillDependants(PrintData& data) {
    const char* const rows[4][8] = {
        {"山田　花子", "妻", "昭和47年8月10日", "老人", "パート", "同上", "", "17年4月婚姻"},
        {"山田　一郎", "長男", "平成元年5月3日", "特定", "学生", "同上", "380,000", ""},
        {"山田　次郎", "次男", "平成5年12月1日", "", "学生", "同上", "", "17年9月転入"},
        {"山田　梅", "母", "大正15年3月3日", "老人", "無職", "世田谷区上馬４－５－６", "", ""}};
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 8; ++column)
            data.dependantTable[row + 1][column + 1] = rows[row][column];
}

// Three life policies, two pension policies and two casualty policies with their amounts.
inline void fillInsurance(PrintData& data) {
    const char* const life[6][3] = {{"日本生命保険", "第一生命", "明治安田生命"},
                                    {"終身", "定期", "養老"},
                                    {"終身", "10年", "20年"},
                                    {"山田　太郎", "山田　太郎", "山田　太郎"},
                                    {"山田　花子", "山田　花子", "山田　一郎"},
                                    {"妻", "妻", "長男"}};
    for (int column = 0; column < 6; ++column)
        for (int policy = 0; policy < 3; ++policy)
            data.lifePensionTexts[1 + 3 * column + policy] = life[column][policy];
    const char* const pension[6][2] = {
        {"日本生命保険", "かんぽ生命"}, {"個人年金", "個人年金"},     {"10年", "15年"},
        {"山田　太郎", "山田　太郎"},   {"山田　太郎", "山田　太郎"}, {"本人", "本人"}};
    for (int column = 0; column < 6; ++column)
        for (int policy = 0; policy < 2; ++policy)
            data.lifePensionTexts[19 + 2 * column + policy] = pension[column][policy];
    const std::int32_t lifeAmounts[] = {120'000, 36'000, 48'000,  204'000, 50'000,
                                        96'000,  24'000, 120'000, 50'000,  100'000};
    for (int i = 0; i < 10; ++i) data.lifePensionAmounts[i + 1] = lifeAmounts[i];
    const char* const casualty[7][2] = {{"東京海上", "日新火災"},
                                        {"長期総合", "火災"},
                                        {"10年", "1年"},
                                        {"山田　太郎", "山田　太郎"},
                                        {"山田　太郎", "山田　花子"},
                                        {"本人", "妻"},
                                        {"有", "無"}};
    for (int column = 0; column < 7; ++column)
        for (int policy = 0; policy < 2; ++policy)
            data.casualtyTexts[1 + 2 * column + policy] = casualty[column][policy];
    const std::int32_t casualtyAmounts[] = {30'000, 2'000, 30'000, 2'000, 15'000, 2'000, 15'000};
    for (int i = 0; i < 7; ++i) data.casualtyAmounts[i + 1] = casualtyAmounts[i];
    data.mutualAidPremiums = 60'000;
    data.declaredSocialInsurance = 120'000;
}

inline PrintData fullPrintData(std::int32_t balance = -61'880) {
    PrintData data;
    data.companyCode = 1;
    data.personCode = 5;
    data.personKey = 105;
    data.taxYearCode = "H17";
    data.companyTexts[1] = "カブシキガイシャ　アオバ";
    data.companyTexts[2] = "株式会社青葉商事";
    data.companyTexts[3] = "東京都千代田区神田一丁目２番３号";
    data.personReading = "ヤマダ　タロウ";
    data.personName = "山田　太郎";
    data.personAddress1 = "東京都世田谷区上馬四丁目５番６号";
    data.personAddress2 = "青葉ハイツ２０３号";
    data.birthEra = "昭和";
    data.birthYear = 45;
    data.birthMonth = 11;
    data.birthDay = 23;
    data.printLedgerTable = fullLedgerSheet();
    for (int month = 1; month <= 12; ++month) data.payDateTexts[month] = "25";
    data.payDateTexts[13] = "7";
    data.payDateTexts[14] = "10";
    data.payDateTexts[15] = "12";
    data.payDateTexts[16] = "10";
    data.adjustmentResult = fullAdjustment(balance);
    fillInsurance(data);
    fillDependants(data);
    data.spouseNameTexts[1] = "ヤマダ　ハナコ";
    data.spouseNameTexts[2] = "山田　花子";
    data.spouseHousingAmounts[2] = 1'270'000;
    data.spouseHousingAmounts[3] = 620'000;
    data.spouseHousingAmounts[4] = 160'000;
    return data;
}

}  // namespace nencho::test
