// The scenario runner: reads scenario scripts and drives headless workstations through
// the same handlers the Qt views call; prints "PASS name" or "FAIL name: line N: ..." for
// each scenario and "N passed, M failed", and exits non-zero when any failed.
#include <unistd.h>
#include <cctype>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <ostream>
#include <sstream>
#include <string_view>
#include <vector>

#include "app/startup.h"
#include "platform/headless/headless_host.h"
#include "scenario_actions.h"

namespace fs = std::filesystem;

namespace varnel::scenario {

namespace {

struct Totals {
    int passed = 0, failed = 0;
};

// The statements of a line: words split at blanks, a ";" after a word or quote ends a statement.
std::vector<std::vector<std::string>> Tokenize(const std::string& line) {
    static const std::map<char, char> escapes = {{'"', '"'}, {'\\', '\\'}, {'r', '\r'}, {'n', '\n'}, {'t', '\t'}};
    std::vector<std::vector<std::string>> out(1);
    size_t i = 0;
    while (true) {
        i = line.find_first_not_of(" \t", i);
        if (i == std::string::npos) return out;
        std::string tok;
        bool quoted = line[i] == '"', ends = false;
        if (quoted) {
            for (++i; i < line.size() && line[i] != '"'; ++i) {
                auto e = line[i] == '\\' && i + 1 < line.size() ? escapes.find(line[i + 1]) : escapes.end();
                if (line.compare(i, 2, "\\x") == 0 && i + 3 < line.size() &&
                    std::isxdigit(static_cast<unsigned char>(line[i + 2])) &&
                    std::isxdigit(static_cast<unsigned char>(line[i + 3]))) {  // \xHH: one byte of the code page
                    tok += static_cast<char>(std::stoi(line.substr(i + 2, 2), nullptr, 16));
                    i += 3;
                } else if (e != escapes.end()) {
                    tok += e->second;
                    ++i;
                } else {
                    tok += line[i];
                }
            }
            ends = ++i < line.size() && line[i] == ';';
            i += ends;
        } else {
            auto end = std::min(line.find_first_of(" \t", i), line.size());
            tok = line.substr(i, end - i);
            i = end;
            ends = tok.back() == ';';
            if (ends) tok.pop_back();
        }
        if (quoted || !tok.empty()) out.back().push_back(tok);
        if (ends) out.emplace_back();
    }
}

// The workstations of one scenario: each has its own drive C: and shares every other drive.
class Scenario {
public:
    explicit Scenario(std::string name) : name_(std::move(name)) {
        root_ =
            fs::temp_directory_path() / ("varnel-scn-" + std::to_string(::getpid()) + "-" + std::to_string(++count_));
        fs::remove_all(root_);
        fs::create_directories(root_);
        Switch("A");
    }
    ~Scenario() {
        std::error_code ec;
        fs::remove_all(root_, ec);
    }
    const std::string& Name() const { return name_; }

    void Switch(const std::string& name) {
        auto it = stations_.find(name);
        if (it == stations_.end()) {
            DriveMap map;
            map.root = (root_ / "shared").string();
            map.overrides['C'] = (root_ / name / "C").string();
            fs::create_directories(map.overrides['C']);
            Station s{std::make_unique<HeadlessHost>(map), nullptr};
            s.host->SetClock(clock_);
            s.ws = std::make_unique<Workstation>(*s.host);
            it = stations_.emplace(name, std::move(s)).first;
        }
        cur_ = &it->second;
    }
    HeadlessHost& Host() { return *cur_->host; }
    Workstation& W() { return *cur_->ws; }
    void SetClockAll(const DateTime& t) {
        clock_ = t;
        for (auto& [n, s] : stations_) s.host->SetClock(t);
    }
    // The native path of a file, its folder created.
    std::string Native(const std::string& p) {
        std::string native = Host().Files().Native(p);
        fs::create_directories(fs::path(native).parent_path());
        return native;
    }

private:
    struct Station {
        std::unique_ptr<HeadlessHost> host;
        std::unique_ptr<Workstation> ws;
    };
    static inline int count_ = 0;
    std::string name_;
    fs::path root_;
    std::map<std::string, Station> stations_;
    Station* cur_ = nullptr;
    DateTime clock_{2026, 7, 5, 12, 0, 0};
};

void WriteLines(const std::string& native, const std::vector<std::string>& v) {
    std::ofstream out(native, std::ios::binary);
    for (auto& l : v) out << l << "\r\n";
}

std::vector<std::string> ReadFileLines(const std::string& native) {
    std::ifstream in(native, std::ios::binary);
    if (!in) throw Failure("file " + native + " is missing");
    std::stringstream ss;
    ss << in.rdbuf();
    return SplitLines(ss.str());
}

Answer ParseAnswer(const std::string& s) {
    static const std::map<std::string, Answer> answers = {
        {"Yes", Answer::Yes}, {"No", Answer::No}, {"Cancel", Answer::Cancel}, {"Ok", Answer::Ok}};
    auto a = answers.find(s);
    if (a == answers.end()) throw Failure("unknown answer " + s);
    return a->second;
}

// A message's text against the expected one, where "*" stands for any text (a
// path below the scenario's temporary drive root).
bool Matches(std::string_view got, std::string_view want) {
    auto star = want.find('*');
    if (star == std::string_view::npos) return got == want;
    if (got.substr(0, star) != want.substr(0, star)) return false;
    for (size_t at = star; at <= got.size(); ++at)
        if (Matches(got.substr(at), want.substr(star + 1))) return true;
    return false;
}

void Compare(const std::string& what, const std::string& got, const std::string& want) {
    if (got != want) throw Failure(what + " is \"" + got + "\", expected \"" + want + "\"");
}

// The script of one file with the included files spliced in; `where` names each line.
struct Script {
    std::vector<std::string> lines, where;
    void Insert(std::istream& src, const std::string& prefix, size_t at) {
        std::vector<std::string> got, from;
        for (std::string l; std::getline(src, l);) {
            if (!l.empty() && l.back() == '\r') l.pop_back();
            got.push_back(l);
            from.push_back(prefix + "line " + std::to_string(got.size()));
        }
        lines.insert(lines.begin() + static_cast<long>(at), got.begin(), got.end());
        where.insert(where.begin() + static_cast<long>(at), from.begin(), from.end());
    }
    // Splices the named files (relative to the script's folder) after line `at`.
    void Include(const fs::path& dir, const std::vector<std::string>& files, size_t at) {
        for (size_t i = files.size(); i-- > 0;) {
            std::ifstream in(dir / files[i]);
            if (!in) throw Failure("cannot open " + (dir / files[i]).string());
            Insert(in, files[i] + " (" + where[at] + ") ", at + 1);
        }
    }
};

class Runner {
public:
    Runner(const std::string& path, std::ostream& out) : path_(path), out_(out) {}

    Totals Run() {
        std::ifstream in(path_);
        if (!in) {
            out_ << "FAIL " << path_ << ": cannot open the scenario file\n";
            return {0, 1};
        }
        s_.Insert(in, "", 0);
        for (ln_ = 0; ln_ < s_.lines.size(); ++ln_) {
            const std::string& raw = s_.lines[ln_];
            first_ = raw.find_first_not_of(" \t");
            if (first_ == std::string::npos || raw[first_] == '#') continue;
            auto statements = Tokenize(raw);
            tok_ = statements.front();
            if (tok_[0] == "scenario") {
                Finish();
                sc_ = std::make_unique<Scenario>(raw.substr(raw.find("scenario") + 9));
                failed_ = false;
                try {
                    s_.Include(fs::path(path_).parent_path(), setup_, ln_);
                } catch (const std::exception& e) {
                    Fail(e.what());
                }
                continue;
            }
            if (tok_[0] == "setup") {
                setup_.assign(tok_.begin() + 1, tok_.end());
                continue;
            }
            if (!sc_) sc_ = std::make_unique<Scenario>(fs::path(path_).stem().string());
            for (auto& st : statements) {
                tok_ = st;
                if (tok_.empty()) continue;
                if (failed_) {
                    if (tok_[0] == "file" || (tok_[0] == "expect" && tok_.size() == 3 && tok_[1] == "file")) Block();
                    continue;
                }
                try {
                    Line();
                } catch (const std::exception& e) {
                    Fail((dynamic_cast<const UnexpectedQuestion*>(&e) ? "unexpected question: " : "") +
                         std::string(e.what()));
                }
            }
        }
        Finish();
        return totals_;
    }

private:
    void Fail(const std::string& what) {
        out_ << "FAIL " << sc_->Name() << ": " << s_.where[ln_] << ": " << what << "\n";
        ++totals_.failed;
        failed_ = true;
    }
    void Finish() {
        if (sc_ && !failed_) {
            out_ << "PASS " << sc_->Name() << "\n";
            ++totals_.passed;
        }
        sc_.reset();
    }
    void Need(size_t n) const {
        if (tok_.size() < n) throw Failure("too few words");
    }
    // The lines of a `file` or `expect file` block up to `end`, the block's indentation removed.
    std::vector<std::string> Block() {
        std::vector<std::string> block;
        while (++ln_ < s_.lines.size()) {
            const std::string& l = s_.lines[ln_];
            auto f = l.find_first_not_of(' ');
            if (f != std::string::npos && l.compare(f, std::string::npos, "end") == 0) break;
            size_t blanks = 0;
            while (blanks < std::min(l.size(), first_ + 2) && l[blanks] == ' ') ++blanks;
            block.push_back(l.substr(blanks));
        }
        return block;
    }

    void Line() {
        auto& h = sc_->Host();
        auto& w = sc_->W();
        const std::string& cmd = tok_[0];
        static const std::map<std::string, size_t> words = {
            {"station", 2}, {"file", 2}, {"rawfile", 3}, {"setline", 4}, {"remove", 2}, {"fault", 4},
            {"clock", 3},   {"pick", 2}, {"record", 2},  {"serial", 2},  {"udp", 2},    {"expect", 2}};
        if (auto it = words.find(cmd); it != words.end() && tok_.size() < it->second) throw Failure("too few words");
        if (cmd == "station") {
            sc_->Switch(tok_[1]);
        } else if (cmd == "file") {
            WriteLines(sc_->Native(tok_[1]), Block());
            h.written[sc_->Native(tok_[1])] = h.ElapsedMs();
        } else if (cmd == "rawfile") {
            std::ofstream(sc_->Native(tok_[1]), std::ios::binary) << tok_[2];
            h.written[sc_->Native(tok_[1])] = h.ElapsedMs();
        } else if (cmd == "include") {
            s_.Include(fs::path(path_).parent_path(), {tok_.begin() + 1, tok_.end()}, ln_);
        } else if (cmd == "setline") {
            // Replaces line N of an existing file (adds empty lines up to it).
            std::string native = sc_->Native(tok_[1]);
            auto got = ReadFileLines(native);
            size_t n = static_cast<size_t>(std::atoi(tok_[2].c_str()));
            if (n == 0) throw Failure("setline counts lines from 1");
            if (got.size() < n) got.resize(n);
            got[n - 1] = tok_[3];
            WriteLines(native, got);
        } else if (cmd == "remove") {
            h.Files().Remove(tok_[1]);
        } else if (cmd == "fault") {
            FaultKind k = tok_[2] == "open"      ? FaultKind::Open
                          : tok_[2] == "read"    ? FaultKind::Read
                          : tok_[2] == "partial" ? FaultKind::Partial
                                                 : FaultKind::Write;
            h.Files().InjectFault(tok_[1], k, std::atoi(tok_[3].c_str()));
        } else if (cmd == "clock") {
            DateTime t;
            std::sscanf(tok_[1].c_str(), "%d-%d-%d", &t.year, &t.month, &t.day);
            std::sscanf(tok_[2].c_str(), "%d:%d:%d", &t.hour, &t.minute, &t.second);
            sc_->SetClockAll(t);
        } else if (cmd == "answer") {
            for (size_t i = 1; i < tok_.size(); ++i) h.answers.push_back(ParseAnswer(tok_[i]));
        } else if (cmd == "pick") {
            h.picks.push_back(tok_[1] == "none" ? std::nullopt : std::optional<std::string>(tok_[1]));
        } else if (cmd == "start") {
            // Loads the main window afresh (the configuration table lives on), then
            // checks the start-up messages named on the line; `network` names the
            // announcement of network mode.
            w.frmActivity = ActivityForm();
            Activity_Form_Load(w);
            for (auto& t : tok_)
                if (t == "network") t = "Auto/Network Mode Enabled - Press Start to load Current Position.";
            ExpectMessages(1);
        } else if (cmd == "record") {
            Choose(w, "Combo1", tok_[1]);
            Click(w, "Command1(0)");
        } else if (cmd == "serial") {
            h.serialPending += tok_[1];
        } else if (cmd == "editor") {
            h.launchFailure = "no text editor could be started";  // `editor fails`
        } else if (cmd == "serialport") {
            h.serialFailNextOpen = true;
        } else if (cmd == "udp") {
            h.udpPending.push_back(tok_[1]);
        } else if (cmd == "expect") {
            Expect();
        } else {
            Act(w, tok_);
        }
    }

    // Checks the oldest unchecked messages: PROMPT [title TITLE] [default ANSWER] for each from tok_[from].
    void ExpectMessages(size_t from) {
        auto& h = sc_->Host();
        for (size_t i = from; i < tok_.size(); ++i) {
            if (h.checkedMessages >= h.messages.size()) throw Failure("no message \"" + tok_[i] + "\" was shown");
            auto& m = h.messages[h.checkedMessages++];
            if (!Matches(m.prompt, tok_[i])) throw Failure("message was \"" + m.prompt + "\", not \"" + tok_[i] + "\"");
            for (; i + 2 < tok_.size() && (tok_[i + 1] == "title" || tok_[i + 1] == "default"); i += 2) {
                static const char* names[] = {"Ok", "Yes", "No", "Cancel"};
                std::string got = tok_[i + 1] == "title" ? m.title : names[static_cast<int>(m.defaultAnswer)];
                if (got != tok_[i + 2])
                    throw Failure(tok_[i + 1] + " was \"" + got + "\", not \"" + tok_[i + 2] + "\"");
            }
        }
    }

    void Expect() {
        auto& h = sc_->Host();
        auto& w = sc_->W();
        const std::string& what = tok_[1];
        if (what == "no" && tok_.size() > 2 && tok_[2] == "message") {
            if (h.checkedMessages < h.messages.size())
                throw Failure("unchecked message \"" + h.messages[h.checkedMessages].prompt + "\"");
        } else if (what == "message") {
            Need(3);
            ExpectMessages(2);
        } else if (what == "launched") {
            Need(3);
            if (h.checkedLaunches >= h.launched.size()) throw Failure("nothing was launched");
            Compare("launched", h.launched[h.checkedLaunches++], tok_[2]);
        } else if (what == "program") {
            Need(3);
            Compare("program", w.ended ? "ended" : "running", tok_[2]);
        } else if (what == "file") {
            Need(3);
            ExpectFile();
        } else {
            // One or more checks: NAME = VALUE or state NAME = VALUE.
            for (size_t i = 1; i < tok_.size(); i += 3) {
                bool state = tok_[i] == "state";
                i += state;
                if (i + 2 >= tok_.size() || tok_[i + 1] != "=") throw Failure("expected NAME = VALUE");
                if (state)
                    Compare("state " + tok_[i], StateValue(w, sc_->Host(), tok_[i]), tok_[i + 2]);
                else
                    Compare(tok_[i], CheckValue(w, tok_[i]), tok_[i + 2]);
            }
        }
    }

    void ExpectFile() {
        const std::string& name = tok_[2];
        std::string native = sc_->Native(name);
        if (tok_.size() == 3) {
            auto block = Block();
            auto got = ReadFileLines(native);
            for (size_t i = 0; i < std::max(block.size(), got.size()); ++i)
                Compare("file " + name + " line " + std::to_string(i + 1), i < got.size() ? got[i] : "<none>",
                        i < block.size() ? block[i] : "<none>");
        } else if (tok_[3] == "missing" || tok_[3] == "exists") {
            Compare("file " + name, fs::exists(native) ? "exists" : "missing", tok_[3]);
        } else {
            // One or more of: lines = N, line N = "TEXT".
            auto got = ReadFileLines(native);
            for (size_t i = 3; i < tok_.size(); i += tok_[i] == "lines" ? 3 : 4) {
                if (tok_[i] == "lines" && i + 2 < tok_.size()) {
                    Compare("file " + name + " lines", std::to_string(got.size()), tok_[i + 2]);
                    continue;
                }
                if (tok_[i] != "line" || i + 3 >= tok_.size()) throw Failure("unknown file check " + tok_[i]);
                size_t n = static_cast<size_t>(std::atoi(tok_[i + 1].c_str()));
                Compare("file " + name + " line " + tok_[i + 1], n >= 1 && n <= got.size() ? got[n - 1] : "<none>",
                        tok_[i + 3]);
            }
        }
    }

    std::string path_;
    std::ostream& out_;
    Script s_;
    size_t ln_ = 0, first_ = 0;
    std::vector<std::string> tok_, setup_;
    std::unique_ptr<Scenario> sc_;
    bool failed_ = false;
    Totals totals_;
};

}  // namespace

}  // namespace varnel::scenario

int main(int argc, char** argv) {
    varnel::scenario::Totals all;
    for (int i = 1; i < argc; ++i) {
        auto t = varnel::scenario::Runner(argv[i], std::cout).Run();
        all.passed += t.passed;
        all.failed += t.failed;
    }
    std::cout << all.passed << " passed, " << all.failed << " failed\n";
    return all.failed == 0 && all.passed > 0 ? 0 : 1;
}
