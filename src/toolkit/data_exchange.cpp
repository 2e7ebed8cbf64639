// The exported data exchange and range checks between edit controls and
// variables, with their sentinels and messages.
#include <gjbz108a/data_exchange.h>

#include "records/field_types.h"
#include "platform/window.h"
#include "toolkit/number_entry.h"
#include "toolkit/strings.h"

#include <atomic>
#include <bit>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

namespace gjbz108a::toolkit {
namespace {

using platform::Hwnd;

// The exchange reads at most this many characters of a control's text.
constexpr std::size_t kEntryCharacters = 64;

// The double sentinels of the exchange, which differ from those of the
// records' double fields.
constexpr double kUndefinedDouble = std::bit_cast<double>(std::uint64_t{0x7FEFFFFFFFFFFFFF});
constexpr double kWildcardDouble = std::bit_cast<double>(std::uint64_t{0x7F847AE147AE147A});

// The window that owns the validation messages: process-wide, set on the
// user-interface thread; atomic so that a check on another thread reads a
// whole handle.
std::atomic<Hwnd> validation_owner{nullptr};

Hwnd dialog_of(const DataExchange* dx) { return static_cast<Hwnd>(dx->dialog); }

// Whether the call has anything to do: a context, and no failure before it.
bool active(const DataExchange* dx) { return dx != nullptr && dx->failed == 0; }

void fail(DataExchange* dx) {
    dx->failed = 1;
    platform::set_focus(platform::dialog_item(dialog_of(dx), dx->control));
}

void fail_with(DataExchange* dx, std::string_view text) {
    platform::message_box(validation_owner.load(), text, kValidationCaption, platform::box::kOk |
                                                                          platform::box::kIconExclamation);
    fail(dx);
}

std::string control_text(const DataExchange* dx, int control) {
    return platform::window_text(platform::dialog_item(dialog_of(dx), control), kEntryCharacters);
}

void set_control_text(const DataExchange* dx, int control, std::string_view text) {
    platform::set_window_text(platform::dialog_item(dialog_of(dx), control), text);
}

// One integer format of the exchange: how its variable is stored, compared,
// shown and read back.
enum class Shown { byte, low16_signed, u16, i32, u32 };
struct IntegerFormat {
    std::size_t bytes;     // the variable's size
    std::uint32_t undefined, wildcard;
    Shown shown;
    bool read_as_byte;     // atoi, low 8 bits, no check
    bool is_signed;
};

constexpr IntegerFormat kByteFormat{1, kUndefinedByte, kWildcardByte, Shown::byte, true, true};      // "%b"
constexpr IntegerFormat kIntFormat{4, kUndefinedI16, kWildcardI16, Shown::low16_signed, false, true};  // "%d"
constexpr IntegerFormat kWordFormat{2, kUndefinedU16, kWildcardU16, Shown::u16, false, false};        // "%u"
constexpr IntegerFormat kLongFormat{4, kUndefinedI32, kWildcardI32, Shown::i32, false, true};  // "%ld"
constexpr IntegerFormat kDWordFormat{4, kUndefinedU32, kWildcardU32, Shown::u32, false, false};       // "%lu"

std::string shown_integer(std::uint32_t bits, Shown shown) {
    char text[16];
    switch (shown) {
    case Shown::byte: std::snprintf(text, sizeof text, "%u", bits & 0xFFu); break;
    case Shown::low16_signed:
        std::snprintf(text, sizeof text, "%d", int{static_cast<std::int16_t>(bits & 0xFFFFu)});
        break;
    case Shown::u16: std::snprintf(text, sizeof text, "%u", bits & 0xFFFFu); break;
    case Shown::i32: std::snprintf(text, sizeof text, "%ld", long{static_cast<std::int32_t>(bits)}); break;
    case Shown::u32: std::snprintf(text, sizeof text, "%lu", static_cast<unsigned long>(bits)); break;
    }
    return text;
}

// The variable's bits, zero-extended; `store` writes the low bytes back.
std::uint32_t load(const void* value, std::size_t bytes) {
    std::uint32_t bits = 0;
    if (bytes == 1) bits = *static_cast<const std::uint8_t*>(value);
    if (bytes == 2) bits = *static_cast<const std::uint16_t*>(value);
    if (bytes == 4) bits = *static_cast<const std::uint32_t*>(value);
    return bits;
}

void store(void* value, std::size_t bytes, std::uint32_t bits) {
    if (bytes == 1) *static_cast<std::uint8_t*>(value) = static_cast<std::uint8_t>(bits);
    if (bytes == 2) *static_cast<std::uint16_t*>(value) = static_cast<std::uint16_t>(bits);
    if (bytes == 4) *static_cast<std::uint32_t*>(value) = bits;
}

void exchange_integer(DataExchange* dx, int control, void* value, const IntegerFormat& format) {
    if (!active(dx) || value == nullptr) return;
    dx->control = control;
    if (!dx->save_and_validate) {
        const std::uint32_t bits = load(value, format.bytes);
        if (bits == format.wildcard) set_control_text(dx, control, kWildcardText);
        else if (bits == format.undefined) set_control_text(dx, control, kUndefinedText);
        else set_control_text(dx, control, shown_integer(bits, format.shown));
        return;
    }
    const std::string text = control_text(dx, control);
    if (text == kWildcardText) return store(value, format.bytes, format.wildcard);
    if (text.empty() || text == kUndefinedText) return store(value, format.bytes, format.undefined);
    if (format.read_as_byte) {
        // atoi: the leading number, whatever follows it, 0 when there is none.
        const std::uint32_t bits = parse_integer(text.substr(0, text.find_first_not_of(" \t-+0123456789")), true)
                                       .value_or(0);
        return store(value, format.bytes, bits & 0xFFu);
    }
    const auto parsed = parse_integer(text, format.is_signed);
    if (!parsed) return fail_with(dx, load_string(kIntegerNotNumber));
    store(value, format.bytes, *parsed);
}

template <typename Real>
void exchange_real(DataExchange* dx, int control, Real* value, Real undefined, Real wildcard, int digits) {
    if (!active(dx) || value == nullptr) return;
    dx->control = control;
    if (!dx->save_and_validate) {
        if (*value == undefined) set_control_text(dx, control, kUndefinedText);
        else if (*value == wildcard) set_control_text(dx, control, kWildcardText);
        else set_control_text(dx, control, general_form(*value, digits));
        return;
    }
    const std::string text = control_text(dx, control);
    if (text == kWildcardText) { *value = wildcard; return; }
    if (text.empty() || text == kUndefinedText) { *value = undefined; return; }
    const auto parsed = parse_real(text);
    if (!parsed) return fail_with(dx, load_string(kRealNotNumber));
    if constexpr (sizeof(Real) == sizeof(float)) *value = narrow_to_float(*parsed);
    else *value = *parsed;
}

// The range checks: the sentinels pass where `exempt` says so.
template <typename Value>
void check_range(DataExchange* dx, Value value, Value min, Value max, bool exempt, int message,
                 const std::string& min_text, const std::string& max_text) {
    if (!active(dx) || !dx->save_and_validate || exempt) return;
    if (min <= value && value <= max) return;
    if constexpr (std::is_floating_point_v<Value>)
        if (std::isnan(value)) return;
    fail_with(dx, format_two(load_string(message), min_text, max_text));
}

// Runs an export's work so that nothing the standard library throws (for
// want of memory) crosses the C boundary: that counts as a failed exchange.
template <typename Work>
void guarded(DataExchange* dx, Work work) noexcept {
    try {
        work();
    } catch (...) {
        if (dx) dx->failed = 1;
    }
}

std::string decimal(long long value) { return std::to_string(value); }

}  // namespace
}  // namespace gjbz108a::toolkit

using namespace gjbz108a;
using namespace gjbz108a::toolkit;

extern "C" {

void DDX_EditByte(DataExchange* dx, int32_t control, uint8_t* value) {
    guarded(dx, [&] { exchange_integer(dx, control, value, kByteFormat); });
}
void DDX_EditWord(DataExchange* dx, int32_t control, uint16_t* value) {
    guarded(dx, [&] { exchange_integer(dx, control, value, kWordFormat); });
}
void DDX_EditDWord(DataExchange* dx, int32_t control, uint32_t* value) {
    guarded(dx, [&] { exchange_integer(dx, control, value, kDWordFormat); });
}
void DDX_Editint(DataExchange* dx, int32_t control, int32_t* value) {
    guarded(dx, [&] { exchange_integer(dx, control, value, kIntFormat); });
}
void DDX_Editlong(DataExchange* dx, int32_t control, int32_t* value) {
    guarded(dx, [&] { exchange_integer(dx, control, value, kLongFormat); });
}
void DDX_Editfloat(DataExchange* dx, int32_t control, float* value) {
    guarded(dx, [&] { exchange_real(dx, control, value, kUndefinedF32, kWildcardF32, 6); });
}
void DDX_Editdouble(DataExchange* dx, int32_t control, double* value) {
    guarded(dx, [&] { exchange_real(dx, control, value, kUndefinedDouble, kWildcardDouble, 15); });
}

void DDX_ToggleByte(DataExchange* dx, int32_t control, uint8_t* value) {
    guarded(dx, [&] {
        if (!active(dx) || value == nullptr) return;
        dx->control = control;
        const Hwnd box = platform::dialog_item(dialog_of(dx), control);
        if (dx->save_and_validate) *value = static_cast<uint8_t>(platform::current_selection(box));
        else platform::set_current_selection(box, *value);
    });
}

void DDV_CheckByte(DataExchange* dx, uint8_t value, uint8_t min, uint8_t max) {
    guarded(dx, [&] {
        check_range(dx, value, min, max, value == kUndefinedByte || value == kWildcardByte, kIntegerOutOfRange,
                    decimal(min), decimal(max));
    });
}
void DDV_CheckWord(DataExchange* dx, uint16_t value, uint16_t min, uint16_t max) {
    guarded(dx, [&] {
        check_range(dx, value, min, max, value == kUndefinedU16 || value == kWildcardU16, kIntegerOutOfRange,
                    decimal(min), decimal(max));
    });
}
void DDV_CheckDWord(DataExchange* dx, uint32_t value, uint32_t min, uint32_t max) {
    guarded(dx, [&] {
        check_range(dx, value, min, max, value == kUndefinedU32 || value == kWildcardU32, kIntegerOutOfRange,
                    decimal(min), decimal(max));
    });
}
void DDV_Checkint(DataExchange* dx, int16_t value, int16_t min, int16_t max) {
    guarded(dx, [&] {
        check_range(dx, value, min, max, value == kUndefinedI16 || value == kWildcardI16, kIntegerOutOfRange,
                    decimal(min), decimal(max));
    });
}
void DDV_Checklong(DataExchange* dx, int32_t value, int32_t min, int32_t max) {
    guarded(dx, [&] {
        check_range(dx, value, min, max, value == kUndefinedI32 || value == kWildcardI32, kIntegerOutOfRange,
                    decimal(min), decimal(max));
    });
}
void DDV_Checkfloat(DataExchange* dx, const float* value, float min, float max) {
    guarded(dx, [&] {
        if (value == nullptr) return;
        check_range(dx, *value, min, max, *value == kUndefinedF32 || *value == kWildcardF32, kRealOutOfRange,
                    general_form(min, 6), general_form(max, 6));
    });
}
void DDV_Checkdouble(DataExchange* dx, const double* value, double min, double max) {
    guarded(dx, [&] {
        if (value == nullptr) return;
        check_range(dx, *value, min, max, *value == kUndefinedDouble || *value == kWildcardDouble,
                    kRealOutOfRange, general_form(min, 15), general_form(max, 15));
    });
}
void DDV_ToggleCheck(DataExchange* dx, uint8_t value, uint8_t min, uint8_t max) {
    guarded(dx, [&] { check_range(dx, value, min, max, false, kIntegerOutOfRange, decimal(min), decimal(max)); });
}

void SetUtilWhwnd(void* window) { validation_owner.store(static_cast<Hwnd>(window)); }

}  // extern "C"
