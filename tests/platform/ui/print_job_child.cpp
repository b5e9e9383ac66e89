// A print job that its test may cut short: opens a page on the default printer, draws a
// person's data on it, says "drawn" and waits for a line on its input. "end" ends the document
// and says "printed <job id>"; a kill before that cuts the job short.
#include <QGuiApplication>
#include <iostream>
#include <string>

#include "platform/ui/qt_printer_page.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const std::string title = argc > 1 ? argv[1] : "nencho-cut-short";
    try {
        auto page = nencho::QtPrinterPage::onDefaultPrinter(title);
        page->moveTo(30, 30);
        page->printText("山田　太郎　昭和45年3月12日生　東京都世田谷区上馬四丁目５番６号");
        page->drawLine(20, 40, 270, 40);
        std::cout << "drawn" << std::endl;
        std::string line;
        std::getline(std::cin, line);
        if (line != "end") return 0;
        page->endDocument();
        std::cout << "printed " << page->jobId() << std::endl;
    } catch (const std::exception& failure) {
        std::cout << "failed " << failure.what() << std::endl;
    }
    return 0;
}
