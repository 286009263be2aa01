// The cruise store a station works with, over the paths start-up derived.
#pragma once
#include <memory>

#include "forms/workstation.h"
#include "record/cruise_store.h"

namespace varnel {

// The cruise's shared data folder: its cruise log, counters and exchange files.
std::unique_ptr<CruiseStore> SharedStore(Workstation& w);
// The store whose cruise log this station follows: the shared folder's in network
// mode, its own local cruise log in local operation.
std::unique_ptr<CruiseStore> FollowedStore(Workstation& w);

}  // namespace varnel
