// The load-case iteration.
#pragma once
namespace kavro {
void Run_Load_Case(int k);
}  // namespace kavro
