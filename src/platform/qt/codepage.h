// Conversion between the core's Windows-1252 bytes and Qt's QString; each character
// outside the code page becomes one "?".
#pragma once
#include <QString>
#include <string>

#include "platform/code_page.h"

namespace varnel {

QString ToQt(const std::string& cp1252);
std::string FromQt(const QString& text);
// The same, with the characters that became "?".
CodePageText FromQtNoting(const QString& text);

}  // namespace varnel
