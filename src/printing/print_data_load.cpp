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

namespace nencho {

namespace {

bool isMissing(const RecordError& error) {
    return error.kind() == FileErrorKind::FileNotFound ||
           error.kind() == FileErrorKind::PathNotFound;
}

// Runs one record's step. A missing record reads as empty; one that exists but cannot be read
// is reported and leaves its fields empty, because each step copies a record only once it was
// read whole.
template <class Step>
void readRecord(PrintDataLoad& load, const char* recordName, Step step) {
    try {
        step();
    } catch (const RecordError& error) {
        if (!isMissing(error))
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

}  // namespace

Numbered<std::string, 2> loadNoteLines(const std::string& taxYearCode, std::int32_t personKey) {
    Numbered<std::string, 2> lines;
    try {
        const NotesLines notes = NotesFile::load(taxYearCode, personKey);
        lines[1] = notes.first;
        lines[2] = notes.second;
    } catch (const RecordError& error) {
        if (!isMissing(error)) throw;
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
    readRecord(load, "年末調整", [&] {
        if (const auto record = AdjustmentResultFile::load(taxYearCode, key))
            takeAdjustmentResult(data, *record);
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
