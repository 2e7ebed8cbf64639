// Temporary answer of the categories whose models are still being written:
// result 1 and one line. Each model family removes its functions from here.
#include "method/message.h"
#include "models/model_run.h"
#include "models/models.h"

namespace gjbz108a {
namespace {

int not_computed_yet(std::uint8_t* record, char** cursor) noexcept {
    append_line(cursor, " Item code %d is not computed yet\n", record[GJBZ108A_ITEM_CODE]);
    return kNotComputed;
}

}  // namespace

int calc_resistor(std::uint8_t* record, char** cursor) noexcept { return not_computed_yet(record, cursor); }
int calc_var_resistor(std::uint8_t* record, char** cursor) noexcept { return not_computed_yet(record, cursor); }
int calc_capacitor(std::uint8_t* record, char** cursor) noexcept { return not_computed_yet(record, cursor); }

}  // namespace gjbz108a
