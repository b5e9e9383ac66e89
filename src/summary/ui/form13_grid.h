#pragma once
// The boxes of the summary table's grid and figures, shared by its layout and its actions.
namespace nencho::form13 {

// The boxes of one ledger row. The total rows have one caption box across 月 and 日 (monthBox)
// and no dayBox.
struct GridRow {
    const char* monthBox;
    const char* dayBox;
    const char* payBox;
    const char* taxBox;
};

// Ledger row 1 to 18.
const GridRow& gridRow(int ledgerRow);

inline constexpr const char* kFirstHalfPayBox = "Text6";
inline constexpr const char* kFirstHalfTaxBox = "Text5";
inline constexpr const char* kSecondHalfPayBox = "Text9";
inline constexpr const char* kSecondHalfTaxBox = "Text8";
inline constexpr const char* kBalanceTotalBox = "Text41";
inline constexpr const char* kBalancePersonsLabel = "Label1";  // how many persons the total covers
inline constexpr const char* kFirstHalfButton = "Command29";   // "6"
inline constexpr const char* kSecondHalfButton = "Command35";  // "12"
inline constexpr const char* kEndButton = "Command37";

}  // namespace nencho::form13
