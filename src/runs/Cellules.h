#pragma once
// Fixed-width cells of the reports, for a fixed-pitch font. A cell that stands for no data is dashes, never
// 0, and the decimal mark is always a comma.

#include <cstdint>
#include <string>

namespace vasterel {

// A mean or deviation X >= 0 with D = 1 or 2 decimals, truncated: 5 characters below 100, 6 below 1000;
// with D = 1 a blank ends the cell. 0 gives "  ---".
std::string CodeReal(double X, int D);
// A small integer in 5 characters: 0 "   --", -1 blanks, anything above 98 shows 100.
std::string CodeLevees(int X);
// A count right-aligned in 6 characters; 0 gives "    --".
std::string CodeT(int64_t X);
// A fraction 0..1 as a percentage in 6 characters ending with '%'; above 0.98 shows 100%, 0 gives "    --".
std::string CodePour(double X);
// A whole percentage in 5 characters; 0 gives " --- ".
std::string CodePourcent(int X);

} // namespace vasterel
