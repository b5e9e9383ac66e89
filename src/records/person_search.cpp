#include "records/person_search.h"

#include "common/keys.h"
#include "platform/record_error.h"
#include "records/person_file.h"

namespace nencho {

LastNumberResult lastNumberSearch(std::optional<std::int32_t> companyCode) {
    LastNumberResult result;
    if (!companyCode) return result;
    for (int probe = 0; probe < kLastNumberProbes && result.personCode <= kHighestSearchedCode;
         ++probe) {
        const auto key = personKey(*companyCode, result.personCode);
        if (!key) break;
        result.personKey = key;
        try {
            const std::int32_t stored = PersonFile::storedCode(*key);
            result.lastStoredCode = stored;
            result.personCode = std::int64_t{stored} + 1;
        } catch (const RecordError&) {
            break;
        }
    }
    return result;
}

}  // namespace nencho
