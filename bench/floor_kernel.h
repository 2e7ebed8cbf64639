// The floor of calc_item: the least memory and table work that a calculation
// of this method does, as a yardstick for calc_item's own time.
#pragma once

#include <cstdint>

namespace gjbz108a::bench {

// calc_item's shape with nothing but the work: resets the header values,
// dispatches on the ItemCode through a table, reads three factor tables
// (environment, quality, base rate) and two curves (temperature and cycling,
// with a binary search for the segment), and stores the five factors and
// their product in the result slots and the header. Returns 3; 1 for a code
// that has no model. Writes no message.
int floor_calc(char* messages, std::uint8_t* record);

}  // namespace gjbz108a::bench
