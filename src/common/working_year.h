#pragma once
// The working year: "H" and the two-digit Heisei year. It only chooses folders and captions;
// one set of rates serves every year.
#include <string>

namespace nencho {

struct WorkingYear {
    std::string taxYearCode;        // "H17"
    int eraYear;                    // 17, written as the decimal text "17"
    std::string followingYearMark;  // "⑱": the circled number of the following year
};

inline const WorkingYear kStartYear{"H17", 17, "⑱"};
inline const WorkingYear kYear13{"H13", 13, "⑭"};
inline const WorkingYear kYear14{"H14", 14, "⑮"};

// The last two characters of the code: what captions show after "平成 ".
std::string eraDigits(const std::string& taxYearCode);

std::string mainWindowCaption(const std::string& taxYearCode);  // "平成 17 年分の給与計算システム"
std::string yearLabel(const std::string& taxYearCode);  // "平成 17 年分"

}  // namespace nencho
