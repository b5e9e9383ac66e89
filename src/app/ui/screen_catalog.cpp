#include "app/ui/screen_catalog.h"

#include "app/ui/form1.h"
#include "app/ui/form19.h"
#include "batch/ui/form17.h"
#include "ledger/ui/form10.h"
#include "ledger/ui/form2.h"
#include "platform/ui/screens.h"
#include "printing/ui/form7.h"
#include "records/ui/form11.h"
#include "records/ui/form12.h"
#include "records/ui/form6.h"
#include "summary/ui/form13.h"
#include "withholding/ui/form8.h"
#include "withholding/ui/form9.h"
#include "yearend/ui/form16.h"
#include "yearend/ui/form18.h"
#include "yearend/ui/form3.h"
#include "yearend/ui/form4.h"
#include "yearend/ui/form5.h"

namespace nencho {

namespace {
template <class T>
void add(ScreenRegistry& registry, const char* name) {
    registry.registerFactory(name, [] { return std::make_unique<T>(); });
}
}  // namespace

void registerScreens() {
    ScreenRegistry& registry = ScreenRegistry::instance();
    add<Form1>(registry, "Form1");
    add<Form2>(registry, "Form2");
    add<Form3>(registry, "Form3");
    add<Form4>(registry, "Form4");
    add<Form5>(registry, "Form5");
    add<Form6>(registry, "Form6");
    add<Form7>(registry, "Form7");
    add<Form8>(registry, "Form8");
    add<Form9>(registry, "Form9");
    add<Form10>(registry, "Form10");
    add<Form11>(registry, "Form11");
    add<Form12>(registry, "Form12");
    add<Form13>(registry, "Form13");
    add<Form16>(registry, "Form16");
    add<Form17>(registry, "Form17");
    add<Form18>(registry, "Form18");
    add<Form19>(registry, "Form19");
}

}  // namespace nencho
