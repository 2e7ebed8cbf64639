// CSrchres: the candidates a component-library search found, one line of the
// host library's result file each, for the user to pick one.
#pragma once

#include "toolkit/design_dialog.h"

#include <array>
#include <string>
#include <string_view>

namespace gjbz108a {

class CSrchres : public toolkit::CDesignDialog {
public:
    explicit CSrchres(platform::Hwnd parent);

    // The result file; at most 99 characters are kept, as the host library
    // gives the path in a 100-byte buffer.
    void set_result_path(std::string_view path);
    // The chosen line after OK; empty when nothing was selected.
    const std::string& selection() const { return selection_; }

protected:
    bool OnInitDialog() override;
    void DoDataExchange(DataExchange& dx) override;
    bool OnHelp(const platform::HelpInfo& help) override;

private:
    std::string selection_;
    std::array<char, 100> result_path_{};
};

}  // namespace gjbz108a
