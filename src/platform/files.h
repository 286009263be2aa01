// The file system as the logic sees it: whole-file reads of 8-bit text (CR LF, LF
// or CR line ends), writes with CR LF, appends of one line in one write, and
// one-line files replaced atomically. Every operation opens, works and closes.
// Failures throw FileError; tests can make the next N opens, reads or writes of a
// path (or of every file below a folder) fail, and a write fail part way, as on a
// full disk.
#pragma once
#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/paths.h"

namespace varnel {

struct FileError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Open, Read and Write fail before any byte is written; Partial writes the first half
// of the bytes and then fails, the way a write runs out of space.
enum class FaultKind { Open, Read, Write, Partial };

// A line appended in part could not be taken back: another writer appended after it.
struct TornLineError : FileError {
    using FileError::FileError;
};

class FileSystem {
public:
    explicit FileSystem(DriveMap map = {}) : map_(std::move(map)) {}

    const DriveMap& Drives() const { return map_; }
    DriveMap& Drives() { return map_; }
    std::string Native(std::string_view path) const { return NativePath(map_, path); }

    bool Exists(std::string_view path) const;
    bool FolderExists(std::string_view path) const;
    // Every line of the file without its line end.
    std::vector<std::string> ReadLines(std::string_view path);
    // The whole file as bytes.
    std::string ReadAll(std::string_view path);
    // Create or truncate, then write each line followed by CR LF.
    void WriteLines(std::string_view path, const std::vector<std::string>& lines);
    // Create or append; the lines (each + CR LF) go out in one write. A write that fails
    // part way is taken back when the file still ends with its bytes, so the lines are
    // all there or not at all; when another writer appended meanwhile the bytes stay and
    // TornLineError says so.
    void AppendLines(std::string_view path, const std::vector<std::string>& lines, bool sync = false);
    // Replace the file so that a reader never sees it half-written: a temporary file
    // in the same folder, flushed, then renamed over the old one.
    void ReplaceLines(std::string_view path, const std::vector<std::string>& lines);
    // The same with the file's bytes as they are.
    void ReplaceText(std::string_view path, const std::string& text);
    // The same, but the new version replaces the old one only when `stillAllowed()`,
    // asked once the new bytes are on disk just before the rename, says so; false
    // (and the file unchanged) when it does not.
    bool ReplaceTextIf(std::string_view path, const std::string& text, const std::function<bool()>& stillAllowed);
    // The last `maxBytes` bytes of the file (all of it when smaller).
    std::string ReadTail(std::string_view path, size_t maxBytes);
    // The bytes from `offset` to the end; nothing when the file is shorter than that.
    std::optional<std::string> ReadFrom(std::string_view path, size_t offset);
    // Creates the file with `text` only if it does not exist yet (one atomic step, also
    // on a network share); false when it exists. Other failures throw FileError.
    bool CreateExclusive(std::string_view path, const std::string& text);
    // What identifies this version of the file (its bytes and modification time);
    // empty when there is no file.
    std::string Stamp(std::string_view path);
    // Removes the file; a missing file is no error, a simulated write fault is.
    void Remove(std::string_view path);
    // Renames the file in one step (replacing `to`); false when `from` does not exist.
    bool Rename(std::string_view from, std::string_view to);
    // Creates the folder and any missing folders above it.
    void CreateFolder(std::string_view path);
    // Every file below the folder, as paths relative to it with "\\" between the
    // parts, sorted; nothing when there is no such folder.
    std::vector<std::string> ListFiles(std::string_view folder) const;

    // The space left for this user on the folder's disk; nothing when it cannot be told.
    std::optional<unsigned long long> FreeBytes(std::string_view folder) const;
    // Tests: the free space every disk reports from now on.
    void SimulateFreeSpace(unsigned long long bytes) { simulatedFree_ = bytes; }

    // Fault injection: the next `count` operations of that kind on the path (or on any
    // file below it, when it is a folder) fail. Partial applies to every kind of write.
    void InjectFault(std::string_view path, FaultKind kind, int count);

private:
    void CheckFault(std::string_view path, FaultKind kind);
    // Whether the write to the path is to fail part way (and counts it).
    bool PartialFault(std::string_view path);
    int* FaultCount(std::string_view path, FaultKind kind);
    DriveMap map_;
    std::map<std::string, std::map<FaultKind, int>> faults_;
    std::optional<unsigned long long> simulatedFree_;
};

// Splits text at CR LF, LF or CR. A final line end does not start another line.
std::vector<std::string> SplitLines(std::string_view text);
// The same lines as views into the text, one at a time.
template <class Take>
void ForEachLine(std::string_view text, Take&& take) {
    size_t at = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n') continue;
        take(text.substr(at, i - at));
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        at = i + 1;
    }
    if (at < text.size()) take(text.substr(at));
}

// Appends one line; a file that is new or empty gets `header` first, both in one write.
void AppendWithHeader(FileSystem& fs, std::string_view path, const std::string& header, const std::string& line,
                      bool sync = false);

// Whether one of the last lines of the file (its last megabyte: far more lines than
// can wait to be sent) is exactly `line`; false when there is no file.
bool EndHolds(FileSystem& fs, std::string_view path, std::string_view line);

}  // namespace varnel
