// The report banner, file-name block, date and time, and the input echo.
#pragma once
namespace kavro {
void Write_Report_Banner();  // banner and file-name block
void Write_Date_Time();      // date and time of analysis
void Write_Input_Echo();     // echo of the problem data, with its checks
}  // namespace kavro
