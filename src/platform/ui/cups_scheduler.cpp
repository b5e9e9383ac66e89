#include "platform/ui/cups_scheduler.h"

#include <cups/cups.h>

namespace nencho {

bool schedulerReachable() {
    http_t* http = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                                5000, nullptr);
    if (!http) return false;
    httpClose(http);
    return true;
}

std::string libcupsText() {
    const char* text = cupsLastErrorString();
    return text && *text ? text : "理由は分かりません。";
}

std::string unreachableSchedulerText(std::string_view tryAgain) {
    return "印刷を受け持つサービス（CUPS）に接続できません。サービスが動いているか確かめてから、"
           "もう一度" +
           std::string(tryAgain) + "ください。\n";
}

}  // namespace nencho
