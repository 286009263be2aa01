#include "record/folder_store.h"

#include "platform/numbers.h"
#include "platform/shared_file_lock.h"
#include "platform/strings.h"
#include "record/html_table.h"
#include "record/log_line.h"

namespace varnel {

FolderStore::FolderStore(StationServices& services, FolderStorePaths paths, LockWait waiting)
    : services_(services), paths_(paths), waiting_(std::move(waiting)), reader_(services.Files(), std::move(paths)) {}

const std::string& FolderStore::PathOf(Counter c) const {
    return c == Counter::EventNumber ? paths_.eventNumber : paths_.orderOcc;
}

bool FolderStore::HasCounter(Counter c) {
    return services_.Files().Exists(PathOf(c));
}

std::optional<double> FolderStore::ReadCounter(Counter c) {
    auto lines = services_.Files().ReadLines(PathOf(c));
    if (lines.empty() || Trim(lines.front()).empty()) return std::nullopt;
    return Val(lines.front());
}

void FolderStore::SetCounter(Counter c, const std::string& text) {
    services_.Files().ReplaceLines(PathOf(c), {text});
}

std::optional<std::string> FolderStore::ChangeLocked(const std::string& path,
                                                     const std::function<std::optional<std::string>()>& change) {
    return ChangeUnderLock(
        services_, path,
        [&](const std::string& holder) {
            if (waiting_) waiting_(path, holder);
        },
        change);
}

std::string FolderStore::DrawCounter(Counter c, const std::function<std::string(std::optional<double>)>& next) {
    std::string text;
    ChangeLocked(PathOf(c), [&]() -> std::optional<std::string> {
        text = next(ReadCounter(c));
        return text + "\r\n";
    });
    return text;
}

void FolderStore::RaiseCounter(Counter c, long long atLeast) {
    ChangeLocked(PathOf(c), [&]() -> std::optional<std::string> {
        auto held = ReadCounter(c);
        if (held && *held >= static_cast<double>(atLeast)) return std::nullopt;
        return IntText(atLeast) + "\r\n";
    });
}

void FolderStore::AddEvent(const PendingEvent& e, Delivery delivery, bool announce) {
    auto& fs = services_.Files();
    const bool again = delivery == Delivery::Again;
    if (!e.html.empty()) {
        ChangeLocked(e.html, [&]() -> std::optional<std::string> {
            if (again && EndHolds(fs, e.html, e.htmlRow)) return std::nullopt;
            return HtmlWithRow(fs, e.html, e.htmlRow, e.project, e.cruise);
        });
    }
    if (!again || !EndHolds(fs, e.sharedLog, e.sharedLine)) fs.AppendLines(e.sharedLog, {e.sharedLine});
    if (announce) fs.ReplaceLines(paths_.lastEvent, {e.sharedLine});
    if (!again || !EndHolds(fs, e.roleLog, e.roleLine)) AppendWithHeader(fs, e.roleLog, RoleHeader(), e.roleLine);
}

void FolderStore::MarkCtdAtDepth(const std::string& roleLine) {
    services_.Files().ReplaceLines(paths_.ctdAtDepth, {roleLine});
}

std::optional<std::string> FolderReader::Announced() {
    if (!fs_.Exists(paths_.lastEvent)) return std::nullopt;
    auto lines = fs_.ReadLines(paths_.lastEvent);
    return lines.empty() ? "" : lines.front();
}

void FolderReader::EventsSince(StoreMark& mark, const std::function<void(const LoggedEvent&)>& take) {
    StoreMark next =
        mark.log == paths_.cruiseLog ? StoreMark{mark.log, mark.position, false} : StoreMark{paths_.cruiseLog, 0, true};
    if (!fs_.Exists(next.log)) {
        mark = next;
        return;
    }
    auto text = fs_.ReadFrom(next.log, next.position);
    if (!text) {  // the log is now shorter: a new cruise or a replaced file
        next = {next.log, 0, true};
        text = fs_.ReadFrom(next.log, 0);
        if (!text) return;
    }
    size_t end = text->find_last_of("\r\n");
    if (end != std::string::npos) next.position += end + 1;  // else a line is still being written
    mark = next;
    if (end == std::string::npos) return;
    ForEachLine(std::string_view(*text).substr(0, end + 1),
                [&](std::string_view line) { take(ParseLogLine(line, NavigationColumnsRead::Skipped)); });
}

std::vector<std::string> FolderReader::CruiseLines() {
    return fs_.ReadLines(paths_.cruiseLog);
}

}  // namespace varnel
