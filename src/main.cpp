#include <QApplication>

#include "app/ui/application.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    return nencho::runProgram(app);
}
