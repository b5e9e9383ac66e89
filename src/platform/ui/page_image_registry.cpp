#include "platform/ui/page_image_registry.h"

#include <map>

#include "platform/printer_page.h"

namespace nencho {

namespace {

struct Entry {
    PageImageProvider provider;
    QImage image;  // null until made
};

std::map<std::string, Entry>& entries() {
    static std::map<std::string, Entry> registered;
    return registered;
}

const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);

}  // namespace

void registerPageImage(const std::string& name, PageImageProvider provider) {
    entries()[name] = Entry{std::move(provider), QImage()};
}

bool hasPageImage(const std::string& name) {
    return entries().count(name) != 0;
}

const QImage& pageImage(const std::string& name) {
    const auto found = entries().find(name);
    if (found == entries().end() || !found->second.provider)
        throw PrinterFailure("ページ画像「" + name + "」がありません。");
    Entry& entry = found->second;
    if (entry.image.isNull()) entry.image = monoForPrinting(entry.provider());
    if (entry.image.isNull())
        throw PrinterFailure("ページ画像「" + name + "」を作れませんでした。");
    return entry.image;
}

QImage monoForPrinting(QImage image) {
    if (image.format() == QImage::Format_MonoLSB)
        image = image.convertToFormat(QImage::Format_Mono);
    if (image.format() != QImage::Format_Mono) return image;
    const QList<QRgb> table = image.colorTable();
    if (table == QList<QRgb>{kWhite, kBlack}) {
        image.invertPixels();
        image.setColorTable({kBlack, kWhite});
    }
    return image;
}

}  // namespace nencho
