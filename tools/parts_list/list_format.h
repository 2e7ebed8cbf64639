// Which reader a parts list needs. A .json file (in any letter case) is JSON;
// any other, standard input too, is told by its first byte that is not blank:
// '[' or '{' starts a JSON list (no CSV header starts so), anything else a
// CSV one. A JSON list saved as .csv or .txt is still read as JSON.
#pragma once

#include <istream>
#include <optional>
#include <streambuf>
#include <string>
#include <string_view>

namespace gjbz108a::cli {

enum class ListFormat { csv, json };

// The format that a file's name tells, if it does: only .json does.
std::optional<ListFormat> format_by_name(std::string_view file_name) noexcept;

// The format that the start of a file tells, up to its first byte that is not
// blank (a byte-order mark aside).
ListFormat format_by_content(std::string_view start) noexcept;

// Looks at the first bytes of `in` when the name does not tell the format.
// While the probe lives, `in` reads those bytes again before the rest, so the
// reader that follows sees the file whole, with its lines as they were.
class ListFormatProbe {
public:
    ListFormatProbe(std::istream& in, std::string_view file_name);
    ~ListFormatProbe();
    ListFormatProbe(const ListFormatProbe&) = delete;
    ListFormatProbe& operator=(const ListFormatProbe&) = delete;

    ListFormat format() const noexcept { return format_; }

private:
    // The bytes looked at, then the stream's own buffer.
    class Replay final : public std::streambuf {
    public:
        Replay(std::string& head, std::streambuf* rest);

    protected:
        int_type underflow() override { return rest_->sgetc(); }
        int_type uflow() override { return rest_->sbumpc(); }
        std::streamsize xsgetn(char* out, std::streamsize count) override;

    private:
        std::streambuf* rest_;
    };

    std::istream& in_;
    std::streambuf* own_buffer_;
    std::string head_;
    std::optional<Replay> replay_;
    ListFormat format_ = ListFormat::csv;
};

}  // namespace gjbz108a::cli
