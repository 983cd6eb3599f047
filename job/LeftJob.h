#pragma once
// A job that the station held when it last stopped without the job's end
// (a crash, a kill, a power cut), as its record tells (StationJob). At the
// next start it is offered to the customer while it changed no longer
// than [recovery] minutes ago and is not placed; later it is given up: its
// record goes, and the job itself once it is older than [privacy]
// keepunplaced hours (else the sweep takes it in time).

#include <optional>
#include <string>

#include "orderdata/StationJob.h"
#include "platform/Services.h"

namespace orelle {

struct ProcessState;

// The left job to offer, if any; what is not offered is given up here.
// Before the station's first job.
std::optional<StationJob> FindLeftJob(ProcessState& state, const Services& services);

// Puts the left job into the state as photo.ini and the record keep it
// (records, folders, the order's number, day and header), on no page yet.
// False, and nothing changed, when its files no longer read.
bool LoadLeftJob(const StationJob& left, ProcessState& state, FileSystem& fs);

// The customer does not go on: the job and its record go. A placed job
// is left as it is.
void GiveUpLeftJob(const StationJob& left, const ProcessState& state, FileSystem& fs);

}  // namespace orelle
