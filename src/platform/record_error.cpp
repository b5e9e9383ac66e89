#include "platform/record_error.h"

namespace nencho {

std::string describe(FileErrorKind kind, const std::string& systemPath) {
    std::string text;
    switch (kind) {
        case FileErrorKind::FileNotFound:
            text = "ファイルが見つかりません。";
            break;
        case FileErrorKind::PathNotFound:
            text = "フォルダが見つかりません。";
            break;
        case FileErrorKind::FileAlreadyExists:
            text = "ファイルは既に存在します。";
            break;
        case FileErrorKind::TypeMismatch:
            text = "数字であるはずのところに数字でないものがあります。";
            break;
        case FileErrorKind::Overflow:
            text = "数が大きすぎて扱えません。";
            break;
        case FileErrorKind::InputPastEnd:
            text = "記録が途中で終わっています。";
            break;
        case FileErrorKind::TextNotStorable:
            text = "保存できない文字が含まれています。";
            break;
        case FileErrorKind::WriteFailed:
            text = "ファイルに書き込めませんでした。";
            break;
        case FileErrorKind::ReadFailed:
            text = "ファイルを読み込めませんでした。";
            break;
    }
    if (!systemPath.empty()) text += "\n" + systemPath;
    return text;
}

void fail(FileErrorKind kind, const std::string& systemPath, const std::string& detail) {
    std::string text = describe(kind, systemPath);
    if (!detail.empty()) text += "\n" + detail;
    throw RecordError(kind, text, detail);
}

RecordError RecordError::naming(const std::string& systemPath) const {
    std::string text = describe(kind_, systemPath);
    if (!detail_.empty()) text += "\n" + detail_;
    return RecordError(kind_, text, detail_);
}

}  // namespace nencho
