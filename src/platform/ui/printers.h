#pragma once
// The system's printers: their names and the user's default printer, behind one interface:
// the program uses CUPS, tests install their own.
#include <QString>
#include <QStringList>
#include <memory>

namespace nencho {

class PrinterSystem {
  public:
    virtual ~PrinterSystem() = default;
    // The installed printers' names in the system's order; empty when there are none. Throws a
    // PrinterFailure when the printing service cannot be asked.
    virtual QStringList printerNames() = 0;
    // Makes the printer the user's default; throws a PrinterFailure with a description, which
    // tells a printing service that cannot be reached apart from a printer it does not know.
    virtual void setDefaultPrinter(const QString& name) = 0;
};

// The printer system every screen uses; setting none restores the CUPS one.
PrinterSystem& printerSystem();
void setPrinterSystem(std::unique_ptr<PrinterSystem> system);

// Qt's printer list, and the default set per user through libcups (no administrator rights).
class CupsPrinterSystem : public PrinterSystem {
  public:
    QStringList printerNames() override;
    void setDefaultPrinter(const QString& name) override;
};

}  // namespace nencho
