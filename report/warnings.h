// The warning registry: counters by warning code 1..4000, the warning status
// count and the warning history.
#pragma once

namespace kavro {

// Registers a warning; codes are passed negative (-302) and counted by their
// absolute value.
void Register_Warning(int code);
// Clears the per-code counters. The run clears them once, at its start; the
// load cases keep them, so that the warning summary at the end of the run
// counts every warning of the run (section analysis included).
void Clear_Warning_Counters();
// Clears everything: counters, status count, history and the run's list of
// distinct codes (start of a run).
void Reset_Warning_Registry();

int warning_counter(int code);      // counter of |code|
int warning_status_count();         // counter value of the latest registration
bool any_warning_registered();      // true once any warning was registered in the run
// Status a run without errors returns: 0 with no warnings; the warning's
// number (negative) when exactly one distinct warning code was registered in
// the run, however often; -300 when several distinct codes were registered.
int warning_run_status();
// Distinct warning codes registered in the run, in order of first registration.
int num_distinct_warnings();
int distinct_warning(int k);        // k = 1..num_distinct_warnings(), as registered (negative)

}  // namespace kavro
