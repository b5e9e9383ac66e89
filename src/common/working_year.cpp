#include "common/working_year.h"

namespace nencho {

std::string eraDigits(const std::string& taxYearCode) {
    return taxYearCode.size() <= 2 ? taxYearCode : taxYearCode.substr(taxYearCode.size() - 2);
}

std::string mainWindowCaption(const std::string& taxYearCode) {
    return "平成 " + eraDigits(taxYearCode) + " 年分の給与計算システム";
}

std::string yearLabel(const std::string& taxYearCode) {
    return "平成 " + eraDigits(taxYearCode) + " 年分";
}

}  // namespace nencho
