#include "tools/example_rows.h"

#include "tools/parts_list/columns.h"

#include <array>

namespace gjbz108a::cli {
namespace {

constexpr std::array<ExampleRow, 28> kExamples{{
    {1, "type,tech,package,quality,learning,pins,bits",
     "U1,1,IC Memory,1,30,5,SRAM,MOS,Package SMT(Chip carrier),B1,Stabilized,44,4194304"},
    {2, "type,package,quality,learning,pins,transistors",
     "U2,1,IC Analog,1,30,5,Analog,Package FLAT,B1,Stabilized,8,60"},
    {3, "type,tech,package,quality,learning,pins,elements",
     "U3,1,IC Digital,1,30,5,Microcontroller,MOS,Package SMT(Chip carrier),B1,Stabilized,64,1500000"},
    {5, "style,quality", "R1-R60,60,Resistor,1,30,5,Chip Film,B1"},
    {6, "style,quality", "RV1,1,VARIABLE RESISTOR,4,40,2,Fine Tuning Wirewound,B1"},
    {7, "style,quality,surface,sealed", "C1-C40,40,CAPACITOR,1,30,5,Ceramic (Class 2),B1,Chip,Without"},
    {8, "type,quality,contact_voltage", "S1,1,SWITCHES,4,40,2,Toggle,B1,28 V"},
    {9, "construction,quality,seal,contact_voltage",
     "K1-K2,2,RELAYS,4,40,2,Electromechanical,B1,Fusion welding,28000 mV"},
    {10, "configuration,quality,linkage,cores", "J3,1,CONNECTORS,4,40,2,Fiber,B1,SC,1"},
    {11, "style,quality", "D5-D10,6,Low Frequency Diodes,1,30,5,Si Diodes,B1"},
    {12, "style,quality,power_rating,current_rating",
     "Q1-Q6,6,Low Frequency Transistors,1,30,5,\"Si, NPN\",B1,300 mW,0.2 A"},
    {13, "style,quality", "CR10,1,High Frequency Diodes,4,40,2,PIN,B1"},
    {14, "style,quality,power_rating", "Q10,1,High Frequency Transistors,4,40,2,High PWR Micr.,B1,10"},
    {15, "style,quality", "D1-D4,4,OPTOELECTRONIC DEVICES,1,30,5,LED,B2"},
    {16, "type,learning", "LS1,1,GAS LASERS,4,40,2,Semiconductor,Stabilized"},
    {18, "type,transformer_quality", "T1,1,INDUCTIVE DEVICES,4,40,2,Power Supply transformer,B1"},
    {19, "reflow,soldered,hand,crimp", "SJ1,1,CONNECTIONS,4,40,2,620,96,40,24"},
    {20, "quality,holes", "PCB1,1,PRINTED WIRINING BOARDS,1,30,5,B,850"},
    {21, "type,quality", "B1,1,ROTATING DEVICES,4,40,2,Fan blowers,B1"},
    {22, "type,quality", "Y1,1,QUARTZ CRYSTALS,1,30,5,Oscillator,B"},
    {24, "", "M1,1,METERS,4,40,2"},
    {25, "", "F1-F2,2,FUSES,4,40,2"},
    {27, "quality", "FL1,1,SURFACE ACCOUSTIC WAVE,4,40,2,B1"},
    {28, "type", "DS2,1,LAMPS INCANDESCENT,4,40,2,Neon"},
    {29, "type,quality", "HY1,1,MISCELLANEOUS,4,40,2,Circulator,B1"},
    {30, "type,quality", "V1,1,TUBES,4,40,2,Traveling Wave Tubes,B"},
    {31, "construction,quality", "FL2,1,FILTERS,4,40,2,Discrete LC,B"},
    {33, "quality,ics,transistors,diodes,passives", "U12,1,HYBRID,1,30,5,B1,3,4,6,24"},
}};

}  // namespace

std::span<const ExampleRow> example_rows() noexcept { return kExamples; }

void write_example(std::ostream& out, const ExampleRow& example) {
    for (std::string_view column : kGeneralColumns) out << (column == kGeneralColumns.front() ? "" : ",") << column;
    if (!example.parameter_columns.empty()) out << ',' << example.parameter_columns;
    out << '\n' << example.row << '\n';
}

}  // namespace gjbz108a::cli
