#pragma once
// The first free person code of a company: codes are probed from 1, each record found sending
// the search on to the code after the one it stores.
#include <cstdint>
#include <optional>

namespace nencho {

inline constexpr int kLastNumberProbes = 999;
inline constexpr int kHighestSearchedCode = 999;

struct LastNumberResult {
    std::int64_t personCode = 1;                 // the first code without a record
    std::optional<std::int32_t> personKey;       // the key formed for that code
    std::optional<std::int32_t> lastStoredCode;  // the code stored in the last record read
};

// Without a company code the search ends at once with code 1 and no key. Records whose stored
// codes run backwards cannot keep it going: it stops after kLastNumberProbes records.
LastNumberResult lastNumberSearch(std::optional<std::int32_t> companyCode);

}  // namespace nencho
