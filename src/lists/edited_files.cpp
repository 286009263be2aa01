#include "lists/edited_files.h"

#include "platform/code_page.h"

namespace varnel {

std::vector<std::string> ReadEditedFile(Workstation& w, const std::string& path) {
    std::string bytes = w.files().ReadAll(path);
    if (!LooksLikeUtf8(bytes)) return SplitLines(bytes);
    static constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (bytes.starts_with(kByteOrderMark)) bytes.erase(0, kByteOrderMark.size());
    const CodePageText text = CodePageFromUtf8(bytes);
    w.Msg(path + " is UTF-8 text (a text editor's default) and was read as UTF-8; the logs stay Windows-1252." +
          (text.replaced.empty() ? "" : " " + CodePointNames(text.replaced) + " cannot be logged and reads as \"?\"."));
    return SplitLines(text.text);
}

}  // namespace varnel
