#include "yearend/year_end_sheet.h"

#include <functional>

#include "common/amount.h"
#include "common/keys.h"
#include "ledger/ledger_file.h"
#include "ledger/ledger_totals.h"
#include "platform/record_error.h"
#include "yearend/dependants_file.h"
#include "yearend/insurance_file.h"
#include "yearend/spouse_housing_file.h"

namespace nencho {

namespace {

// Runs one record's read into its part. A missing record leaves the part empty; a damaged one
// leaves it empty too and, when the sheet shows or adjusts amounts from it, is noted.
template <class Part>
void readPart(Part& part, const char* name, bool feedsAmounts, SheetLoad& load,
              const std::function<Part()>& read) {
    try {
        part = read();
    } catch (const RecordError& error) {
        part = Part{};
        if (error.isMissingFile() || !feedsAmounts) return;
        load.damaged.push_back(std::string(name) + "の記録を読めません。\n" + error.what());
    }
}

// A record that may not exist: none reads as an empty record.
template <class Record>
Record orEmpty(const std::optional<Record>& record) {
    return record.value_or(Record{});
}

// The insurance, dependants and spouse and housing records, each through its one reader.
void readDeductions(const SheetOwner& owner, SheetLoad& load) {
    const std::string& year = owner.taxYearCode;
    const std::int32_t key = owner.personKey;
    InsuranceRecord insurance;
    DependantsRecord dependants;
    SpouseHousingRecord spouseHousing;
    readPart<InsuranceRecord>(insurance, "保険料控除", true, load,
                              [&] { return orEmpty(InsuranceFile::load(year, key)); });
    readPart<DependantsRecord>(dependants, "扶養控除", true, load,
                               [&] { return orEmpty(DependantsFile::load(year, key)); });
    readPart<SpouseHousingRecord>(spouseHousing, "配偶者特別控除・住宅取得控除", true, load,
                                  [&] { return orEmpty(SpouseHousingFile::load(year, key)); });
    load.records.deductions = {insurance.declaredSocialInsurance,    insurance.mutualAidPremiums,
                               insurance.lifeInsuranceDeduction,     insurance.casualtyDeduction,
                               spouseHousing.spouseSpecialDeduction, dependants.totalDeduction,
                               spouseHousing.housingLoanCredit};
    load.records.pensionPremiums = insurance.pensionTotal;
    load.records.longTermCasualtyPremiums = insurance.longTermPremiums;
}

}  // namespace

std::optional<SheetOwner> sheetOwner(const std::string& taxYearCode, std::string_view companyBox,
                                     std::string_view personBox) {
    const auto codes = typedCodes(companyBox, personBox, CodeRange::Own);
    if (!codes || !yearFileNumber(codes->key, YearFileKind::SpouseHousing)) return std::nullopt;
    return SheetOwner{taxYearCode, codes->companyCode, codes->personCode, codes->key};
}

SheetLoad loadSheetRecords(const SheetOwner& owner) {
    SheetLoad load;
    SheetRecords& records = load.records;
    const std::string& year = owner.taxYearCode;
    readPart<NotesLines>(records.notes, "特記事項", false, load,
                         [&] { return NotesFile::load(year, owner.personKey); });
    readPart<CompanyRecord>(records.company, "会社", false, load,
                            [&] { return loadCompanyFile(owner.companyCode); });
    readPart<PersonEntry>(records.person, "個人", false, load,
                          [&] { return PersonFile::load(owner.personKey); });
    readPart<LedgerRecord>(records.ledger, "源泉徴収簿", true, load, [&] {
        const auto path = ledgerFilePath(year, {owner.companyCode, owner.personCode});
        if (!path) fail(FileErrorKind::Overflow);
        return readLedgerFile(*path);
    });
    readDeductions(owner, load);
    return load;
}

AdjustmentInput sheetInput(const SheetRecords& records) {
    const LedgerFeed feed = feedOf(records.ledger.sheet);
    return {.monthPay = feed.monthPay,
            .bonusPay = feed.bonusPay,
            .payInAll = feed.grandPay,
            .monthTax = feed.monthTax,
            .bonusTax = feed.bonusTax,
            .taxWithheld = feed.grandTax,
            .socialInsuranceFromPay = feed.grandInsurance,
            .deductions = records.deductions};
}

std::optional<std::string> annualTaxCaption(const std::string& taxYearCode) {
    static const std::pair<const char*, const char*> captions[] = {
        {"H13", "平成１３年分年税額"}, {"H14", "平成１４年分年税額"}, {"H15", "平成１５年分年税額"},
        {"H16", "平成１６年分年税額"}, {"H17", "平成１７年分年税額"},
    };
    for (const auto& [year, caption] : captions)
        if (taxYearCode == year) return caption;
    return std::nullopt;
}

}  // namespace nencho
