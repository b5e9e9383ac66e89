#include "batch/batch_documents.h"

#include "printing/printouts.h"
#include "statement/statement_printout.h"

namespace nencho {

std::string batchDocumentName(BatchDocument document) {
    switch (document) {
        case BatchDocument::Statement:
            return kStatementName;
        case BatchDocument::Ledger:
            return kLedgerName;
        case BatchDocument::DependantsDeclaration:
            return kDependantsDeclarationName;
        case BatchDocument::InsuranceDeclaration:
            return kInsuranceDeclarationName;
    }
    return {};
}

void drawBatchDocument(PrinterPage& page, const PrintData& data, BatchDocument document) {
    switch (document) {
        case BatchDocument::Statement:
            printStatement(page, data, StatementPart::FormAndData, 0, 0);
            return;
        case BatchDocument::Ledger:
            printWithholdingLedger(page, data);
            return;
        case BatchDocument::DependantsDeclaration:
            printDependantsDeclaration(page, data);
            return;
        case BatchDocument::InsuranceDeclaration:
            printInsuranceDeclaration(page, data);
            return;
    }
}

PrintDataLoad loadBatchPerson(PrintData& data, const std::string& taxYearCode,
                              const std::string& taxEraYear, std::int32_t companyCode,
                              std::int32_t personCode) {
    PrintDataLoad load = loadPrintData(data, taxYearCode, companyCode, personCode);
    data.statementDataShiftRight = 0;
    data.statementDataShiftDown = 0;
    data.taxEraYear = taxEraYear;
    setSpouseCounts(data, hasSpouse(data));
    return load;
}

}  // namespace nencho
