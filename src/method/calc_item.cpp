#include <gjbz108a/calc.h>

#include "records/message.h"
#include "records/record.h"
#include "models/model_run.h"
#include "models/models.h"

#include <array>

namespace gjbz108a {
namespace {

// ItemCode -> model; nullptr for the codes that are not supported.
constexpr std::array<Model, 34> kModels{
    nullptr,          calc_ic_memory,     calc_ic_analog,  calc_ic_digital,   nullptr,
    calc_resistor,    calc_var_resistor,  calc_capacitor,  calc_switch,       calc_relay,
    calc_connector,   calc_lf_diode,      calc_lf_transistor, calc_hf_diode,  calc_hf_transistor,
    calc_optoelectronic, calc_gas_laser,  nullptr,         calc_inductive,    calc_connection,
    calc_pwb,         calc_rotating,      calc_quartz,     nullptr,           calc_meter,
    calc_fuse,        nullptr,            calc_saw,        calc_lamp,         calc_misc,
    calc_tube,        calc_filter,        nullptr,         calc_hybrid,
};

int calculate(char* messages, std::uint8_t* record) noexcept {
    char* cursor = messages;

    if (record[GJBZ108A_ITEM_CLASS] != 1) {
        append_line(&cursor, " Attempt to calculate non electronic item by method %d\n",
                    record[GJBZ108A_METHOD_NUMBER]);
        return kNotComputed;
    }
    const unsigned environment = record[GJBZ108A_ENVIRONMENT_CODE];
    if (environment == 0 || environment > kLastEnvironmentCode) {
        append_line(&cursor, " Not valid environment\n");
        return kNotComputed;
    }
    store(record, GJBZ108A_RESET_REAL, 1.0f);
    store(record, GJBZ108A_RESET_WORD, std::uint32_t{0});

    const unsigned item_code = record[GJBZ108A_ITEM_CODE];
    const Model model = item_code < kModels.size() ? kModels[item_code] : nullptr;
    if (model == nullptr) {
        append_line(&cursor, " Illegal item code %d\n", static_cast<int>(item_code));
        return kNotComputed;
    }
    return model(record, &cursor);
}

}  // namespace
}  // namespace gjbz108a

extern "C" int32_t calc_item(char* messages, uint8_t* record) {
    return gjbz108a::calculate(messages, record);
}
