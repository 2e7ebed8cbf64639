// chek_item on arbitrary records. Properties: the result is 3 or 1; the record
// is never written; an accepted part leaves the message buffer untouched; a
// rejected one gets exactly one message of at most 60 characters and its NUL,
// and nothing after it.
#include "support/record_fields.h"

#include <gjbz108a/gjbz108a.h>

#include <cstring>
#include <string_view>

using namespace gjbz108a::fuzz;

namespace {

constexpr std::size_t kMessageSize = 256;
constexpr std::size_t kLongestMessage = 60;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ItemCall call(data, size, kMessageSize);
    auto& [before, record, messages] = call;
    const std::uint32_t result = chek_item(messages.chars(), record.data());
    record.check_guards("chek_item wrote outside the record");
    messages.check_guards("chek_item wrote outside the message buffer");
    require(std::memcmp(record.data(), before.data(), kRecordSize) == 0, "chek_item changed the record");
    require(result == GJBZ108A_CHECK_ACCEPTED || result == GJBZ108A_CHECK_REJECTED,
            "chek_item returned a value other than 3 or 1");

    const unsigned item_code = before[GJBZ108A_ITEM_CODE];
    const bool electronic = before[GJBZ108A_ITEM_CLASS] == 1;
    if (result == GJBZ108A_CHECK_ACCEPTED) {
        require(untouched_from(messages, 0, kUnwritten), "an accepted part left a message");
        require(electronic && supported(item_code), "a non-electronic part or an unsupported category was accepted");
        return 0;
    }
    const std::string_view text = text_in(messages, "the message has no NUL");
    require(untouched_from(messages, text.size() + 1, kUnwritten), "bytes after the message's NUL were written");
    require(!text.empty() && text.size() <= kLongestMessage, "the message is empty or longer than 60 characters");
    require(text.starts_with(' ') && printable(text.substr(0, text.size() - 1)),
            "the message is not a blank and printable text");
    // One line: it ends in its only line feed, or, the one exception, has none.
    const std::size_t line_feed = text.find('\n');
    require(line_feed == text.size() - 1 || (line_feed == std::string_view::npos && text == " Package not supported "),
            "the message is not exactly one line");
    return 0;
}
