#include "platform/file_steps.h"

namespace nencho {

namespace {

FileStepHook& hook() {
    static FileStepHook installed;
    return installed;
}

}  // namespace

void setFileStepHook(FileStepHook newHook) {
    hook() = std::move(newHook);
}

void beforeFileStep(FileStep step, const std::filesystem::path& hostPath) {
    if (hook()) hook()(step, hostPath);
}

}  // namespace nencho
