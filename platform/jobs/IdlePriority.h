#pragma once
// Work that may wait for whatever else the machine does.

namespace orelle {

// Lowers the calling thread to the least share of the processor; on a
// machine with nothing else to do it still runs at full speed.
void LowerThisThread();

}  // namespace orelle
