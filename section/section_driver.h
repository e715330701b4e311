// The section driver: reports pile section n and computes its bending curves.
#pragma once
namespace kavro {
void Section_Driver(int n);
}  // namespace kavro
