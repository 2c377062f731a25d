// The fault switches of panel-sim (--silent, --mute-from, --damage-once, ...):
// their command-line entries, how each sets the Faults, and the line describing
// the faults in force.
#pragma once

#include "panel_model.h"

#include <string>

#include <getopt.h>

namespace panelsim {

// getopt_long entries of the fault switches, ended by an entry without a name.
extern const option kFaultSwitches[];
// Sets `faults` as the fault switch `id` (getopt_long's value) with `argument`
// says; false when `id` is no fault switch. A bad argument is a usage error.
bool takeFaultSwitch(int id, const char *argument, Faults &faults);
// Describes the active faults for the start-up log line.
std::string faultSummary(const Faults &f);

} // namespace panelsim
