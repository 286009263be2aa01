// Everything the logic asks of the outside world, in two parts: StationServices
// (clock, pauses, files, serial port, UDP, programs, ending) and OperatorPrompts
// (message boxes and file dialogs). Host is one object that serves both, as the Qt
// host and the headless host do.
#pragma once
#include <utility>

#include "platform/operator_prompts.h"
#include "platform/station_services.h"

namespace varnel {

class Host : public StationServices, public OperatorPrompts {
public:
    explicit Host(DriveMap drives) : StationServices(std::move(drives)) {}
};

}  // namespace varnel
