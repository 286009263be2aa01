#include "platform/qt/codepage.h"

namespace varnel {

QString ToQt(const std::string& s) {
    return QString::fromStdString(Utf8FromCodePage(s));
}

CodePageText FromQtNoting(const QString& text) {
    return CodePageFromUtf8(text.toStdString());
}

std::string FromQt(const QString& text) {
    return FromQtNoting(text).text;
}

}  // namespace varnel
