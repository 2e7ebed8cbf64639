// The global change on arbitrary blocks and field lists: entr_fill_gch,
// gchg_cmprec, gchg_chgrec and gchg_exchgfld. Properties: only the bytes of
// the list's fields are written, and only in the block being changed (plus the
// closing NUL that gchg_exchgfld puts at the end of a source text); a block of
// wildcards selects every part and changes nothing (bar the codes 12 and 13,
// which have no wildcard, and texts too short to hold "***"); a part changed
// by new values satisfies them as conditions; and copying an integer or text
// field onto itself by way of its text keeps its value (a text of "***" gives
// no text).
#include "support/field_lists.h"

#include <cmath>

using namespace gjbz108a::fuzz;

namespace {

int32_t compare(const Guarded& part, const Guarded& conditions, const FieldList& fields) {
    const Guarded part_before = part, conditions_before = conditions;
    const int32_t result = gchg_cmprec(part.data(), conditions.data(), fields.list());
    require(result == 0 || result == 1, "gchg_cmprec returned neither 0 nor 1");
    require(part.same_as(part_before) && conditions.same_as(conditions_before), "gchg_cmprec wrote a block");
    check_guards({&part, &conditions}, "gchg_cmprec wrote outside a block");
    return result;
}

Guarded changed(const Guarded& part, const Guarded& new_values, const FieldList& fields) {
    Guarded out = part;
    const Guarded new_values_before = new_values;
    gchg_chgrec(out.data(), new_values.data(), fields.list());
    check_guards({&out, &new_values}, "gchg_chgrec wrote outside a block");
    require(new_values.same_as(new_values_before), "gchg_chgrec wrote the new values");
    fields.require_only_fields_changed(part.data(), out.data(), "gchg_chgrec wrote a byte of no field");
    return out;
}

bool holds_wildcard(const ScreenField& field) {
    return kind_of(field.type_code) != Kind::plain_u16 && (!is_text(field) || capacity(field) >= 3);
}

void check_wildcards(const Guarded& part, const Guarded& block, const FieldList& fields) {
    Guarded wildcards = block;
    entr_fill_gch(wildcards.data(), fields.list());
    wildcards.check_guards("entr_fill_gch wrote outside the block");
    fields.require_only_fields_changed(block.data(), wildcards.data(), "entr_fill_gch wrote a byte of no field");
    if (!fields.disjoint()) return;

    bool all_have_wildcards = true;
    for (const ScreenField& field : fields.acted_on()) all_have_wildcards &= kind_of(field.type_code) != Kind::plain_u16;
    if (all_have_wildcards) require(compare(part, wildcards, fields) == 1, "a block of wildcards did not select a part");

    const Guarded out = changed(part, wildcards, fields);
    for (const ScreenField& field : fields.acted_on())
        if (holds_wildcard(field)) require(same_value(out.data(), part.data(), field), "a wildcard changed a field");
}

// After the change, the new values hold as conditions, except where the change
// is an editing command or a real that equals nothing (NaN).
void check_change_then_select(const Guarded& part, const Guarded& new_values, const FieldList& fields) {
    compare(part, new_values, fields);
    const Guarded out = changed(part, new_values, fields);
    if (!fields.disjoint()) return;
    for (const ScreenField& field : fields.acted_on()) {
        const Kind kind = kind_of(field.type_code);
        const std::string_view text = kind == Kind::text ? field_text(new_values.data(), field) : "";
        if (text == "-rb1" || text == "-re1") return;
        const std::uint8_t* at = new_values.data() + field.offset;
        if (kind == Kind::f32 && std::isnan(load<float>(at))) return;
        if (kind == Kind::f64 && std::isnan(load<double>(at))) return;
    }
    require(compare(out, new_values, fields) == 1, "a changed part does not satisfy its new values as conditions");
}

// Kinds whose text gives back the same value: all but the reals and the selections.
bool round_trips(Kind kind) {
    return kind != Kind::none && kind != Kind::f32 && kind != Kind::f64 && kind != Kind::selection;
}

void check_exchange(const Guarded& block, int32_t source, int32_t destination, const FieldList& fields) {
    Guarded out = block;
    gchg_exchgfld(out.data(), source, destination, fields.list());
    out.check_guards("gchg_exchgfld wrote outside the block");

    const auto acted_on = fields.list() != nullptr && fields.list()->count > 0 ? fields.list()->count : 0;
    const auto entry = [&](int32_t position) -> const ScreenField* {
        if (position < 0 || position >= acted_on) return nullptr;
        const ScreenField* field = &fields.list()->fields[position];
        return kind_of(field->type_code) == Kind::none ? nullptr : field;
    };
    const ScreenField* from = entry(source);
    const ScreenField* to = entry(destination);
    for (std::size_t i = 0; i < kBlockSize; ++i) {
        if (block[i] == out[i]) continue;
        const bool in_destination = to && i >= to->offset && i < to->offset + extent(*to);
        const bool source_end = from && is_text(*from) && i == from->offset + capacity(*from);
        require(in_destination || source_end, "gchg_exchgfld wrote a byte outside its destination");
    }
    // A text that begins with "***" gives no text: a text field then ends up
    // empty, an 8-character one keeps its "***".
    const bool wildcard_text = from && is_text(*from) && field_text(block.data(), *from).starts_with("***");
    if (from && from == to && round_trips(kind_of(from->type_code)) && !wildcard_text)
        require(same_value(out.data(), block.data(), *from), "copying a field onto itself changed its value");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    const FieldList fields(in);
    const auto source = in.take<int32_t>();
    const auto destination = in.take<int32_t>();
    const Guarded part = take_block(in);
    const Guarded other = take_block(in);
    check_wildcards(part, other, fields);
    check_change_then_select(part, other, fields);
    check_exchange(part, source, destination, fields);
    return 0;
}
