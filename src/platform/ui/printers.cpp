#include "platform/ui/printers.h"

#include <cups/cups.h>

#include <QPrinterInfo>
#include <string>

#include "platform/printer_page.h"
#include "platform/ui/cups_scheduler.h"

namespace nencho {

namespace {

std::unique_ptr<PrinterSystem>& systemSlot() {
    static std::unique_ptr<PrinterSystem> system;
    return system;
}

// The destinations of the user's CUPS view, freed on every way out.
class Destinations {
  public:
    Destinations() : count_(cupsGetDests2(CUPS_HTTP_DEFAULT, &dests_)) {}
    ~Destinations() { cupsFreeDests(count_, dests_); }
    Destinations(const Destinations&) = delete;
    Destinations& operator=(const Destinations&) = delete;

    cups_dest_t* find(const QByteArray& name, const QByteArray& instance) {
        return cupsGetDest(name.constData(), instance.isEmpty() ? nullptr : instance.constData(),
                           count_, dests_);
    }
    void makeDefault(cups_dest_t* chosen) {
        for (int i = 0; i < count_; ++i) dests_[i].is_default = 0;
        chosen->is_default = 1;
    }
    bool save() { return cupsSetDests2(CUPS_HTTP_DEFAULT, count_, dests_) == 0; }

  private:
    cups_dest_t* dests_ = nullptr;
    int count_;
};

}  // namespace

PrinterSystem& printerSystem() {
    auto& system = systemSlot();
    if (!system) system = std::make_unique<CupsPrinterSystem>();
    return *system;
}

void setPrinterSystem(std::unique_ptr<PrinterSystem> system) {
    systemSlot() = std::move(system);
}

QStringList CupsPrinterSystem::printerNames() {
    const QStringList names = QPrinterInfo::availablePrinterNames();
    if (!names.isEmpty()) return names;
    // With no scheduler to ask there is no printer either, which is not a computer without one.
    const std::string reason = libcupsText();
    if (!schedulerReachable())
        throw PrinterFailure(unreachableSchedulerText("プリンターの変更を開いて") + reason);
    return names;
}

void CupsPrinterSystem::setDefaultPrinter(const QString& name) {
    // A queue's instance follows its name after a slash ("queue/instance").
    const QByteArray queue = name.section('/', 0, 0).toUtf8();
    const QByteArray instance = name.section('/', 1).toUtf8();
    // A printer listed while the service ran is not missing when the service has stopped since:
    // libcups then knows no printer at all, and the clerk is told the service is out of reach.
    auto unreachable = [](const std::string& reason) {
        return PrinterFailure(unreachableSchedulerText("設定して") + reason);
    };
    Destinations destinations;
    cups_dest_t* chosen = destinations.find(queue, instance);
    if (!chosen) {
        const std::string reason = libcupsText();
        if (!schedulerReachable()) throw unreachable(reason);
        throw PrinterFailure(("プリンター「" + name + "」が見つかりません。").toStdString());
    }
    destinations.makeDefault(chosen);
    if (!destinations.save()) {
        const std::string reason = libcupsText();
        if (!schedulerReachable()) throw unreachable(reason);
        throw PrinterFailure("標準のプリンターを設定できませんでした。\n" + reason);
    }
}

}  // namespace nencho
