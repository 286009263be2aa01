// The files an operator edits in a text editor: the role event lists, the initials list
// and the comment options. They are in the code page, as the logger writes them, or in
// UTF-8, a text editor's default; UTF-8 is read as UTF-8 and brought into the code page.
#pragma once
#include <string>
#include <vector>

#include "forms/workstation.h"

namespace varnel {

// The lines of the file. A file in UTF-8 (valid UTF-8 with letters past ASCII, or a
// byte-order mark) is converted, each character the code page cannot hold becoming
// one "?", and a message names the file and those characters.
// Throws FileError as the file reads do.
std::vector<std::string> ReadEditedFile(Workstation& w, const std::string& path);

}  // namespace varnel
