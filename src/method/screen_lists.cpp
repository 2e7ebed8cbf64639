// The field list of every category's parameter block, as the defaults and
// global-change functions see it. Besides the fields that the dialogs edit, the
// lists name a few bytes and reals that no dialog shows (the f32 at 12 of the
// integrated circuits, the byte after most quality codes), so that filling,
// merging and changing a block carries them along as well.
#include <gjbz108a/screen.h>

#include <array>
#include <cstddef>
#include <cstdint>

static_assert(sizeof(ScreenField) == 8 && offsetof(ScreenField, length) == 1 &&
              offsetof(ScreenField, offset) == 4);
static_assert(sizeof(void*) != 4 || (sizeof(ScreenFieldList) == 8 && offsetof(ScreenFieldList, fields) == 4),
              "the host reads an 8-byte list on a 32-bit target");
static_assert(sizeof(void*) != 8 || offsetof(ScreenFieldList, fields) == 8);

namespace gjbz108a {
namespace {

// The codes these lists use: 2 a 1-byte count or flag, 4 u16, 5 i32, 6 u32,
// 7 f32, 15 a selection code.
constexpr ScreenField at(std::uint32_t offset, std::uint8_t type_code) {
    return {type_code, 0, {0, 0}, offset};
}

template <std::size_t N>
using Fields = std::array<ScreenField, N>;

constexpr Fields<10> kIcMemory{at(0, 15), at(1, 15), at(2, 15), at(3, 15), at(4, 15),
                               at(5, 15), at(6, 4),  at(8, 7),  at(12, 7), at(16, 7)};
constexpr Fields<12> kIcAnalog{at(0, 15), at(1, 15), at(2, 15), at(3, 15), at(4, 15), at(5, 15),
                               at(6, 4),  at(8, 5),  at(12, 7), at(16, 7), at(20, 15), at(21, 2)};
constexpr Fields<10> kIcDigital{at(0, 15), at(1, 15), at(2, 15), at(3, 15), at(4, 15),
                                at(5, 15), at(6, 4),  at(8, 6),  at(12, 7), at(16, 7)};
constexpr Fields<6> kResistor{at(0, 15), at(1, 15), at(2, 2), at(3, 15), at(4, 7), at(8, 7)};
// Variable resistors, switches, low- and high-frequency diodes: a byte at 3.
constexpr Fields<6> kByteAt3RealsAt4And8{at(0, 15), at(1, 15), at(2, 15), at(3, 2), at(4, 7), at(8, 7)};
constexpr Fields<8> kCapacitor{at(0, 15), at(1, 15), at(2, 15), at(3, 15),
                               at(4, 15), at(5, 2),  at(6, 7),  at(10, 7)};
// Relays and inductive devices: a selection code at 3.
constexpr Fields<6> kCodeAt3RealsAt4And8{at(0, 15), at(1, 15), at(2, 15), at(3, 15), at(4, 7), at(8, 7)};
constexpr Fields<7> kConnector{at(0, 15), at(1, 15), at(2, 15), at(3, 2), at(4, 7), at(8, 15), at(9, 2)};
constexpr Fields<8> kLfTransistor{at(0, 15), at(1, 15), at(2, 15), at(3, 2),
                                  at(4, 7),  at(8, 7),  at(12, 7), at(16, 7)};
constexpr Fields<7> kHfTransistor{at(0, 15), at(1, 15), at(2, 15), at(3, 2), at(4, 7), at(8, 7), at(12, 7)};
// Optoelectronic devices, rotating devices, crystals, SAW devices, tubes, filters.
constexpr Fields<5> kByteAt3RealAt4{at(0, 15), at(1, 15), at(2, 15), at(3, 2), at(4, 7)};
constexpr Fields<4> kGasLaser{at(0, 15), at(1, 15), at(2, 15), at(3, 2)};
constexpr Fields<10> kConnection{at(0, 15), at(1, 15), at(2, 4),  at(4, 4),  at(6, 4),
                                 at(8, 4),  at(10, 4), at(12, 4), at(14, 4), at(16, 4)};
constexpr Fields<6> kPrintedBoard{at(0, 15), at(1, 15), at(2, 15), at(3, 2), at(4, 4), at(6, 7)};
// Meters, fuses, lamps.
constexpr Fields<2> kTypeOnly{at(0, 15), at(1, 15)};
constexpr Fields<7> kMiscellaneous{at(0, 15), at(1, 15), at(2, 15), at(3, 15), at(4, 7), at(8, 15), at(9, 2)};
constexpr Fields<9> kHybrid{at(0, 15), at(1, 15), at(2, 15), at(3, 2),  at(4, 4),
                            at(6, 4),  at(8, 4),  at(10, 4), at(12, 7)};

template <std::size_t N>
constexpr ScreenFieldList list_of(const Fields<N>& fields) {
    return {static_cast<std::int32_t>(N), fields.data()};
}

constexpr ScreenFieldList kIcMemoryList = list_of(kIcMemory);
constexpr ScreenFieldList kIcAnalogList = list_of(kIcAnalog);
constexpr ScreenFieldList kIcDigitalList = list_of(kIcDigital);
constexpr ScreenFieldList kResistorList = list_of(kResistor);
constexpr ScreenFieldList kByteAt3RealsAt4And8List = list_of(kByteAt3RealsAt4And8);
constexpr ScreenFieldList kCapacitorList = list_of(kCapacitor);
constexpr ScreenFieldList kCodeAt3RealsAt4And8List = list_of(kCodeAt3RealsAt4And8);
constexpr ScreenFieldList kConnectorList = list_of(kConnector);
constexpr ScreenFieldList kLfTransistorList = list_of(kLfTransistor);
constexpr ScreenFieldList kHfTransistorList = list_of(kHfTransistor);
constexpr ScreenFieldList kByteAt3RealAt4List = list_of(kByteAt3RealAt4);
constexpr ScreenFieldList kGasLaserList = list_of(kGasLaser);
constexpr ScreenFieldList kConnectionList = list_of(kConnection);
constexpr ScreenFieldList kPrintedBoardList = list_of(kPrintedBoard);
constexpr ScreenFieldList kTypeOnlyList = list_of(kTypeOnly);
constexpr ScreenFieldList kMiscellaneousList = list_of(kMiscellaneous);
constexpr ScreenFieldList kHybridList = list_of(kHybrid);

struct CategoryList {
    std::uint8_t item_code;
    const ScreenFieldList* list;
};

constexpr std::array<CategoryList, 28> kCategoryLists{{
    {1, &kIcMemoryList},
    {2, &kIcAnalogList},
    {3, &kIcDigitalList},
    {5, &kResistorList},
    {6, &kByteAt3RealsAt4And8List},
    {7, &kCapacitorList},
    {8, &kByteAt3RealsAt4And8List},
    {9, &kCodeAt3RealsAt4And8List},
    {10, &kConnectorList},
    {11, &kByteAt3RealsAt4And8List},
    {12, &kLfTransistorList},
    {13, &kByteAt3RealsAt4And8List},
    {14, &kHfTransistorList},
    {15, &kByteAt3RealAt4List},
    {16, &kGasLaserList},
    {18, &kCodeAt3RealsAt4And8List},
    {19, &kConnectionList},
    {20, &kPrintedBoardList},
    {21, &kByteAt3RealAt4List},
    {22, &kByteAt3RealAt4List},
    {24, &kTypeOnlyList},
    {25, &kTypeOnlyList},
    {27, &kByteAt3RealAt4List},
    {28, &kTypeOnlyList},
    {29, &kMiscellaneousList},
    {30, &kByteAt3RealAt4List},
    {31, &kByteAt3RealAt4List},
    {33, &kHybridList},
}};

}  // namespace
}  // namespace gjbz108a

extern "C" void GetScrInfo(int32_t item_code, const ScreenFieldList** list) {
    const auto code = static_cast<std::uint8_t>(item_code);  // the low byte only
    for (const gjbz108a::CategoryList& category : gjbz108a::kCategoryLists)
        if (category.item_code == code) *list = category.list;
}
