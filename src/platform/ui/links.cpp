#include "platform/ui/links.h"

#include <QProcess>

namespace nencho {

namespace {
std::unique_ptr<LinkOpener>& openerSlot() {
    static std::unique_ptr<LinkOpener> opener;
    return opener;
}
}  // namespace

LinkOpener& linkOpener() {
    auto& opener = openerSlot();
    if (!opener) opener = std::make_unique<DesktopLinkOpener>();
    return *opener;
}

void setLinkOpener(std::unique_ptr<LinkOpener> opener) {
    openerSlot() = std::move(opener);
}

bool DesktopLinkOpener::open(const QString& target) {
    return QProcess::startDetached("xdg-open", {target});
}

}  // namespace nencho
