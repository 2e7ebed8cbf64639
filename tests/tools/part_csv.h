// The header of the part-per-line CSV, which the tests of several files check.
#pragma once

#include <string>

namespace gjbz108a::cli::test {

// Every factor of every category once, in order of first appearance by
// ItemCode and display order: the ICs' seven, then the capacitors' PI ch, the
// switches' Lb, the transistors' PI r, the boards' Lb1 and Lb2, the
// miscellaneous parts' PI c and the hybrids' A.
inline const std::string kCsvHeader =
    "ref,qty,category,failure_rate,qty_x_failure_rate,status,messages,"
    "Lbase,PI e,PI q,PI t,PI f,PI cyc,PI l,PI ch,Lb,PI r,Lb1,Lb2,PI c,A\n";

// The factor cells of a row without factors.
inline const std::string kNoFactors(14, ',');

}  // namespace gjbz108a::cli::test
