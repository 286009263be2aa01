#include "platform/qt/codepage.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace varnel {

QString ToQt(const std::string& s) {
    QStringDecoder dec("windows-1252");
    if (!dec.isValid()) return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
    return dec(QByteArrayView(s.data(), static_cast<qsizetype>(s.size())));
}

std::string FromQt(const QString& text) {
    QStringEncoder enc("windows-1252");
    std::string out;
    out.reserve(static_cast<size_t>(text.size()));
    if (!enc.isValid()) return text.toLatin1().toStdString();
    for (QChar ch : text) {
        QByteArray b = enc(QString(ch));
        if (enc.hasError() || b.size() != 1 || b[0] == 0x1A) {
            out += '?';
            enc.resetState();
        } else {
            out += b[0];
        }
    }
    return out;
}

}  // namespace varnel
