// Report writers whose blocks are not yet produced: they write nothing.
#include "report/header_echo.h"
#include "report/plot_records.h"
#include "report/results_tables.h"

namespace kavro {
void Write_Report_Banner() {}
void Write_Date_Time() {}
void Write_Input_Echo() {}
}  // namespace kavro
