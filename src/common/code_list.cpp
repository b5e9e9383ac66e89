#include "common/code_list.h"

#include "common/amount.h"

namespace nencho {

std::string codeListItem(std::int64_t code, const std::string& name) {
    std::string row = code < 100 ? "0" : "";
    return row.append(decimal(code)).append(" : ").append(name);
}

std::int64_t codeFromListItem(std::string_view row) {
    // Read the leading number of the first three characters, as a lenient numeric read does:
    // "05 " is 5, "123" is 123, anything without leading digits is 0.
    std::string_view head = row.substr(0, 3);
    std::int64_t value = 0;
    std::size_t i = 0;
    while (i < head.size() && head[i] == ' ') ++i;
    bool negative = false;
    if (i < head.size() && (head[i] == '-' || head[i] == '+')) negative = head[i++] == '-';
    for (; i < head.size() && head[i] >= '0' && head[i] <= '9'; ++i)
        value = value * 10 + (head[i] - '0');
    return negative ? -value : value;
}

std::vector<std::string> spareFields(int from, int to) {
    std::vector<std::string> fields;
    for (int i = from; i <= to; ++i) fields.push_back("予備" + std::to_string(i));
    return fields;
}

}  // namespace nencho
