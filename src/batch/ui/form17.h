#pragma once
// The batch printing screen (全員の印刷): one document for every person of the company from
// code 1, or for a typed range of person codes, one page per person. The print screen opens it
// and hands over the working year, its two digits, the company and the person. The runs
// themselves are plain C++ (batch/batch_run.h); the screen reads its boxes and reports.
#include <QString>
#include <cstdint>
#include <optional>

#include "batch/batch_documents.h"
#include "batch/batch_run.h"
#include "platform/ui/work_screen.h"
#include "printing/print_data.h"

namespace nencho {

class Form17 : public WorkScreen {
    Q_OBJECT

  public:
    Form17();

    const PrintData& printData() const { return data_; }
    std::int32_t lastPersonCode() const { return lastPersonCode_; }

  private:
    // Layout (form17_layout.cpp).
    void buildAllPersonsFrame();
    void buildRangeFrame();
    void buildHiddenControls();

    // Actions (form17_runs.cpp).
    std::optional<std::int32_t> companyCode() const;
    void load();
    void probe();
    void runAllPersons(BatchDocument document);
    void runRange(BatchDocument document);
    void run(const QString& title, BatchDocument document, const RangeReading& reading);
    void printLoaded(BatchDocument document);
    void copyFirstCode();
    void end();

    PrintData data_;
    std::int32_t lastPersonCode_ = 0;
};

}  // namespace nencho
