#include "models/model_run.h"

#include "records/message.h"


namespace gjbz108a {

bool ModelRun::refuse_environment() noexcept {
    append_text(cursor_, " Environment not supported\n");
    return false;
}

int ModelRun::answer_marker_triple() noexcept { return close(0.0f); }

bool ModelRun::refuse_code(unsigned index, unsigned size, const char* field) noexcept {
    // The record holds the decremented code; the user chose one higher.
    const unsigned code = (index + 1) & 0xFFu;
    append_line(cursor_, " %s code %u is not in the list 1..%u\n", field, code, size);
    return false;
}

bool ModelRun::report(Validity status) noexcept {
    // The message ends in its own line feed, so an empty line follows it.
    append_text(cursor_, "\n");
    if (status == Validity::invalid) return false;
    warned_ = true;
    return true;
}

int ModelRun::refuse(const char* format, ...) noexcept {
    std::va_list args;
    va_start(args, format);
    append_line_v(cursor_, format, args);
    va_end(args);
    return kNotComputed;
}

}  // namespace gjbz108a
