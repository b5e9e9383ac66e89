#pragma once
// A ledger screen with the year-end, insurance and dependants screens holding the same year,
// company and person, as the main menu leaves them when it opens the ledger.
#include <QLineEdit>
#include <QString>

#include "common/amount.h"
#include "platform/file_system.h"
#include "platform/ui/screen.h"
#include "support/screen_test.h"

namespace nencho::test {

// Month m of the known ledger (tests/data/ledger_1020.txt).
struct KnownMonth {
    int pay, insurance, after, tax, dependants;
};
inline KnownMonth knownMonth(int m) {
    const int pay = 250000 + 1000 * (m - 1);
    return {pay, 30000 + m, pay - 30000 - m, 5000 + 10 * m, m % 3};
}
inline QString amount(int value) {
    return QString::fromStdString(formatAmount(value));
}

inline std::string ledgerPath(int company, int person, const char* year = "H17") {
    return std::string("c:\\年末調整\\") + year + "年末調整\\" +
           std::to_string((company * 100 + person) * 10) + ".txt";
}

class LedgerScreenTest : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        ensureDataTree("H17");
        Screen& ledger = screens::touch("Form2");
        ledger.setTextOf("Text10", "H17");
        ledger.press("Command36");
        ledger.show();
    }

    Screen& ledger() { return screens::touch("Form2"); }
    QString box(int number) { return ledger().textOf(QString("Text%1").arg(number)); }
    void type(int number, const QString& text) {
        ledger().setTextOf(QString("Text%1").arg(number), text);
    }

    // The person's codes in the ledger's and the fed screens' carrier boxes.
    void choose(int company, int person) {
        const struct {
            const char* form;
            const char* yearBox;
        } carriers[] = {
            {"Form2", "Text10"}, {"Form3", "Text16"}, {"Form4", "Text85"}, {"Form5", "Text73"}};
        for (const auto& c : carriers) {
            Screen& screen = screens::touch(c.form);
            screen.setTextOf(c.yearBox, "H17");
            screen.setTextOf("Text161", QString::number(company));
            screen.setTextOf("Text162", QString::number(person));
            screen.press("Command36");  // the working year, as the main menu's person load sets it
        }
        // As the main menu's person load does, the dependants sheet takes up the year.
        screens::touch("Form5").press("Command36");
    }

    void openLedger(int company, int person) {
        choose(company, person);
        ledger().press("Command2");
    }

    // The known ledger of company 1, person 2, loaded.
    void openKnownLedger() {
        writeBytes(ledgerPath(1, 2), goldenBytes("ledger_1020.txt"));
        openLedger(1, 2);
    }

    std::vector<QString> writesWithText() const {
        std::vector<QString> result;
        for (const ScreenEvent& e : events)
            if (e.kind == ScreenEvent::Kind::Write)
                result.push_back(e.form + "." + e.control + "=" + e.text);
        return result;
    }
};

}  // namespace nencho::test
