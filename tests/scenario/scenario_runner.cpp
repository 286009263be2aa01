#include "scenario_runner.h"

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <ostream>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "app/menu_commands.h"
#include "app/startup.h"
#include "control_lookup.h"
#include "lists/event_editor.h"
#include "lists/line_station_boxes.h"
#include "lists/selection.h"
#include "nav/comm_check.h"
#include "nav/nav_tick.h"
#include "platform/datetime.h"
#include "platform/headless/headless_host.h"
#include "scenario_actions.h"

namespace fs = std::filesystem;

namespace varnel::scenario {

namespace {

std::vector<std::string> Tokenize(const std::string& line) {
    std::vector<std::string> out;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
        if (i >= line.size()) break;
        std::string tok;
        if (line[i] == '"') {
            ++i;
            while (i < line.size() && line[i] != '"') {
                if (line[i] == '\\' && i + 1 < line.size()) {
                    char n = line[i + 1];
                    if (n == '"') {
                        tok += '"';
                        i += 2;
                        continue;
                    }
                    if (n == '\\') {
                        tok += '\\';
                        i += 2;
                        continue;
                    }
                    if (n == 'r') {
                        tok += '\r';
                        i += 2;
                        continue;
                    }
                    if (n == 'n') {
                        tok += '\n';
                        i += 2;
                        continue;
                    }
                    if (n == 't') {
                        tok += '\t';
                        i += 2;
                        continue;
                    }
                }
                tok += line[i++];
            }
            ++i;
        } else {
            while (i < line.size() && line[i] != ' ' && line[i] != '\t') tok += line[i++];
        }
        out.push_back(tok);
    }
    return out;
}

struct Station {
    std::unique_ptr<HeadlessHost> host;
    std::unique_ptr<Workstation> ws;
};

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
            Station s;
            s.host = std::make_unique<HeadlessHost>(map);
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
    std::string Native(const std::string& p) { return Host().Files().Native(p); }

private:
    static inline int count_ = 0;
    std::string name_;
    fs::path root_;
    std::map<std::string, Station> stations_;
    Station* cur_ = nullptr;
    DateTime clock_{2026, 7, 5, 12, 0, 0};
};

std::string JoinLines(const std::vector<std::string>& v) {
    std::string s;
    for (auto& l : v) s += l + "\r\n";
    return s;
}

std::vector<std::string> ReadFileLines(const std::string& native) {
    std::ifstream in(native, std::ios::binary);
    if (!in) throw Failure("file " + native + " is missing");
    std::stringstream ss;
    ss << in.rdbuf();
    return SplitLines(ss.str());
}

Answer ParseAnswer(const std::string& s) {
    if (s == "Yes") return Answer::Yes;
    if (s == "No") return Answer::No;
    if (s == "Cancel") return Answer::Cancel;
    if (s == "Ok") return Answer::Ok;
    throw Failure("unknown answer " + s);
}

}  // namespace

Totals RunFile(const std::string& path, std::ostream& out) {
    Totals totals;
    std::ifstream in(path);
    if (!in) {
        out << "FAIL " << path << ": cannot open the scenario file\n";
        ++totals.failed;
        return totals;
    }
    std::vector<std::string> lines;
    std::vector<std::string> where;  // "line N" of the file, or of an included file
    auto readInto = [&](std::istream& src, const std::string& prefix, size_t at) {
        std::vector<std::string> got, from;
        int n = 0;
        for (std::string l; std::getline(src, l);) {
            if (!l.empty() && l.back() == '\r') l.pop_back();
            got.push_back(l);
            from.push_back(prefix + "line " + std::to_string(++n));
        }
        lines.insert(lines.begin() + static_cast<long>(at), got.begin(), got.end());
        where.insert(where.begin() + static_cast<long>(at), from.begin(), from.end());
    };
    readInto(in, "", 0);
    std::unique_ptr<Scenario> sc;
    bool failed = false;
    auto finish = [&] {
        if (!sc) return;
        if (!failed) {
            out << "PASS " << sc->Name() << "\n";
            ++totals.passed;
        }
        sc.reset();
    };
    for (size_t ln = 0; ln < lines.size(); ++ln) {
        const std::string& raw = lines[ln];
        auto first = raw.find_first_not_of(" \t");
        if (first == std::string::npos || raw[first] == '#') continue;
        auto tok = Tokenize(raw);
        if (tok.empty()) continue;
        auto blockLines = [&](size_t indentBase) {
            std::vector<std::string> block;
            while (++ln < lines.size()) {
                std::string l = lines[ln];
                auto f = l.find_first_not_of(' ');
                if (f != std::string::npos && l.substr(f) == "end") break;
                size_t cut = std::min(l.size(), indentBase + 2);
                size_t blanks = 0;
                while (blanks < cut && l[blanks] == ' ') ++blanks;
                block.push_back(l.substr(blanks));
            }
            return block;
        };
        if (tok[0] == "scenario") {
            finish();
            std::string name = raw.substr(raw.find("scenario") + 9);
            sc = std::make_unique<Scenario>(name);
            failed = false;
            continue;
        }
        if (!sc) sc = std::make_unique<Scenario>(fs::path(path).stem().string());
        if (failed) {
            if (tok[0] == "file" || (tok[0] == "expect" && tok.size() == 3 && tok[1] == "file")) blockLines(first);
            continue;
        }
        try {
            auto& h = sc->Host();
            auto& w = sc->W();
            const std::string& cmd = tok[0];
            auto need = [&](size_t n) {
                if (tok.size() < n) throw Failure("too few words");
            };
            if (cmd == "station") {
                need(2);
                sc->Switch(tok[1]);
            } else if (cmd == "file") {
                need(2);
                auto block = blockLines(first);
                std::string native = sc->Native(tok[1]);
                fs::create_directories(fs::path(native).parent_path());
                std::ofstream(native, std::ios::binary) << JoinLines(block);
            } else if (cmd == "rawfile") {
                need(3);
                std::string native = sc->Native(tok[1]);
                fs::create_directories(fs::path(native).parent_path());
                std::ofstream(native, std::ios::binary) << tok[2];
            } else if (cmd == "include") {
                // Runs the lines of a shared set-up file (relative to this file's folder).
                need(2);
                fs::path inc = fs::path(path).parent_path() / tok[1];
                std::ifstream incIn(inc);
                if (!incIn) throw Failure("cannot open " + inc.string());
                readInto(incIn, tok[1] + " (" + where[ln] + ") ", ln + 1);
            } else if (cmd == "setline") {
                // Replaces line N of an existing file (adds empty lines up to it).
                need(4);
                std::string native = sc->Native(tok[1]);
                auto got = ReadFileLines(native);
                size_t n = static_cast<size_t>(std::atoi(tok[2].c_str()));
                if (n == 0) throw Failure("setline counts lines from 1");
                if (got.size() < n) got.resize(n);
                got[n - 1] = tok[3];
                std::ofstream(native, std::ios::binary) << JoinLines(got);
            } else if (cmd == "remove") {
                need(2);
                h.Files().Remove(tok[1]);
            } else if (cmd == "fault") {
                need(4);
                FaultKind k = tok[2] == "open"   ? FaultKind::Open
                              : tok[2] == "read" ? FaultKind::Read
                                                 : FaultKind::Write;
                h.Files().InjectFault(tok[1], k, std::atoi(tok[3].c_str()));
            } else if (cmd == "clock") {
                need(3);
                DateTime t;
                std::sscanf(tok[1].c_str(), "%d-%d-%d", &t.year, &t.month, &t.day);
                std::sscanf(tok[2].c_str(), "%d:%d:%d", &t.hour, &t.minute, &t.second);
                sc->SetClockAll(t);
            } else if (cmd == "wait") {
                need(2);
                h.Advance(std::atoll(tok[1].c_str()));
            } else if (cmd == "answer") {
                for (size_t i = 1; i < tok.size(); ++i) h.answers.push_back(ParseAnswer(tok[i]));
            } else if (cmd == "pick") {
                need(2);
                h.picks.push_back(tok[1] == "none" ? std::nullopt : std::optional<std::string>(tok[1]));
            } else if (cmd == "start") {
                // Loads the main window afresh; the configuration table lives on.
                w.frmActivity = ActivityForm();
                Activity_Form_Load(w);
            } else if (cmd == "click") {
                need(2);
                Click(w, tok[1]);
            } else if (cmd == "dblclick") {
                need(2);
                DblClick(w, tok[1]);
            } else if (cmd == "type") {
                need(3);
                Type(w, tok[1], tok[2]);
            } else if (cmd == "key") {
                need(3);
                int code = std::atoi(tok[2].c_str());
                if (tok[1] == "frmActivity")
                    Activity_Form_KeyDown(w, code);
                else if (tok[1] == "frmEventEdit.EventList")
                    EventList_KeyPress(w, code);
                else
                    throw Failure("no key handling for " + tok[1]);
            } else if (cmd == "choose") {
                need(3);
                auto c = Control(w, tok[1]);
                auto* cb = std::get_if<ComboBox*>(&c);
                if (!cb) throw Failure(tok[1] + " is not a drop-down box");
                (*cb)->text = tok[2];
                if (tok[1] == "Combo1") Combo1_Click(w);
                if (tok[1] == "Combo3") Combo3_Click(w);
            } else if (cmd == "cell") {
                need(2);
                ParsedName n = ParseName(tok[1]);
                auto c = FindControl(w, n);
                auto* cell = c ? std::get_if<CellRef>(&*c) : nullptr;
                if (!cell) throw Failure("no cell " + tok[1]);
                cell->grid->row = cell->row;
                cell->grid->col = cell->col;
            } else if (cmd == "tick") {
                std::string timer = tok.size() > 1 ? tok[1] : "Timer1";
                if (timer == "frmCommCheck.Timer1") {
                    h.Advance(w.frmCommCheck.Timer1.interval);
                    if (w.frmCommCheck.Timer1.enabled && w.frmCommCheck.loaded) CommCheck_Timer1_Timer(w);
                } else {
                    h.Advance(w.frmActivity.Timer1.interval);
                    if (w.frmActivity.Timer1.enabled && !w.ended) Timer1_Timer(w);
                }
            } else if (cmd == "serial") {
                need(2);
                h.serialPending += tok[1];
            } else if (cmd == "serialport") {
                h.serialFailNextOpen = true;
            } else if (cmd == "udp") {
                need(2);
                h.udpPending.push_back(tok[1]);
            } else if (cmd == "expect") {
                need(2);
                const std::string& what = tok[1];
                if (what == "no" && tok.size() > 2 && tok[2] == "message") {
                    if (h.checkedMessages < h.messages.size())
                        throw Failure("unchecked message \"" + h.messages[h.checkedMessages].prompt + "\"");
                } else if (what == "message") {
                    need(3);
                    if (h.checkedMessages >= h.messages.size())
                        throw Failure("no message \"" + tok[2] + "\" was shown");
                    auto& m = h.messages[h.checkedMessages++];
                    if (m.prompt != tok[2]) throw Failure("message was \"" + m.prompt + "\", not \"" + tok[2] + "\"");
                    if (tok.size() >= 5 && tok[3] == "title" && m.title != tok[4])
                        throw Failure("title was \"" + m.title + "\", not \"" + tok[4] + "\"");
                } else if (what == "launched") {
                    need(3);
                    if (h.checkedLaunches >= h.launched.size()) throw Failure("nothing was launched");
                    auto& l = h.launched[h.checkedLaunches++];
                    if (l != tok[2]) throw Failure("launched \"" + l + "\", not \"" + tok[2] + "\"");
                } else if (what == "program") {
                    need(3);
                    bool want = tok[2] == "ended";
                    if (w.ended != want) throw Failure(std::string("program is ") + (w.ended ? "ended" : "running"));
                } else if (what == "window") {
                    need(4);
                    bool vis = false;
                    if (tok[2] == "frmActivity")
                        vis = w.frmActivity.visible;
                    else if (tok[2] == "frmCommCheck")
                        vis = w.frmCommCheck.visible;
                    else if (tok[2] == "FrmEditCFG")
                        vis = w.FrmEditCFG.visible;
                    else if (tok[2] == "frmEventEdit")
                        vis = w.frmEventEdit.visible;
                    else
                        throw Failure("no window " + tok[2]);
                    if (vis != (tok[3] == "visible"))
                        throw Failure("window " + tok[2] + " is " + (vis ? "visible" : "hidden"));
                } else if (what == "file") {
                    need(3);
                    std::string native = sc->Native(tok[2]);
                    if (tok.size() == 3) {
                        auto block = blockLines(first);
                        auto got = ReadFileLines(native);
                        for (size_t i = 0; i < std::max(block.size(), got.size()); ++i) {
                            std::string g = i < got.size() ? got[i] : "<none>";
                            std::string e = i < block.size() ? block[i] : "<none>";
                            if (g != e)
                                throw Failure("file " + tok[2] + " line " + std::to_string(i + 1) + " is \"" + g +
                                              "\", expected \"" + e + "\"");
                        }
                    } else if (tok[3] == "missing" || tok[3] == "exists") {
                        bool exists = fs::exists(native);
                        if (exists != (tok[3] == "exists"))
                            throw Failure("file " + tok[2] + (exists ? " exists" : " is missing"));
                    } else if (tok[3] == "lines") {
                        need(6);
                        auto got = ReadFileLines(native);
                        if (std::to_string(got.size()) != tok[5])
                            throw Failure("file " + tok[2] + " has " + std::to_string(got.size()) + " lines");
                    } else if (tok[3] == "line") {
                        need(7);
                        auto got = ReadFileLines(native);
                        size_t n = static_cast<size_t>(std::atoi(tok[4].c_str()));
                        std::string g = n >= 1 && n <= got.size() ? got[n - 1] : "<none>";
                        if (g != tok[6])
                            throw Failure("file " + tok[2] + " line " + tok[4] + " is \"" + g + "\", expected \"" +
                                          tok[6] + "\"");
                    }
                } else if (what == "state") {
                    need(5);
                    std::string got = StateValue(w, tok[2]);
                    if (got != tok[4])
                        throw Failure("state " + tok[2] + " is \"" + got + "\", expected \"" + tok[4] + "\"");
                } else {
                    need(4);
                    std::string name = what, prop;
                    int arg = -1;
                    // NAME.prop where prop has no parentheses, or .colwidth(N)
                    auto lastDot = name.rfind('.');
                    static const char* props[] = {"caption",  "text",    "value",    "checked", "visible", "enabled",
                                                  "editable", "tooltip", "width",    "height",  "top",     "left",
                                                  "items",    "count",   "interval", "row",     "colwidth"};
                    if (lastDot != std::string::npos) {
                        std::string p = name.substr(lastDot + 1);
                        std::string pbase = p.substr(0, p.find('('));
                        for (auto* k : props)
                            if (pbase == k) {
                                prop = pbase;
                                if (p.find('(') != std::string::npos) arg = std::atoi(p.c_str() + p.find('(') + 1);
                                name = name.substr(0, lastDot);
                            }
                    }
                    std::string got;
                    static const std::map<std::string, int> windows = {
                        {"frmActivity", 0}, {"frmCommCheck", 1}, {"FrmEditCFG", 2}, {"frmEventEdit", 3}};
                    if (auto wi = windows.find(name); wi != windows.end() && !prop.empty()) {
                        std::string cap[] = {w.frmActivity.caption, w.frmCommCheck.caption, w.FrmEditCFG.caption,
                                             w.frmEventEdit.caption};
                        if (prop == "caption")
                            got = cap[wi->second];
                        else if (prop == "width")
                            got = std::to_string(w.frmActivity.widthTwips);
                        else
                            throw Failure("unknown window property " + prop);
                    } else if (name == "frmSelectEvent" && prop.empty()) {
                        got = w.frmActivity.frmSelectEvent.caption;
                    } else {
                        auto c = Control(w, name);
                        if (prop.empty())
                            got = MainValue(c);
                        else {
                            auto v = Property(c, prop, arg);
                            if (!v) throw Failure("no property " + prop + " on " + name);
                            got = *v;
                        }
                    }
                    if (got != tok[3]) throw Failure(tok[1] + " is \"" + got + "\", expected \"" + tok[3] + "\"");
                }
            } else {
                throw Failure("unknown line");
            }
        } catch (const UnexpectedQuestion& q) {
            out << "FAIL " << sc->Name() << ": " << where[ln] << ": unexpected question: " << q.what() << "\n";
            ++totals.failed;
            failed = true;
        } catch (const std::exception& e) {
            out << "FAIL " << sc->Name() << ": " << where[ln] << ": " << e.what() << "\n";
            ++totals.failed;
            failed = true;
        }
    }
    finish();
    return totals;
}

}  // namespace varnel::scenario
