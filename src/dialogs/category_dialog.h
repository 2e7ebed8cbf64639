// The part dialog of a category: CDiaproc with the category's controls, one
// variable each, moved to and from the ParameterBlock and enabled by the
// category's rules. One implementation reads the category's table; the class
// of each ItemCode is a name over it.
#pragma once

#include "dialogs/base_dialog.h"
#include "dialogs/category_dialogs.h"
#include "dialogs/category_variables.h"

#include <memory>
#include <vector>

namespace gjbz108a {

class CategoryEditDialog : public CDiaproc {
public:
    CategoryEditDialog(const CategoryDialog& table, platform::Hwnd parent);

    const CategoryDialog& table() const { return table_; }

    void SetParams(const std::uint8_t* block, int flag) override;
    void ShowParams(const std::uint8_t* block, int flag) override;
    void GetParams(std::uint8_t* block) override;
    void EnableParams(bool enable) override;
    void EnableType(bool enable) override;
    bool GetLibQuery(std::uint8_t* block, bool& type_required, bool& subtype_required) override;

protected:
    void DoDataExchange(DataExchange& dx) override;
    bool OnInitDialog() override;
    bool OnCommand(int control, unsigned notification) override;

private:
    // Every list's selection as its control shows it, as a byte.
    std::vector<ListSelection> list_selections() const;

    const CategoryDialog& table_;
    CategoryVariables variables_;
};

// The class of an ItemCode: its table's dialog under the class's own name.
template <std::uint8_t ItemCode>
class CM08 final : public CategoryEditDialog {
public:
    explicit CM08(platform::Hwnd parent) : CategoryEditDialog(*find_category_dialog(ItemCode), parent) {}
};

using CM08_101 = CM08<1>;
using CM08_102 = CM08<2>;
using CM08_103 = CM08<3>;
using CM08_105 = CM08<5>;
using CM08_106 = CM08<6>;
using CM08_107 = CM08<7>;
using CM08_108 = CM08<8>;
using CM08_109 = CM08<9>;
using CM08_110 = CM08<10>;
using CM08_111 = CM08<11>;
using CM08_112 = CM08<12>;
using CM08_113 = CM08<13>;
using CM08_114 = CM08<14>;
using CM08_115 = CM08<15>;
using CM08_116 = CM08<16>;
using CM08_118 = CM08<18>;
using CM08_119 = CM08<19>;
using CM08_120 = CM08<20>;
using CM08_121 = CM08<21>;
using CM08_122 = CM08<22>;
using CM08_124 = CM08<24>;
using CM08_125 = CM08<25>;
using CM08_127 = CM08<27>;
using CM08_128 = CM08<28>;
using CM08_129 = CM08<29>;
using CM08_130 = CM08<30>;
using CM08_131 = CM08<31>;
using CM08_133 = CM08<33>;

// The dialog of `item_code` over `parent`, or null for a code without one.
std::unique_ptr<CategoryEditDialog> make_category_dialog(unsigned item_code, platform::Hwnd parent);

}  // namespace gjbz108a
