// Results of the load cases, the summaries and the warning summary.
#pragma once
namespace kavro {
void Write_Load_Case_Results(int k);
void Write_Results_Summaries();
void Write_Warning_Summary();
}  // namespace kavro
