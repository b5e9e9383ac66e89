#pragma once
// One person's withholding ledger of one tax year: twelve months, their total, three bonuses,
// their total and the grand total, each by pay, social insurance, pay after social insurance,
// withholding tax and number of dependants; and the pay-day texts that go with it.
#include <array>
#include <cstdint>
#include <map>
#include <string>

namespace nencho {

// Rows of the ledger.
inline constexpr int kFirstMonthRow = 1;
inline constexpr int kLastMonthRow = 12;
inline constexpr int kMonthTotalRow = 13;
inline constexpr int kFirstBonusRow = 14;
inline constexpr int kLastBonusRow = 16;
inline constexpr int kBonusTotalRow = 17;
inline constexpr int kGrandTotalRow = 18;
inline constexpr int kLedgerRows = 18;
inline constexpr int kBonusCount = 3;

// Columns of the ledger; the numbering is that of the stored cells, not the screen's order.
enum class LedgerColumn : int {
    Pay = 1,
    SocialInsurance = 2,
    AfterInsurance = 3,
    Tax = 4,
    Dependants = 5,
};
inline constexpr int kLedgerColumns = 5;
// The four yen columns that have totals, in stored order.
inline constexpr LedgerColumn kAmountColumns[] = {LedgerColumn::Pay, LedgerColumn::SocialInsurance,
                                                  LedgerColumn::AfterInsurance, LedgerColumn::Tax};

inline constexpr int bonusRow(int bonus) {
    return kFirstBonusRow - 1 + bonus;
}

// The cells of one person's ledger, all 0 when made. Rows 1 to 18, columns 1 to 5; any other
// index is a programming error.
class LedgerSheet {
  public:
    std::int32_t cell(int row, LedgerColumn column) const;
    void setCell(int row, LedgerColumn column, std::int32_t value);

    friend bool operator==(const LedgerSheet&, const LedgerSheet&) = default;

  private:
    std::array<std::array<std::int32_t, kLedgerColumns>, kLedgerRows> cells_{};
};

// The 18 free date texts: the pay day of months 1 to 12, then month and day of each bonus.
inline constexpr int kPayDateTextCount = 18;
using PayDateTexts = std::array<std::string, kPayDateTextCount>;

// What one ledger file holds.
struct LedgerRecord {
    LedgerSheet sheet;
    PayDateTexts payDates;
};

// Whose ledger a sheet is: the same person code in two companies is two people.
struct LedgerOwner {
    std::int32_t companyCode = 0;
    std::int32_t personCode = 0;
    friend auto operator<=>(const LedgerOwner&, const LedgerOwner&) = default;
};

// The ledger screen's sheets, one per company and person it has worked on.
class LedgerTable {
  public:
    // The owner's sheet; an owner not seen before has an empty one.
    LedgerSheet& sheet(const LedgerOwner& owner) { return sheets_[owner]; }
    void reset(const LedgerOwner& owner) { sheets_[owner] = LedgerSheet{}; }

  private:
    std::map<LedgerOwner, LedgerSheet> sheets_;
};

}  // namespace nencho
