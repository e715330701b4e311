// The run files: NAMES.DAT, the four files of a run, and the optional list
// of names for the moment-curvature curve files.
#pragma once
#include "input/list_reader.h"

namespace kavro {

// Runtime errors of the run files beyond the classic blocks.
inline constexpr int kRunErrInputFileUnreadable = 18;  // input data file missing or unreadable
inline constexpr int kRunErrOutputFileNotCreated = 19; // report, plot or message file cannot be created
inline constexpr int kRunErrTooManyCurveNames = 21;    // name list longer than its table

// Reads NAMES.DAT, opens the input data file (into `input`), the report, plot
// and runtime message files, reads and deletes M_vs_EI_report_names.txt and
// checks that the input data file is not empty. Stops the run on failure.
void Open_Run_Files(input::LineSource& input);

// Closes the input, report, plot and runtime message files, in that order.
void Close_Run_Files(input::LineSource& input);

}  // namespace kavro
