#include "tools/prediction/host_part_library.h"

#include "dialogs/host_library.h"

#include <algorithm>
#include <cstring>

namespace gjbz108a::cli {
namespace {

class HostPartLibrary final : public PartLibrary {
public:
    std::optional<Block> defaults(unsigned item_code, unsigned type, unsigned subtype) override {
        const auto key = std::make_tuple(item_code, type, subtype);
        if (const auto known = defaults_.find(key); known != defaults_.end()) return known->second;
        std::array<std::uint8_t, kBlockBuffer> buffer{};
        std::optional<Block> answer;
        if (host_.get_dflt(kElectronicItemClass, static_cast<std::int32_t>(item_code), static_cast<std::int32_t>(type),
                           static_cast<std::int32_t>(subtype), buffer.data())) {
            answer.emplace();
            std::copy_n(buffer.begin(), answer->size(), answer->begin());
        }
        return defaults_.emplace(key, answer).first->second;
    }

    std::optional<StoredPart> find(NameKind kind, std::string_view name, unsigned item_code) override {
        auto key = std::make_tuple(kind, std::string(name), item_code);
        if (const auto known = parts_.find(key); known != parts_.end()) return known->second;
        std::array<char, kKeyBuffer> key_text{};
        std::array<char, kGenericNameBuffer> generic{};
        std::array<char, kHostTextBuffer> host_text{};
        std::array<std::uint8_t, kBlockBuffer> block{};
        // The dialog asks by generic name with an empty key, and by the other
        // names with the name as key. Longer names than the buffers hold are
        // refused before they get here.
        const bool by_generic_name = kind == NameKind::generic_name;
        char* text = by_generic_name ? generic.data() : key_text.data();
        const std::size_t capacity = by_generic_name ? kGenericNameBuffer : kKeyBuffer;
        std::memcpy(text, name.data(), std::min(name.size(), capacity - 1));
        std::optional<StoredPart> answer;
        if (host_.get_from_lib(static_cast<std::int32_t>(kind), kElectronicItemClass, static_cast<std::int32_t>(item_code),
                               key_text.data(), generic.data(), block.data(), host_text.data()) == 1) {
            answer.emplace();
            std::copy_n(block.begin(), answer->block.size(), answer->block.begin());
            answer->generic_name = generic.data();
        }
        return parts_.emplace(std::move(key), std::move(answer)).first->second;
    }

    // The defaults function answers whenever the library and it can be loaded.
    bool reachable() override {
        if (!reachable_) {
            std::array<std::uint8_t, kBlockBuffer> ignored{};
            reachable_ = host_.get_dflt(kElectronicItemClass, 0, 0, 0, ignored.data());
        }
        return *reachable_;
    }

private:
    const HostLibrary host_;
    std::map<std::tuple<unsigned, unsigned, unsigned>, std::optional<Block>> defaults_;
    std::map<std::tuple<NameKind, std::string, unsigned>, std::optional<StoredPart>> parts_;
    std::optional<bool> reachable_;
};

}  // namespace

std::unique_ptr<PartLibrary> make_host_library() { return std::make_unique<HostPartLibrary>(); }

}  // namespace gjbz108a::cli
