// Kavro engine: lateral analysis of single piles and drilled shafts by the
// p-y method. One call of KGO is one analysis; the run is described by the
// file NAMES.DAT in the current working directory, which names the input
// data file, the output report, the plot output file and the runtime
// message file.
#pragma once
#include <cstdint>

#if defined(_WIN32)
#define KAVRO_EXPORT __declspec(dllexport)
#else
#define KAVRO_EXPORT __attribute__((visibility("default")))
#endif

// Interface version the engine accepts.
#define KAVRO_INTERFACE_VERSION 7003

// Runs one analysis. Returns 99 for a version other than 7003, 0 for a clean
// run, 100+n after input error n, 200+n after runtime error n, 999 after an
// internal error, and a negative warning number (or -300 for several) after a
// run with warnings. The engine's state is process-wide: one call at a time.
extern "C" KAVRO_EXPORT int32_t KGO(int32_t version);

namespace kavro {
inline constexpr const char* kProgramVersion = "2013-07.003";
inline constexpr int kInterfaceVersion = KAVRO_INTERFACE_VERSION;
inline constexpr int kWrongVersionStatus = 99;
inline constexpr int kManyWarningsStatus = -300;
}  // namespace kavro
