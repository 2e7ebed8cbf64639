// Running the part dialogs headless in tests: a private component library
// with an environment list beside it, dialogs opened modeless for direct
// inspection, and the message boxes a run showed.
#pragma once

#include "support/temporary_library.h"

#include "dialogs/category_dialog.h"
#include "platform/automation.h"
#include "platform/window.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace gjbz108a::test {

// The resistor, and its style "Metal Film" and quality "B2" (the shipped
// default of resistors) as indexes of their lists.
inline constexpr unsigned kResistor = 5;
inline constexpr int kMetalFilmStyle = 2, kB2 = 4;
inline const std::string kTypeMissing = R"("GJB/Z 108A-2006 Detailed": "You must define Type of the part.")";

class DialogTest : public testing::Test {
protected:
    DialogTest() {
        std::filesystem::create_directories(library_.folder() / "SCR");
        std::ofstream(env_list()) << "GB\nGF\nGM\nNS\n";
        platform::clear_recordings();
        look_up_flag() = 1;
    }

    std::string env_list() const { return (library_.folder() / "SCR" / "env.lst").string(); }

    // The dialog of `item_code` as edit_item prepares it, made but not run.
    std::unique_ptr<CategoryEditDialog> open(unsigned item_code, EditingMode mode = EditingMode::single_part,
                                             std::int32_t variant = 0, HostLibrary host = HostLibrary()) {
        auto dialog = make_category_dialog(item_code, nullptr);
        dialog->mode = mode;
        dialog->variant = variant;
        dialog->set_host_library(std::move(host));
        if (mode == EditingMode::single_part) {
            dialog->item_class = 1;
            dialog->item_code = static_cast<std::uint8_t>(item_code);
            dialog->env_list_path = env_list();
        }
        // The header of the part, as edit_item copies it but in a global change.
        if (mode != EditingMode::global_change) {
            dialog->record_copy[GJBZ108A_ITEM_CLASS] = 1;
            dialog->record_copy[GJBZ108A_ITEM_CODE] = static_cast<std::uint8_t>(item_code);
        }
        EXPECT_TRUE(dialog->Create());
        return dialog;
    }

    // The made dialog run modally against `script`: its end code.
    static int run_modal(CategoryEditDialog& dialog, std::vector<platform::UserAction> script) {
        dialog.DestroyWindow();
        platform::set_script(std::move(script));
        return dialog.DoModal();
    }

    static void perform(const CategoryEditDialog& dialog, std::vector<platform::UserAction> actions) {
        for (const platform::UserAction& action : actions) platform::perform(dialog.window(), action);
    }

    // "caption: text" of every message box shown so far.
    static std::vector<std::string> message_boxes() {
        const std::string mark = "message box ";
        std::vector<std::string> boxes;
        for (const std::string& line : platform::transcript())
            if (line.starts_with(mark)) boxes.push_back(line.substr(mark.size(), line.find(" owner ") - mark.size()));
        return boxes;
    }

    static int selection(const CategoryEditDialog& dialog, int id) {
        return platform::current_selection(dialog.GetDlgItem(id));
    }
    static bool enabled(const CategoryEditDialog& dialog, int id) {
        return platform::is_window_enabled(dialog.GetDlgItem(id));
    }
    static bool visible(const CategoryEditDialog& dialog, int id) {
        return platform::is_window_visible(dialog.GetDlgItem(id));
    }
    static std::string text(const CategoryEditDialog& dialog, int id) {
        return platform::window_text(dialog.GetDlgItem(id), 100);
    }

    TemporaryLibrary library_;
};

// A library file that is not there.
inline HostLibrary absent_host_library() { return HostLibrary("libtalwen-not-installed.so"); }

}  // namespace gjbz108a::test
