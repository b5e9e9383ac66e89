#include "app/link_addresses.h"

#include <algorithm>
#include <cctype>

namespace nencho {

std::string mailLinkTarget(std::string_view address) {
    constexpr std::string_view prefix = "mailto:";
    std::string head(address.substr(0, prefix.size()));
    std::transform(head.begin(), head.end(), head.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (head == prefix) return std::string(address);
    return std::string(prefix) + std::string(address);
}

}  // namespace nencho
