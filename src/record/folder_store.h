// The cruise store of the shared data folder: the files every station of the cruise
// shares, written as they always have been. The one-line counters and the HTML table
// are changed under a lock file beside them, and written only while the lock is still
// this station's (see platform/shared_file_lock.h); logs are appended one whole line per write; the one-line
// exchange files are replaced in one step, so a reader never sees half of one.
#pragma once
#include <functional>
#include <string>

#include "platform/station_services.h"
#include "record/cruise_store.h"

namespace varnel {

struct FolderStorePaths {
    std::string eventNumber;  // the event-number file in use (this station's copy in local operation)
    std::string orderOcc;     // OrderOcc.txt
    std::string cruiseLog;    // the cruise log that is followed and read
    std::string lastEvent;    // LastEvent.csv
    std::string ctdAtDepth;   // the CTD-at-depth file
};

// Reading a cruise's files needs nothing but the file system (the report runs ashore).
class FolderReader : public CruiseReader {
public:
    FolderReader(FileSystem& fs, FolderStorePaths paths) : fs_(fs), paths_(std::move(paths)) {}
    std::optional<std::string> Announced() override;
    void EventsSince(StoreMark& mark, const std::function<void(const LoggedEvent&)>& take) override;
    std::vector<std::string> CruiseLines() override;

protected:
    FileSystem& fs_;
    FolderStorePaths paths_;
};

class FolderStore : public CruiseStore {
public:
    // `waiting(path, holder)` is called while another station holds a counter's lock.
    using LockWait = std::function<void(const std::string& path, const std::string& holder)>;
    FolderStore(StationServices& services, FolderStorePaths paths, LockWait waiting = {});

    bool HasCounter(Counter c) override;
    std::optional<double> ReadCounter(Counter c) override;
    void SetCounter(Counter c, const std::string& text) override;
    std::string DrawCounter(Counter c, const std::function<std::string(std::optional<double>)>& next) override;
    void RaiseCounter(Counter c, long long atLeast) override;
    void AddEvent(const PendingEvent& e, Delivery delivery, bool announce) override;
    void MarkCtdAtDepth(const std::string& roleLine) override;
    std::optional<std::string> Announced() override { return reader_.Announced(); }
    void EventsSince(StoreMark& mark, const std::function<void(const LoggedEvent&)>& take) override {
        reader_.EventsSince(mark, take);
    }
    std::vector<std::string> CruiseLines() override { return reader_.CruiseLines(); }

private:
    const std::string& PathOf(Counter c) const;
    std::optional<std::string> ChangeLocked(const std::string& path,
                                            const std::function<std::optional<std::string>()>& change);

    StationServices& services_;
    FolderStorePaths paths_;
    LockWait waiting_;
    FolderReader reader_;
};

}  // namespace varnel
