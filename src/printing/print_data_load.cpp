#include "printing/print_data_load.h"

#include <algorithm>
#include <limits>

#include "common/amount.h"
#include "common/keys.h"
#include "ledger/ledger_file.h"
#include "platform/record_error.h"
#include "records/company_file.h"
#include "records/notes_file.h"
#include "records/person_file.h"
#include "yearend/adjustment_result_file.h"
#include "yearend/dependants_file.h"
#include "yearend/insurance_file.h"
#include "yearend/spouse_housing_file.h"

namespace nencho {

namespace {

// Runs one record's step. A missing record reads as empty; one that exists but cannot be read
// is reported and leaves its fields empty, because each step copies a record only once it was
// read whole.
template <class Step>
void readRecord(PrintDataLoad& load, const char* recordName, Step step) {
    try {
        step();
    } catch (const RecordError& error) {
        if (!error.isMissingFile())
            load.damagedRecords.push_back(recordName + std::string("：") + error.what());
    }
}

// The data of nobody: every person field empty, the screen's own values kept.
void clearPerson(PrintData& data) {
    PrintData empty;
    empty.statementDataShiftRight = data.statementDataShiftRight;
    empty.statementDataShiftDown = data.statementDataShiftDown;
    empty.taxEraYear = data.taxEraYear;
    data = std::move(empty);
}

// The keys; false when a file number would leave the 32-bit range.
bool setKeys(PrintData& data, const std::string& taxYearCode, std::int32_t companyCode,
             std::int32_t personCode) {
    data.taxYearCode = taxYearCode;
    data.companyCode = companyCode;
    data.companyNumbers[1] = companyCode;
    data.personCode = personCode;
    const auto key = personKey(companyCode, personCode);
    if (!key) return false;
    data.personKey = *key;
    for (int kind = 0; kind < kYearFileKindCount; ++kind) {
        const auto number = yearFileNumber(*key, static_cast<YearFileKind>(kind));
        if (!number) return false;
        data.yearFileNumbers[static_cast<std::size_t>(kind)] = *number;
    }
    return true;
}

void takeCompany(PrintData& data, const CompanyRecord& company) {
    const std::int32_t numbers[] = {company.code,
                                    company.capital,
                                    company.businessYearStart.year,
                                    company.businessYearStart.month,
                                    company.businessYearStart.day,
                                    company.businessYearEnd.year,
                                    company.businessYearEnd.month,
                                    company.businessYearEnd.day,
                                    company.settlement.year,
                                    company.settlement.month,
                                    company.settlement.day};
    for (int i = 1; i <= 11; ++i) data.companyNumbers[i] = numbers[i - 1];
    const std::string* texts[] = {&company.reading,
                                  &company.name,
                                  &company.taxPlace,
                                  &company.representativeReading,
                                  &company.representativeAddress,
                                  &company.businessType,
                                  &company.taxOffice,
                                  &company.phone,
                                  &company.representativeName};
    for (int i = 1; i <= 9; ++i) data.companyTexts[i] = *texts[i - 1];
}

void takePerson(PrintData& data, const PersonEntry& person) {
    data.personCode = person.personCode;
    data.personReading = person.reading;
    data.personName = person.name;
    data.personAddress1 = person.upperAddress;
    data.birthEra = person.birthEra;
    data.birthYear = person.birthYear;
    data.birthMonth = person.birthMonth;
    data.birthDay = person.birthDay;
    data.personPosition = person.position;
    for (int i = 1; i <= kPersonStatusCount; ++i)
        data.personStatusTexts[i] = person.statuses[static_cast<std::size_t>(i - 1)];
    for (int i = 1; i <= kPayKindCount; ++i)
        data.payKindTexts[i] = person.payKinds[static_cast<std::size_t>(i - 1)];
    data.personAddress2 = person.lowerAddress;
}

void takeLedger(PrintData& data, const LedgerRecord& ledger) {
    data.printLedgerTable = ledger.sheet;
    for (int i = 1; i <= kPayDateTextCount; ++i)
        data.payDateTexts[i] = ledger.payDates[static_cast<std::size_t>(i - 1)];
}

void takeAdjustmentResult(PrintData& data, const AdjustmentResultRecord& record) {
    for (int line = 1; line <= AdjustmentResultRecord::kValueLines; ++line) {
        const int value = kAdjustmentRecordValues[static_cast<std::size_t>(line - 1)];
        data.adjustmentResult[static_cast<AdjustmentValue>(value)] = record.line(line);
    }
}

// The policy texts as the record lines them up: each field of every policy before the next.
template <typename Policy, std::size_t N, std::size_t F, int Count>
void takePolicyTexts(Numbered<std::string, Count>& texts, int firstLine,
                     const std::array<Policy, N>& policies,
                     const std::array<std::string Policy::*, F>& fields) {
    int line = firstLine;
    for (auto field : fields)
        for (const Policy& policy : policies) texts[line++] = policy.*field;
}

void takeInsurance(PrintData& data, const InsuranceRecord& record) {
    takePolicyTexts(data.lifePensionTexts, 1, record.lifePolicies, kLifePolicyFieldOrder);
    takePolicyTexts(data.lifePensionTexts, 19, record.pensionPolicies, kLifePolicyFieldOrder);
    const std::int32_t lifePension[] = {record.lifePremiums[0],    record.lifePremiums[1],
                                        record.lifePremiums[2],    record.lifeTotal,
                                        record.lifeDeduction,      record.pensionPremiums[0],
                                        record.pensionPremiums[1], record.pensionTotal,
                                        record.pensionDeduction,   record.lifeInsuranceDeduction};
    for (int i = 1; i <= 10; ++i) data.lifePensionAmounts[i] = lifePension[i - 1];
    takePolicyTexts(data.casualtyTexts, 1, record.casualtyPolicies, kCasualtyPolicyFieldOrder);
    const std::int32_t casualty[] = {record.casualtyPremiums[0], record.casualtyPremiums[1],
                                     record.longTermPremiums,    record.shortTermPremiums,
                                     record.longTermDeduction,   record.shortTermDeduction,
                                     record.casualtyDeduction};
    for (int i = 1; i <= 7; ++i) data.casualtyAmounts[i] = casualty[i - 1];
    data.mutualAidPremiums = record.mutualAidPremiums;
    data.declaredSocialInsurance = record.declaredSocialInsurance;
}

void takeDependants(PrintData& data, const DependantsRecord& record) {
    const std::int32_t amounts[] = {record.personElderly,
                                    record.personDisabledWidowOrStudent,
                                    record.personSpeciallyDisabled,
                                    record.reservedAmount,
                                    record.personSpecialWidow,
                                    record.spouseDisabledOrStudent,
                                    record.spouseSpeciallyDisabled,
                                    record.spouseCohabitingSpeciallyDisabled,
                                    record.spouseElderly,
                                    record.disabledAmount,
                                    record.speciallyDisabledAmount,
                                    record.cohabitingSpeciallyDisabledAmount,
                                    record.specificDependantAddition,
                                    record.elderlyDependantAddition,
                                    record.cohabitingElderlyParentAddition,
                                    record.basicAndDependantsDeduction,
                                    record.totalDeduction};
    for (int i = 1; i <= 17; ++i) data.deductionAmounts[i] = amounts[i - 1];
    const std::int32_t counts[] = {record.disabledCount,
                                   record.speciallyDisabledCount,
                                   record.cohabitingSpeciallyDisabledCount,
                                   record.specificDependantCount,
                                   record.elderlyDependantCount,
                                   record.cohabitingElderlyParentCount,
                                   record.dependantsInAll,
                                   record.spouseConditionFlag};
    for (int i = 1; i <= 8; ++i) data.kindCounts[i] = counts[i - 1];
    const SpouseRow& spouse = record.spouse;
    data.dependantTable[kSpouseRow] = {{spouse.name, spouse.relation, spouse.birthDate,
                                        spouse.marker, spouse.occupation, spouse.address, "",
                                        spouse.other}};
    for (int row = 2; row <= kDependantTableRows; ++row) {
        const DependantRow& d = record.dependants[static_cast<std::size_t>(row - 2)];
        data.dependantTable[row] = {{d.name, d.relation, d.birthDate, d.marker, d.occupation,
                                     d.address, d.annualIncome, d.other}};
    }
    data.spouseTotalIncome = record.spouseAnnualIncome;
    data.spouseIncomeSpare = record.reservedNumber;
}

// The record that person registration writes for a person without one: ten zeros.
bool isZeroPlaceholder(const SpouseHousingRecord& record) {
    return record == SpouseHousingRecord{0, 0, 0, 0, "0", "0", {}};
}

void takeSpouseHousing(PrintData& data, const SpouseHousingRecord& record) {
    data.spouseHousingAmounts[1] = record.housingLoanCredit;
    data.spouseHousingAmounts[2] = record.spousePay;
    data.spouseHousingAmounts[3] = record.spouseIncome;
    data.spouseHousingAmounts[4] = record.spouseSpecialDeduction;
    for (int i = 7; i <= 10; ++i)
        data.spouseHousingAmounts[i] = record.reserved[static_cast<std::size_t>(i - 7)];
    // The placeholder's "0" texts are no spouse's reading and name.
    if (isZeroPlaceholder(record)) return;
    data.spouseNameTexts[1] = record.spouseReading;
    data.spouseNameTexts[2] = record.spouseName;
}

}  // namespace

Numbered<std::string, 2> loadNoteLines(const std::string& taxYearCode, std::int32_t personKey) {
    Numbered<std::string, 2> lines;
    try {
        const NotesLines notes = NotesFile::load(taxYearCode, personKey);
        lines[1] = notes.first;
        lines[2] = notes.second;
    } catch (const RecordError& error) {
        if (!error.isMissingFile()) throw;
    }
    return lines;
}

PrintDataLoad loadPrintData(PrintData& data, const std::string& taxYearCode,
                            std::int32_t companyCode, std::int32_t personCode) {
    PrintDataLoad load;
    clearPerson(data);
    if (!isOwnPersonCode(personCode)) {
        setKeys(data, taxYearCode, companyCode, personCode);
        load.refusal = "個人コード " + decimal(personCode) + " の個人はありません。個人コードは " +
                       decimal(kFirstPersonCode) + " から " + decimal(kLastPersonCode) +
                       " までです。";
        return load;
    }
    if (!setKeys(data, taxYearCode, companyCode, personCode)) {
        load.refusal = "会社コード " + decimal(companyCode) + " の個人の記録はありません。";
        return load;
    }
    const std::int32_t key = data.personKey;
    readRecord(load, "特記事項", [&] { data.noteLines = loadNoteLines(taxYearCode, key); });
    readRecord(load, "会社", [&] { takeCompany(data, loadCompanyFile(companyCode)); });
    readRecord(load, "個人", [&] { takePerson(data, PersonFile::load(key)); });
    readRecord(load, "源泉徴収簿", [&] {
        const auto path = ledgerFilePath(taxYearCode, LedgerOwner{companyCode, personCode});
        if (path) takeLedger(data, readLedgerFile(*path));
    });
    readRecord(load, "保険料控除", [&] {
        if (const auto record = InsuranceFile::load(taxYearCode, key)) takeInsurance(data, *record);
    });
    readRecord(load, "扶養控除等", [&] {
        if (const auto record = DependantsFile::load(taxYearCode, key))
            takeDependants(data, *record);
    });
    readRecord(load, "年末調整", [&] {
        if (const auto record = AdjustmentResultFile::load(taxYearCode, key))
            takeAdjustmentResult(data, *record);
    });
    readRecord(load, "配偶者特別控除・住宅取得控除", [&] {
        if (const auto record = SpouseHousingFile::load(taxYearCode, key))
            takeSpouseHousing(data, *record);
    });
    load.loaded = true;
    return load;
}

bool hasSpouse(const PrintData& data) {
    return !data.dependantTable[kSpouseRow][kDependantNameColumn].empty();
}

void setSpouseCounts(PrintData& data, bool withSpouse) {
    data.spouseFlag = withSpouse ? 1 : 0;
    std::int64_t others = data.kindCounts[7];
    for (int kind = 1; kind <= 6; ++kind) others -= data.kindCounts[kind];
    others -= data.spouseFlag;
    others = std::clamp<std::int64_t>(others, 0, std::numeric_limits<std::int32_t>::max());
    data.otherDependantsCount = static_cast<std::int32_t>(others);
}

}  // namespace nencho
