#include "platform/ui/program.h"

#include <QCoreApplication>

namespace nencho {

namespace {
std::function<void()>& hookSlot() {
    static std::function<void()> hook;
    return hook;
}
}  // namespace

void endProgram() {
    if (hookSlot()) {
        hookSlot()();
        return;
    }
    QCoreApplication::exit(0);
}

void setProgramEndHook(std::function<void()> hook) {
    hookSlot() = std::move(hook);
}

}  // namespace nencho
