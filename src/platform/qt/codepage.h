// Conversion between the core's Windows-1252 bytes and Qt's QString; a character
// outside the code page becomes "?".
#pragma once
#include <QString>
#include <string>

namespace varnel {

QString ToQt(const std::string& cp1252);
std::string FromQt(const QString& text);

}  // namespace varnel
