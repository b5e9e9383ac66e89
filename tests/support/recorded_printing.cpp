// The screens' printouts into recording pages: the opener installed for the screens' tests.
#include "platform/ui/printer_pages.h"
#include "support/recording_pages.h"

namespace nencho::test {

RecordedPrinting::RecordedPrinting() {
    auto opener = std::make_unique<RecordingPageOpener>();
    opener_ = opener.get();
    setPageOpener(std::move(opener));
}

RecordedPrinting::~RecordedPrinting() {
    setPageOpener(nullptr);
}

}  // namespace nencho::test
