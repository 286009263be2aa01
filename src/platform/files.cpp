#include "platform/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

namespace fs = std::filesystem;

namespace varnel {

void AppendWithHeader(FileSystem& fs, std::string_view path, const std::string& header, const std::string& line,
                      bool sync) {
    // An empty file is one whose first append was taken back (a full disk): it gets the
    // header as a new one does.
    if (!fs.Exists(path) || fs.ReadTail(path, 1).empty())
        fs.AppendLines(path, {header, line}, sync);
    else
        fs.AppendLines(path, {line}, sync);
}

bool EndHolds(FileSystem& fs, std::string_view path, std::string_view line) {
    if (!fs.Exists(path)) return false;
    for (auto& l : SplitLines(fs.ReadTail(path, 1 << 20)))
        if (l == line) return true;
    return false;
}

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    ForEachLine(text, [&](std::string_view line) { lines.emplace_back(line); });
    return lines;
}

namespace {

std::string Joined(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& l : lines) {
        out += l;
        out += "\r\n";
    }
    return out;
}

std::string Reason() {
    return std::strerror(errno);
}

// How far a write got: the bytes that went out, and for an append where they went
// (end of file after the last piece), as long as the pieces lie one after the other.
struct WriteProgress {
    size_t done = 0;
    off_t end = -1;
    bool adjoining = true;
};

// Writes every byte, going on after a short write. With `partial` only the first half
// goes out before the write fails, the way a disk that fills makes it fail.
void WriteAllFd(int fd, const std::string& data, std::string_view path, bool partial = false,
                WriteProgress* progress = nullptr) {
    WriteProgress local;
    WriteProgress& p = progress ? *progress : local;
    const size_t limit = partial ? data.size() / 2 : data.size();
    while (p.done < limit) {
        ssize_t n = ::write(fd, data.data() + p.done, limit - p.done);
        if (n < 0) {
            if (errno == EINTR) continue;
            throw FileError("Unable to write " + std::string(path) + ": " + Reason());
        }
        p.done += static_cast<size_t>(n);
        if (progress) {
            const off_t at = ::lseek(fd, 0, SEEK_CUR);
            if (p.end >= 0 && at != p.end + n) p.adjoining = false;  // another writer in between
            p.end = at;
        }
    }
    if (partial)
        throw FileError("Unable to write " + std::string(path) + ": Simulated partial write: " + std::strerror(ENOSPC));
}

// Takes back the bytes of an append that failed part way, when the file still ends with
// them; else says that they stay. Another writer appending between the check and the
// cut is the one case left open: it has only the few instructions between them.
void TakeBack(int fd, const WriteProgress& p, std::string_view path, const std::string& why) {
    if (p.done == 0) return;
    struct stat st {};
    if (p.adjoining && p.end >= 0 && ::fstat(fd, &st) == 0 && st.st_size == p.end &&
        ::ftruncate(fd, p.end - static_cast<off_t>(p.done)) == 0)
        return;
    throw TornLineError(why + "; " + std::to_string(p.done) + " bytes of the line stay at the end of " +
                        std::string(path) + " (another writer appended after them): the file holds a torn line");
}

}  // namespace

void FileSystem::InjectFault(std::string_view path, FaultKind kind, int count) {
    faults_[Native(path)][kind] = count;
}

int* FileSystem::FaultCount(std::string_view path, FaultKind kind) {
    // The file's own fault first, then those of the folders above it.
    std::string n = Native(path);
    for (;;) {
        auto it = faults_.find(n);
        if (it != faults_.end()) {
            auto k = it->second.find(kind);
            if (k != it->second.end() && k->second > 0) return &k->second;
        }
        const size_t slash = n.find_last_of('/');
        if (slash == std::string::npos || slash == 0) return nullptr;
        n.resize(slash);
    }
}

void FileSystem::CheckFault(std::string_view path, FaultKind kind) {
    if (faults_.empty()) return;
    int* count = FaultCount(path, kind);
    if (!count) return;
    --*count;
    static const char* names[] = {"open", "read", "write"};
    throw FileError("Simulated " + std::string(names[static_cast<int>(kind)]) + " failure on " + std::string(path));
}

bool FileSystem::PartialFault(std::string_view path) {
    if (faults_.empty()) return false;
    int* count = FaultCount(path, FaultKind::Partial);
    if (!count) return false;
    --*count;
    return true;
}

std::optional<unsigned long long> FileSystem::FreeBytes(std::string_view folder) const {
    if (simulatedFree_) return simulatedFree_;
    struct statvfs st {};
    if (::statvfs(Native(folder).c_str(), &st) != 0) return std::nullopt;
    return static_cast<unsigned long long>(st.f_bavail) * st.f_frsize;
}

bool FileSystem::Exists(std::string_view path) const {
    if (path.empty()) return false;
    std::error_code ec;
    std::string n = Native(path);
    return fs::exists(n, ec) && !fs::is_directory(n, ec);
}

bool FileSystem::FolderExists(std::string_view path) const {
    std::error_code ec;
    return !path.empty() && fs::is_directory(Native(path), ec);
}

std::string FileSystem::ReadAll(std::string_view path) {
    CheckFault(path, FaultKind::Open);
    std::string n = Native(path);
    std::ifstream in(n, std::ios::binary);
    if (!in) throw FileError("Unable to open " + std::string(path) + ": " + Reason());
    CheckFault(path, FaultKind::Read);
    std::ostringstream ss;
    ss << in.rdbuf();
    if (in.bad()) throw FileError("Unable to read " + std::string(path));
    return ss.str();
}

std::vector<std::string> FileSystem::ReadLines(std::string_view path) {
    return SplitLines(ReadAll(path));
}

void FileSystem::WriteLines(std::string_view path, const std::vector<std::string>& lines) {
    CheckFault(path, FaultKind::Open);
    std::string n = Native(path);
    int fd = ::open(n.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) throw FileError("Unable to create " + std::string(path) + ": " + Reason());
    try {
        CheckFault(path, FaultKind::Write);
        WriteAllFd(fd, Joined(lines), path, PartialFault(path));
    } catch (...) {
        ::close(fd);
        throw;
    }
    ::close(fd);
}

void FileSystem::AppendLines(std::string_view path, const std::vector<std::string>& lines, bool sync) {
    CheckFault(path, FaultKind::Open);
    std::string n = Native(path);
    int fd = ::open(n.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    if (fd < 0) throw FileError("Unable to open " + std::string(path) + " for appending: " + Reason());
    WriteProgress progress;
    try {
        CheckFault(path, FaultKind::Write);
        WriteAllFd(fd, Joined(lines), path, PartialFault(path), &progress);
        if (sync && ::fsync(fd) != 0) throw FileError("Unable to sync " + std::string(path) + ": " + Reason());
    } catch (const FileError& e) {
        try {
            TakeBack(fd, progress, path, e.what());
        } catch (...) {
            ::close(fd);
            throw;
        }
        ::close(fd);
        throw;
    }
    ::close(fd);
}

void FileSystem::ReplaceLines(std::string_view path, const std::vector<std::string>& lines) {
    ReplaceText(path, Joined(lines));
}

void FileSystem::ReplaceText(std::string_view path, const std::string& text) {
    ReplaceTextIf(path, text, {});
}

bool FileSystem::ReplaceTextIf(std::string_view path, const std::string& text,
                               const std::function<bool()>& stillAllowed) {
    CheckFault(path, FaultKind::Open);
    std::string n = Native(path);
    fs::path target(n);
    std::string tmp =
        (target.parent_path() / ("." + target.filename().string() + ".tmp" + std::to_string(::getpid()))).string();
    int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) throw FileError("Unable to create " + std::string(path) + ": " + Reason());
    try {
        CheckFault(path, FaultKind::Write);
        WriteAllFd(fd, text, path, PartialFault(path));
        ::fsync(fd);
    } catch (...) {
        ::close(fd);
        ::unlink(tmp.c_str());
        throw;
    }
    ::close(fd);
    if (stillAllowed && !stillAllowed()) {
        ::unlink(tmp.c_str());
        return false;
    }
    if (::rename(tmp.c_str(), n.c_str()) != 0) {
        std::string why = Reason();
        ::unlink(tmp.c_str());
        throw FileError("Unable to replace " + std::string(path) + ": " + why);
    }
    return true;
}

void FileSystem::CreateFolder(std::string_view path) {
    std::error_code ec;
    fs::create_directories(Native(path), ec);
    if (ec) throw FileError("Unable to create the folder " + std::string(path) + ": " + ec.message());
}

std::vector<std::string> FileSystem::ListFiles(std::string_view folder) const {
    std::vector<std::string> names;
    std::error_code ec;
    const fs::path root = Native(folder);
    for (auto it = fs::recursive_directory_iterator(root, ec); !ec && it != fs::recursive_directory_iterator();
         it.increment(ec)) {
        if (!it->is_regular_file(ec)) continue;
        std::string rel = it->path().lexically_relative(root).generic_string();
        for (char& c : rel)
            if (c == '/') c = '\\';
        names.push_back(std::move(rel));
    }
    std::sort(names.begin(), names.end());
    return names;
}

void FileSystem::Remove(std::string_view path) {
    CheckFault(path, FaultKind::Write);
    std::error_code ec;
    fs::remove(Native(path), ec);
}

bool FileSystem::Rename(std::string_view from, std::string_view to) {
    CheckFault(from, FaultKind::Write);
    if (::rename(Native(from).c_str(), Native(to).c_str()) == 0) return true;
    if (errno == ENOENT) return false;
    throw FileError("Unable to rename " + std::string(from) + ": " + Reason());
}

std::string FileSystem::ReadTail(std::string_view path, size_t maxBytes) {
    CheckFault(path, FaultKind::Open);
    std::ifstream in(Native(path), std::ios::binary | std::ios::ate);
    if (!in) throw FileError("Unable to open " + std::string(path) + ": " + Reason());
    CheckFault(path, FaultKind::Read);
    auto size = static_cast<size_t>(in.tellg());
    size_t from = size > maxBytes ? size - maxBytes : 0;
    std::string out(size - from, '\0');
    in.seekg(static_cast<std::streamoff>(from));
    in.read(out.data(), static_cast<std::streamsize>(out.size()));
    if (in.bad()) throw FileError("Unable to read " + std::string(path));
    return out;
}

std::optional<std::string> FileSystem::ReadFrom(std::string_view path, size_t offset) {
    CheckFault(path, FaultKind::Open);
    std::ifstream in(Native(path), std::ios::binary | std::ios::ate);
    if (!in) throw FileError("Unable to open " + std::string(path) + ": " + Reason());
    CheckFault(path, FaultKind::Read);
    auto size = static_cast<size_t>(in.tellg());
    if (offset > size) return std::nullopt;
    std::string out(size - offset, '\0');
    in.seekg(static_cast<std::streamoff>(offset));
    in.read(out.data(), static_cast<std::streamsize>(out.size()));
    if (in.bad()) throw FileError("Unable to read " + std::string(path));
    return out;
}

bool FileSystem::CreateExclusive(std::string_view path, const std::string& text) {
    CheckFault(path, FaultKind::Open);
    std::string n = Native(path);
    int fd = ::open(n.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    if (fd < 0) {
        if (errno == EEXIST) return false;
        throw FileError("Unable to create " + std::string(path) + ": " + Reason());
    }
    try {
        WriteAllFd(fd, text, path, PartialFault(path));
    } catch (...) {
        ::close(fd);
        ::unlink(n.c_str());
        throw;
    }
    ::close(fd);
    return true;
}

std::string FileSystem::Stamp(std::string_view path) {
    std::string n = Native(path);
    struct stat st {};
    if (::stat(n.c_str(), &st) != 0) return {};
    std::ifstream in(n, std::ios::binary);
    std::ostringstream ss;
    ss << st.st_mtim.tv_sec << "." << st.st_mtim.tv_nsec << ":" << in.rdbuf();
    return ss.str();
}

}  // namespace varnel
