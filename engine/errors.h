// The fatal-error state and the error-termination routine.
//
// A routine that meets a fatal condition writes its own message block, then
// calls Error_Stop (or sets the state directly where that is the rule) and
// returns; every caller tests stopped() after each call that can stop the
// run and returns at once, so control unwinds to KGO.
#pragma once
#include <string>
#include <string_view>

#include "model/problem_model.h"

namespace kavro {

inline bool stopped() { return pm.FatalErrorValue > 0; }

// Message code of an error value: "INP" + n in five digits for 100+n,
// "RUN" + n in five digits for 200+n, "RUN00999" for 999.
std::string message_code(int value);

// Writes the "ended prematurely" lines to the report and sets
// FatalErrorValue. Value 125 adds the empty-input-file block.
void Error_Stop(std::string_view code, int value);

// Runtime error of an analysis the input asks for but this version of the
// engine does not provide: the run stops with a clear message rather than
// ending normally without the requested results.
inline constexpr int kRunErrNotAvailable = 98;
void stop_not_available(std::string_view what);

// Error_Stop with the code derived from the value.
inline void stop_input_error(int n) { Error_Stop(message_code(100 + n), 100 + n); }
inline void stop_runtime_error(int n) { Error_Stop(message_code(200 + n), 200 + n); }

}  // namespace kavro
