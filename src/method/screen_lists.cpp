// The field list of every category's parameter block, as the defaults and
// global-change functions see it: the category's fields (records/field_tables.h)
// and, merged in by offset, a few bytes and reals that no dialog shows (the f32
// at 12 of the integrated circuits, the byte after most quality codes, the
// unused Type of the categories that have none), so that filling, merging and
// changing a block carries them along as well.
#include <gjbz108a/screen.h>

#include "records/field_tables.h"

#include <array>
#include <concepts>
#include <cstddef>
#include <cstdint>

static_assert(sizeof(ScreenField) == 8 && offsetof(ScreenField, length) == 1 &&
              offsetof(ScreenField, offset) == 4);
static_assert(sizeof(void*) != 4 || (sizeof(ScreenFieldList) == 8 && offsetof(ScreenFieldList, fields) == 4),
              "the host reads an 8-byte list on a 32-bit target");
static_assert(sizeof(void*) != 8 || offsetof(ScreenFieldList, fields) == 8);

namespace gjbz108a {
namespace {

// An entry that only the list has: its block offset and field type code.
struct Carried {
    std::uint8_t offset;
    std::uint8_t type_code;
};
constexpr std::uint8_t kByte = 2, kReal = 7, kSelection = 15;

template <std::size_t N, std::same_as<Carried>... More>
constexpr std::array<ScreenField, N + sizeof...(More)> merged(const std::array<ParameterField, N>& fields,
                                                              More... carried) {
    const std::array<Carried, sizeof...(More)> extra{carried...};
    std::array<ScreenField, N + sizeof...(More)> list{};
    std::size_t next_field = 0, next_extra = 0;
    for (ScreenField& entry : list) {
        const bool take_field = next_extra == extra.size() ||
                                (next_field < N && fields[next_field].offset < extra[next_extra].offset);
        if (take_field) {
            const ParameterField& field = fields[next_field++];
            entry = {screen_type_code(field.type), 0, {0, 0}, field.offset};
        } else {
            const Carried& more = extra[next_extra++];
            entry = {more.type_code, 0, {0, 0}, more.offset};
        }
    }
    for (std::size_t i = 1; i < list.size(); ++i)
        if (list[i].offset <= list[i - 1].offset) throw "entries out of block order";
    return list;
}

template <std::size_t N>
constexpr ScreenFieldList list_of(const std::array<ScreenField, N>& fields) {
    return {static_cast<std::int32_t>(N), fields.data()};
}

constexpr auto kIcMemoryFields = merged(fields::kIcMemory, Carried{12, kReal});
constexpr auto kIcAnalogFields = merged(fields::kIcAnalog, Carried{12, kReal}, Carried{21, kByte});
constexpr auto kIcDigitalFields = merged(fields::kIcDigital, Carried{12, kReal});
constexpr auto kResistorFields = merged(fields::kResistor, Carried{4, kReal});
constexpr auto kVariableResistorFields = merged(fields::kVariableResistor, Carried{3, kByte}, Carried{4, kReal});
constexpr auto kCapacitorFields = merged(fields::kCapacitor, Carried{5, kByte}, Carried{6, kReal});
constexpr auto kSwitchFields = merged(fields::kSwitch, Carried{3, kByte});
constexpr auto kRelayFields = merged(fields::kRelay);
constexpr auto kConnectorFields = merged(fields::kConnector, Carried{3, kByte});
constexpr auto kLfDiodeFields = merged(fields::kLfDiode, Carried{3, kByte}, Carried{4, kReal});
constexpr auto kLfTransistorFields = merged(fields::kLfTransistor, Carried{3, kByte}, Carried{12, kReal});
constexpr auto kHfDiodeFields = merged(fields::kHfDiode, Carried{3, kByte}, Carried{4, kReal});
constexpr auto kHfTransistorFields = merged(fields::kHfTransistor, Carried{3, kByte}, Carried{8, kReal});
constexpr auto kOptoelectronicFields = merged(fields::kOptoelectronic);
constexpr auto kGasLaserFields = merged(fields::kGasLaser, Carried{3, kByte});
constexpr auto kInductiveFields = merged(fields::kInductive, Carried{4, kReal});
constexpr auto kConnectionFields = merged(fields::kConnection, Carried{1, kSelection});
constexpr auto kPrintedBoardFields = merged(fields::kPrintedBoard, Carried{1, kSelection}, Carried{3, kByte});
constexpr auto kRotatingFields = merged(fields::kRotating, Carried{3, kByte});
constexpr auto kQuartzFields = merged(fields::kQuartz, Carried{3, kByte});
constexpr auto kMeterFuseFields = merged(fields::kHeaderOnly, Carried{1, kSelection});
constexpr auto kSawFields = merged(fields::kSaw, Carried{1, kSelection}, Carried{3, kByte});
constexpr auto kLampFields = merged(fields::kLamp);
constexpr auto kMiscellaneousFields = merged(fields::kMiscellaneous, Carried{9, kByte});
constexpr auto kTubeFields = merged(fields::kTube, Carried{3, kByte});
constexpr auto kFilterFields = merged(fields::kFilter, Carried{3, kByte});
constexpr auto kHybridFields = merged(fields::kHybrid, Carried{1, kSelection}, Carried{3, kByte});

constexpr ScreenFieldList kIcMemoryList = list_of(kIcMemoryFields);
constexpr ScreenFieldList kIcAnalogList = list_of(kIcAnalogFields);
constexpr ScreenFieldList kIcDigitalList = list_of(kIcDigitalFields);
constexpr ScreenFieldList kResistorList = list_of(kResistorFields);
constexpr ScreenFieldList kVariableResistorList = list_of(kVariableResistorFields);
constexpr ScreenFieldList kCapacitorList = list_of(kCapacitorFields);
constexpr ScreenFieldList kSwitchList = list_of(kSwitchFields);
constexpr ScreenFieldList kRelayList = list_of(kRelayFields);
constexpr ScreenFieldList kConnectorList = list_of(kConnectorFields);
constexpr ScreenFieldList kLfDiodeList = list_of(kLfDiodeFields);
constexpr ScreenFieldList kLfTransistorList = list_of(kLfTransistorFields);
constexpr ScreenFieldList kHfDiodeList = list_of(kHfDiodeFields);
constexpr ScreenFieldList kHfTransistorList = list_of(kHfTransistorFields);
constexpr ScreenFieldList kOptoelectronicList = list_of(kOptoelectronicFields);
constexpr ScreenFieldList kGasLaserList = list_of(kGasLaserFields);
constexpr ScreenFieldList kInductiveList = list_of(kInductiveFields);
constexpr ScreenFieldList kConnectionList = list_of(kConnectionFields);
constexpr ScreenFieldList kPrintedBoardList = list_of(kPrintedBoardFields);
constexpr ScreenFieldList kRotatingList = list_of(kRotatingFields);
constexpr ScreenFieldList kQuartzList = list_of(kQuartzFields);
constexpr ScreenFieldList kMeterFuseList = list_of(kMeterFuseFields);
constexpr ScreenFieldList kSawList = list_of(kSawFields);
constexpr ScreenFieldList kLampList = list_of(kLampFields);
constexpr ScreenFieldList kMiscellaneousList = list_of(kMiscellaneousFields);
constexpr ScreenFieldList kTubeList = list_of(kTubeFields);
constexpr ScreenFieldList kFilterList = list_of(kFilterFields);
constexpr ScreenFieldList kHybridList = list_of(kHybridFields);

struct CategoryList {
    std::uint8_t item_code;
    const ScreenFieldList* list;
};

constexpr std::array<CategoryList, 28> kCategoryLists{{
    {1, &kIcMemoryList},
    {2, &kIcAnalogList},
    {3, &kIcDigitalList},
    {5, &kResistorList},
    {6, &kVariableResistorList},
    {7, &kCapacitorList},
    {8, &kSwitchList},
    {9, &kRelayList},
    {10, &kConnectorList},
    {11, &kLfDiodeList},
    {12, &kLfTransistorList},
    {13, &kHfDiodeList},
    {14, &kHfTransistorList},
    {15, &kOptoelectronicList},
    {16, &kGasLaserList},
    {18, &kInductiveList},
    {19, &kConnectionList},
    {20, &kPrintedBoardList},
    {21, &kRotatingList},
    {22, &kQuartzList},
    {24, &kMeterFuseList},
    {25, &kMeterFuseList},
    {27, &kSawList},
    {28, &kLampList},
    {29, &kMiscellaneousList},
    {30, &kTubeList},
    {31, &kFilterList},
    {33, &kHybridList},
}};

}  // namespace
}  // namespace gjbz108a

extern "C" void GetScrInfo(int32_t item_code, const ScreenFieldList** list) {
    const auto code = static_cast<std::uint8_t>(item_code);  // the low byte only
    for (const gjbz108a::CategoryList& category : gjbz108a::kCategoryLists)
        if (category.item_code == code) *list = category.list;
}
