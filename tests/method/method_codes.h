// The ItemCodes of the method, written out for the tests independently of the
// library's own category table.
#pragma once

#include <set>

namespace gjbz108a::test {

inline const std::set<unsigned> kSupportedItemCodes{1,  2,  3,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15,
                                                    16, 18, 19, 20, 21, 22, 24, 25, 27, 28, 29, 30, 31, 33};

inline bool supported(unsigned item_code) { return kSupportedItemCodes.count(item_code) != 0; }

}  // namespace gjbz108a::test
