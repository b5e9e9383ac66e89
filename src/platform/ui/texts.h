#pragma once
// The one conversion between the records' texts (UTF-8 in std::string) and the screens' QString.
#include <QString>
#include <string>

namespace nencho {

inline QString qs(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

inline std::string stdText(const QString& text) {
    return text.toStdString();
}

}  // namespace nencho
