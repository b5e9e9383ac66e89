#include "app/ui/screen_catalog.h"

#include "app/ui/form1.h"
#include "app/ui/form19.h"
#include "app/ui/form19_controls.h"
#include "app/ui/form1_controls.h"
#include "batch/ui/form17.h"
#include "batch/ui/form17_controls.h"
#include "ledger/ui/form10.h"
#include "ledger/ui/form10_controls.h"
#include "ledger/ui/form2.h"
#include "ledger/ui/form2_controls.h"
#include "platform/ui/screens.h"
#include "platform/ui/work_screen_controls.h"
#include "printing/ui/form7.h"
#include "printing/ui/form7_controls.h"
#include "records/ui/form11.h"
#include "records/ui/form11_controls.h"
#include "records/ui/form12.h"
#include "records/ui/form12_controls.h"
#include "records/ui/form6.h"
#include "records/ui/form6_controls.h"
#include "summary/ui/form13.h"
#include "summary/ui/form13_controls.h"
#include "withholding/ui/form8.h"
#include "withholding/ui/form8_controls.h"
#include "withholding/ui/form9.h"
#include "withholding/ui/form9_controls.h"
#include "yearend/ui/form16.h"
#include "yearend/ui/form16_controls.h"
#include "yearend/ui/form18.h"
#include "yearend/ui/form18_controls.h"
#include "yearend/ui/form3.h"
#include "yearend/ui/form3_controls.h"
#include "yearend/ui/form4.h"
#include "yearend/ui/form4_controls.h"
#include "yearend/ui/form5.h"
#include "yearend/ui/form5_controls.h"

namespace nencho {

namespace {
template <class T>
void add(ScreenRegistry& registry, const char* name) {
    registry.registerFactory(name, [] { return std::make_unique<T>(); });
}

// A work screen the main menu writes into before the clerk opens it: its load action, the
// writes into its boxes and its year button change the screen alone, so it is built when
// first read, shown or pressed otherwise.
template <class T>
void addWaiting(ScreenRegistry& registry, const char* name, std::vector<QString> localButtons) {
    registry.registerWaitingFactory(
        name, [] { return std::make_unique<T>(); }, std::move(localButtons));
}
}  // namespace

void registerScreens() {
    ScreenRegistry& registry = ScreenRegistry::instance();
    add<Form1>(registry, form1::kForm);
    registry.setMainWindow(form1::kForm);
    addWaiting<Form2>(registry, form2::kForm, {work_screen::kYearButton});
    addWaiting<Form3>(registry, form3::kForm, {work_screen::kYearButton});
    addWaiting<Form4>(registry, form4::kForm, {work_screen::kYearButton});
    addWaiting<Form5>(registry, form5::kForm, {work_screen::kYearButton});
    addWaiting<Form6>(registry, form6::kForm, {work_screen::kYearButton});
    addWaiting<Form7>(registry, form7::kForm, {work_screen::kYearButton});
    addWaiting<Form8>(registry, form8::kForm, {work_screen::kYearButton});
    addWaiting<Form9>(registry, form9::kForm, {});
    add<Form10>(registry, form10::kForm);
    addWaiting<Form11>(registry, form11::kForm, {work_screen::kYearButton});
    addWaiting<Form12>(registry, form12::kForm, {work_screen::kYearButton});
    addWaiting<Form13>(registry, form13::kForm, {work_screen::kYearButton});
    addWaiting<Form16>(registry, form16::kForm, {work_screen::kYearButton});
    addWaiting<Form17>(registry, form17::kForm, {work_screen::kYearButton});
    addWaiting<Form18>(registry, form18::kForm, {});
    add<Form19>(registry, form19::kForm);
}

}  // namespace nencho
