#include "support/program_home.h"

#include <gtest/gtest.h>

namespace nencho::test {

namespace fs = std::filesystem;

ProgramHome::ProgramHome() : root_(folder_.path().toStdString()) {
    EXPECT_TRUE(folder_.isValid());
    fs::create_directories(dataHome());
    fs::create_directories(root_ / "runtime");
    fs::permissions(root_ / "runtime", fs::perms::owner_all, fs::perm_options::replace);
}

QProcessEnvironment ProgramHome::environment() const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("XDG_DATA_HOME", QString::fromStdString(dataHome().string()));
    environment.insert("XDG_RUNTIME_DIR", QString::fromStdString((root_ / "runtime").string()));
    return environment;
}

}  // namespace nencho::test
