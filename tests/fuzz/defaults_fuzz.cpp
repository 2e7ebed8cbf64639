// entr_fill_def and entr_upd_def on arbitrary blocks and field lists.
// Properties: only the bytes of the list's fields are written, and only in the
// destination; merging a block with itself as its defaults is the identity; a
// filled block takes every default (bar the codes 12 and 13, which are always
// taken as entered, and texts too short to hold "---"); every merged field is
// the entered or the default value; and the merge gives the same whether its
// destination is a block of its own or one of its sources.
#include "support/field_lists.h"

using namespace gjbz108a::fuzz;

namespace {

// entr_upd_def into a fresh copy of `destination`; the sources must not change.
Guarded merged(const Guarded& destination, const Guarded& entered, const Guarded& defaults, const FieldList& fields) {
    Guarded out = destination;
    const Guarded entered_before = entered, defaults_before = defaults;
    entr_upd_def(out.data(), entered.data(), defaults.data(), fields.list());
    check_guards({&out, &entered, &defaults}, "entr_upd_def wrote outside a block");
    require(entered.same_as(entered_before) && defaults.same_as(defaults_before), "entr_upd_def wrote a source block");
    fields.require_only_fields_changed(destination.data(), out.data(), "entr_upd_def wrote a byte of no field");
    return out;
}

void check_fill(const Guarded& block, const Guarded& defaults, const FieldList& fields) {
    Guarded filled = block;
    entr_fill_def(filled.data(), fields.list());
    filled.check_guards("entr_fill_def wrote outside the block");
    fields.require_only_fields_changed(block.data(), filled.data(), "entr_fill_def wrote a byte of no field");
    if (!fields.disjoint()) return;

    const Guarded out = merged(block, filled, defaults, fields);
    for (const ScreenField& field : fields.acted_on()) {
        const Kind kind = kind_of(field.type_code);
        if (kind == Kind::plain_u16)
            require(same_value(out.data(), filled.data(), field), "a code 12 or 13 field took its default");
        else if (!is_text(field) || capacity(field) >= 3)
            require(same_value(out.data(), defaults.data(), field), "a filled field did not take its default");
    }
}

void check_merge(const Guarded& destination, const Guarded& entered, const Guarded& defaults,
                 const FieldList& fields) {
    const Guarded out = merged(destination, entered, defaults, fields);
    const Guarded itself = merged(destination, entered, entered, fields);
    if (!fields.disjoint()) return;
    for (const ScreenField& field : fields.acted_on()) {
        require(same_value(itself.data(), entered.data(), field),
                "merging a block with itself as its defaults changed a field");
        require(same_value(out.data(), entered.data(), field) || same_value(out.data(), defaults.data(), field),
                "a merged field is neither the entered nor the default value");
        if (is_text(field)) {
            // Closed with NULs from the text's end up to and including its capacity.
            const std::size_t end = field.offset + capacity(field);
            for (std::size_t i = field.offset + field_text(out.data(), field).size(); i <= end; ++i)
                require(out[i] == 0, "a merged text is not padded with NULs");
        }
    }

    // Each field is read before it is written: in place gives the same fields.
    Guarded into_entered = entered;
    entr_upd_def(into_entered.data(), into_entered.data(), defaults.data(), fields.list());
    Guarded into_defaults = defaults;
    entr_upd_def(into_defaults.data(), entered.data(), into_defaults.data(), fields.list());
    check_guards({&into_entered, &into_defaults, &entered}, "entr_upd_def wrote outside a block");
    for (const ScreenField& field : fields.acted_on()) {
        require(same_value(into_entered.data(), out.data(), field) &&
                    same_value(into_defaults.data(), out.data(), field),
                "merging in place differs from merging into a block of its own");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    const FieldList fields(in);
    const Guarded entered = take_block(in);
    const Guarded defaults = take_block(in);
    const Guarded destination = take_block(in);
    check_fill(entered, defaults, fields);
    check_merge(destination, entered, defaults, fields);
    return 0;
}
