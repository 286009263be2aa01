// The HTML event tables: a page with one table that each event adds a row to, kept
// readable in a browser while the cruise goes on.
#pragma once
#include <string>

#include "platform/files.h"

namespace varnel {

// Creates the table with its skeleton or re-writes it with the row added. Keeps the
// first 8 lines and the newest rows when it would pass 3000 lines.
void AppendHtmlRow(FileSystem& fs, const std::string& path, const std::string& row, const std::string& project,
                   const std::string& cruise);

}  // namespace varnel
