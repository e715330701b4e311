// Positions of reinforcing bars and prestressing strands generated from a
// few geometric parameters: bars (or bundles of bars) evenly spaced on a
// circle, and strands on the perimeter of a square.
//
// The SECTIONS reader calls these while reading "Rebar in circle" and
// "Autoposition strands" blocks; the section analysis calls them again when
// it rebuilds a section. Coordinates are from the section centre, y in the
// bending direction, in the length unit of the section data.
#pragma once
#include "model/capacities.h"
#include "model/indexed.h"
#include "model/sections.h"

namespace kavro {

using BarCoordinates = Indexed<double, kMaxBars>;

// Bars on a circle of clear cover `cover` inside a pile of diameter D:
// `nb` bundles of `m` bars (1 to 3) of diameter `db`, the first bundle at
// angle 0, then counter-clockwise. Both coordinate tables are cleared first.
// Geometry errors write their block to the report and set the fatal-error
// state to 239..244 directly (no error-stop lines): 39 db > D and 40 D <= 0
// return false at once; 41 cover <= 0, 42 nb outside 1..300, 43 m outside
// 1..3 and 44 a bar circle of zero radius go on and return true, so callers
// test stopped(). A bar diameter larger than 100 in magnitude is set to 0,
// in `db` too. Never writes beyond the 300 entries of the tables.
bool Generate_Circular_Bar_Positions(double D, double cover, double& db, int nb, int m, BarCoordinates& x,
                                     BarCoordinates& y);

// `n` strands of diameter `db` on the perimeter of a square of width B with
// clear cover `cover` (arrangement 1 or 2; any other code is taken as 1).
// An odd count puts its last strand at the centre. For n' = 4k + 2 strands on
// the perimeter, arrangement 1 gives the top and bottom faces the two extra
// strands and arrangement 2 the left and right faces. Entries beyond n keep
// their values; nothing is written beyond the 300 entries. Returns true.
bool Generate_Square_Strand_Positions(int arrangement, double B, double cover, double db, int n, BarCoordinates& x,
                                      BarCoordinates& y);

// Bar positions of a section with "Rebar in circle" input: pile diameter
// SectionDiameter, cover ConcreteCover, bar diameter CageBarDiameter,
// NumBars / BarsPerBundle bundles of BarsPerBundle bars, into BarX, BarY.
// The cage offset is not applied. Result and errors as
// Generate_Circular_Bar_Positions (a BarsPerBundle of 0 counts as 0 bundles).
bool Place_Circular_Rebar(PileSection& s);

// Strand positions of a section with "Autoposition strands" input, by
// StrandArrangement: 0 on a circle (SectionDiameter, StrandCover,
// StrandDiameter, NumStrands bundles of one strand), 1 and 2 on a square of
// width SectionDiameter; any other code sets no positions and returns true.
bool Place_Strands(PileSection& s);

}  // namespace kavro
