#pragma once
// One person's year as the printouts see it: the notes, company, person, ledger, insurance,
// dependants, year-end result and spouse and housing records of the working year, with the two
// counts the print screen derives from them and the statement's offsets. The print screen and
// the batch screen each keep one; every printout prints from it and opens no file.
#include <array>
#include <cstdint>
#include <string>

#include "ledger/ledger_table.h"
#include "yearend/adjustment.h"

namespace nencho {

// Numbered fields count from 1, as the records and the printouts number them.
template <typename T, int N>
struct Numbered {
    static constexpr int kCount = N;
    std::array<T, N> values{};

    T& operator[](int number) { return values.at(static_cast<std::size_t>(number - 1)); }
    const T& operator[](int number) const {
        return values.at(static_cast<std::size_t>(number - 1));
    }
    bool operator==(const Numbered&) const = default;
};

inline constexpr int kDependantTableRows = 6;     // the spouse, then dependants 1 to 5
inline constexpr int kDependantTableColumns = 8;  // name, relation, birth date, marker, occupation,
                                                  // address, annual income, other
inline constexpr int kSpouseRow = 1;
inline constexpr int kDependantNameColumn = 1;
inline constexpr int kDependantIncomeColumn = 7;

struct PrintData {
    // Keys, from the screen's company and person boxes and its working year. Computed in 32 bits.
    std::int32_t companyCode = 0;
    std::int32_t personCode = 0;  // replaced by the code stored in the person record
    std::int32_t personKey = 0;
    std::array<std::int32_t, 6> yearFileNumbers{};  // by YearFileKind 0 to 5
    std::string taxYearCode;                        // "H17"

    // Notes: the two remark lines.
    Numbered<std::string, 2> noteLines;

    // Company: 1 code as stored, 2 capital, 3-5 business year start (year, month, day), 6-8
    // business year end, 9-11 settlement date.
    Numbered<std::int32_t, 11> companyNumbers;
    // 1 reading of the name, 2 name (the payer), 3 納税地 (the payer's address), 4
    // representative's reading, 5 representative's address, 6 business type, 7 tax office,
    // 8 phone, 9 representative's name.
    Numbered<std::string, 9> companyTexts;

    // Person.
    std::string personReading;
    std::string personName;
    std::string personAddress1;
    std::string birthEra;  // "明治", "大正", "昭和", "平成" or empty
    std::int32_t birthYear = 0;
    std::int32_t birthMonth = 0;
    std::int32_t birthDay = 0;
    std::string personPosition;  // "代表取締役", "取締役", "監査役" or empty
    Numbered<std::string, 18> personStatusTexts;  // as the person record numbers them
    Numbered<std::string, 4> payKindTexts;
    std::string personAddress2;

    // Ledger: the sheet of personCode, and the pay days of months 1-12, then month and day of
    // bonuses 1 to 3. Column 5 (dependants) of rows 13, 17 and 18 stays 0.
    LedgerSheet printLedgerTable;
    Numbered<std::string, 18> payDateTexts;

    // Insurance.
    Numbered<std::string, 30> lifePensionTexts;  // life policies 1-18, pension policies 19-30
    // 1-3 life premiums, 4 life total, 5 life deduction, 6-7 pension premiums, 8 pension
    // premium total (個人年金保険料), 9 pension deduction, 10 life-insurance deduction in all.
    Numbered<std::int32_t, 10> lifePensionAmounts;
    Numbered<std::string, 14> casualtyTexts;
    // 1-2 premiums of policies 1 and 2, 3 long-term premium total (長期損害保険料), 4 short-term
    // total, 5 long-term deduction, 6 short-term deduction, 7 casualty deduction.
    Numbered<std::int32_t, 7> casualtyAmounts;
    std::int32_t mutualAidPremiums = 0;
    std::int32_t declaredSocialInsurance = 0;

    // Dependants.
    Numbered<std::int32_t, 17> deductionAmounts;  // R1 to R17
    Numbered<std::int32_t, 8> kindCounts;         // C1 to C8; 7 counts the spouse too
    // Rows: spouse, dependants 1-5; the spouse's annual income is not stored and stays empty.
    Numbered<Numbered<std::string, kDependantTableColumns>, kDependantTableRows> dependantTable;
    std::int32_t spouseTotalIncome = 0;  // 配偶者合計所得
    std::int32_t spouseIncomeSpare = 0;

    // Year-end result: values 1-3, 5-14, 16-17 and 21-30 from the record; 4, 15 and 18-20
    // stay 0.
    AdjustmentResult adjustmentResult;

    // Spouse and housing: 1 housing-loan credit, 2 spouse's pay, 3 spouse's income, 4 spouse
    // special deduction, 7-10 as stored; 5 and 6 stay 0.
    Numbered<std::int32_t, 10> spouseHousingAmounts;
    Numbered<std::string, 2> spouseNameTexts;  // 1 spouse's reading, 2 spouse's name

    // Derived from the dependants by the print screen's display and by the batch load:
    // spouseFlag 1 when the spouse's name is not empty; otherDependantsCount the dependants
    // counted under その他, C7 − C1 … − C6 − spouseFlag, never below 0.
    std::int32_t spouseFlag = 0;
    std::int32_t otherDependantsCount = 0;

    // The withholding statement's data shift to the right and downwards, whole millimetres, and
    // the two digits of the working year ("17") it prints in the joining or leaving date.
    std::int32_t statementDataShiftRight = 0;
    std::int32_t statementDataShiftDown = 0;
    std::string taxEraYear;

    bool operator==(const PrintData&) const = default;
};

}  // namespace nencho
