#pragma once
// The pay statement window's boxes, which the ledger fills before it shows the window.
#include <QString>

namespace nencho::form10 {

inline constexpr const char* kForm = "Form10";
inline constexpr int kAmountRows = 7;
// The amount boxes, top to bottom (支給額 to 手取額): Text1 to Text7.
inline QString amountBox(int row) {
    return QStringLiteral("Text") + QString::number(row);
}
inline constexpr const char* kMonthBox = "Text15";

}  // namespace nencho::form10
