#include "platform/paths.h"

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace varnel {

DriveMap DriveMap::FromEnvironment() {
    DriveMap m;
    if (const char* env = std::getenv("VARNELGPS_DRIVES"); env && *env) {
        m.root = env;
    } else {
        const char* home = std::getenv("HOME");
        m.root = std::string(home ? home : ".") + "/.local/share/varnelgps/drives";
    }
    return m;
}

namespace {

bool EqualNoCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// Resolve each component case-insensitively where the exact one is missing.
std::string ResolveCase(const std::string& path) {
    std::error_code ec;
    if (fs::exists(path, ec)) return path;
    fs::path p(path);
    fs::path out = p.root_path();
    bool mismatch = false;
    for (const auto& part : p.relative_path()) {
        fs::path candidate = out / part;
        if (!mismatch && !fs::exists(candidate, ec) && fs::is_directory(out.empty() ? "." : out, ec)) {
            bool found = false;
            for (const auto& entry : fs::directory_iterator(out.empty() ? fs::path(".") : out, ec)) {
                if (EqualNoCase(entry.path().filename().string(), part.string())) {
                    candidate = out / entry.path().filename();
                    found = true;
                    break;
                }
            }
            if (!found) mismatch = true;
        }
        out = candidate;
    }
    return out.string();
}

}  // namespace

std::string NativePath(const DriveMap& map, std::string_view programPath) {
    std::string p(programPath);
    for (char& c : p)
        if (c == '\\') c = '/';
    std::string native;
    if (p.size() >= 2 && std::isalpha(static_cast<unsigned char>(p[0])) && p[1] == ':') {
        char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(p[0])));
        std::string rest = p.substr(2);
        while (!rest.empty() && rest.front() == '/') rest.erase(0, 1);
        auto it = map.overrides.find(letter);
        std::string root = it != map.overrides.end() ? it->second : map.root + "/" + std::string(1, letter);
        native = root + "/" + rest;
    } else if (!p.empty() && p[0] != '/') {
        // A bare name (a folder setting left empty) lives in the program's own folder
        // on drive C:, never in whatever folder the program was started from.
        return NativePath(map, "C:/VarnelGPS/" + p);
    } else {
        native = p;
    }
    if (native.empty()) return native;
    return ResolveCase(native);
}

std::string ProgramPath(const DriveMap& map, const std::string& native) {
    auto under = [&](const std::string& root, char letter) -> std::string {
        std::string r = root;
        while (!r.empty() && r.back() == '/') r.pop_back();
        if (native.rfind(r + "/", 0) != 0) return {};
        std::string rest = native.substr(r.size() + 1);
        for (char& c : rest)
            if (c == '/') c = '\\';
        return std::string(1, letter) + ":\\" + rest;
    };
    for (const auto& [letter, root] : map.overrides)
        if (auto p = under(root, letter); !p.empty()) return p;
    std::string r = map.root;
    while (!r.empty() && r.back() == '/') r.pop_back();
    if (native.rfind(r + "/", 0) == 0 && native.size() > r.size() + 2 && native[r.size() + 2] == '/') {
        char letter = native[r.size() + 1];
        if (std::isalpha(static_cast<unsigned char>(letter)))
            return under(r + "/" + std::string(1, letter), static_cast<char>(std::toupper(letter)));
    }
    return native;
}

std::string SerialDevice(int port) {
    std::string var = "VARNELGPS_COM" + std::to_string(port);
    if (const char* env = std::getenv(var.c_str()); env && *env) return env;
    return "/dev/ttyS" + std::to_string(port - 1);
}

}  // namespace varnel
