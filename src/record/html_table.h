// The HTML event tables: a page with one table that each event adds a row to, kept
// readable in a browser while the cruise goes on.
#pragma once
#include <string>

#include "platform/files.h"

namespace varnel {

// The bytes of the table with the row added: its skeleton with the row when there is
// no table yet. Keeps the first 8 lines and the newest rows when it would pass 3000 lines.
std::string HtmlWithRow(FileSystem& fs, const std::string& path, const std::string& row, const std::string& project,
                        const std::string& cruise);
// Creates the table with its skeleton or re-writes it with the row added.
void AppendHtmlRow(FileSystem& fs, const std::string& path, const std::string& row, const std::string& project,
                   const std::string& cruise);

}  // namespace varnel
