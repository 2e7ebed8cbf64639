// The exported data exchange, range checks, list filling and read-only mode,
// through a headless dialog: values stored, texts shown, messages seen and
// where the focus goes after a failure.
#include <gjbz108a/data_exchange.h>

#include "platform/automation.h"
#include "platform/window.h"
#include "support/portable.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace gjbz108a::platform {
namespace {

constexpr int kEdit = 10, kOtherEdit = 11, kCombo = 20, kList = 30, kButton = 40, kLabel = 50, kScroll = 60;

std::intptr_t quiet_procedure(Hwnd, unsigned, std::uintptr_t, std::intptr_t) { return 0; }

class DataExchangeTest : public ::testing::Test {
protected:
    void SetUp() override {
        DialogTemplate dialog{"Exchange", {0, 0}, {300, 200}, {"MS Sans Serif", -11, 400}, {}};
        dialog.controls = {
            {kEdit, "Edit", 0, "", {0, 0, 50, 12}, 0, {}},
            {kOtherEdit, "Edit", 0, "", {0, 20, 50, 32}, 0, {}},
            {kCombo, "ComboBox", style::kComboDropDownList, "", {0, 40, 50, 52}, 0, {"---", "A", "B"}},
            {kList, "ListBox", style::kListSort, "", {0, 60, 50, 100}, 0, {}},
            {kButton, "Button", style::kAutoCheckBox, "Check", {60, 0, 100, 12}, 0, {}},
            {2, "Button", 0, "Cancel", {60, 20, 100, 32}, 0, {}},
            {kLabel, "Static", 0, "Label", {60, 40, 100, 52}, 0, {}},
            {kScroll, "ScrollBar", 0, "", {60, 60, 100, 72}, 0, {}},
        };
        dialog_ = create_dialog(dialog, nullptr, quiet_procedure, 0);
        SetUtilWhwnd(dialog_);
        clear_recordings();
    }
    void TearDown() override {
        SetUtilWhwnd(nullptr);
        destroy_window(dialog_);
    }

    DataExchange saving() { return {1, dialog_, 0, 0}; }
    DataExchange loading() { return {0, dialog_, 0, 0}; }
    void type(int control, const std::string& text) { set_window_text(dialog_item(dialog_, control), text); }
    std::string shown(int control) { return window_text(dialog_item(dialog_, control), 100); }

    Hwnd dialog_ = nullptr;
};

const std::string kNotNumber = "message box \"Dialog Validation\": \"You must enter Number in this field.\" owner \"Exchange\"";

// The integer exchanges on a 32-bit variable, of which each uses its own
// width's low bytes.
using IntegerExchange = void (*)(DataExchange*, int32_t, std::uint32_t*);
void byte(DataExchange* dx, int32_t id, std::uint32_t* v) { DDX_EditByte(dx, id, reinterpret_cast<uint8_t*>(v)); }
void word(DataExchange* dx, int32_t id, std::uint32_t* v) { DDX_EditWord(dx, id, reinterpret_cast<uint16_t*>(v)); }
void dword(DataExchange* dx, int32_t id, std::uint32_t* v) { DDX_EditDWord(dx, id, v); }
void int16(DataExchange* dx, int32_t id, std::uint32_t* v) { DDX_Editint(dx, id, reinterpret_cast<int32_t*>(v)); }
void int32(DataExchange* dx, int32_t id, std::uint32_t* v) { DDX_Editlong(dx, id, reinterpret_cast<int32_t*>(v)); }

TEST_F(DataExchangeTest, IntegerTextsStoreTheirValueOrFailWithTheMessageAndTheFocus) {
    struct Case {
        IntegerExchange exchange;
        const char* text;
        std::optional<std::uint32_t> stored;  // nothing: the exchange fails
    };
    const std::vector<Case> cases{
        {word, "***", 65525},     {word, "---", 65535},      {word, "", 65535},          {word, "12", 12},
        {word, " \t12 \t", 12},   {word, "0", 0},            {word, " 00 ", 0},          {word, "70000", 4464},
        {word, "-0", {}},         {word, "+0", {}},          {word, "12ab", {}},         {word, "1 2", {}},
        {word, "   ", {}},        {word, "0x10", {}},        {word, "-1", 65535},        {byte, "***", 117},
        {byte, "", 127},          {byte, "456", 200},        {byte, "12ab", 12},         {byte, "abc", 0},
        {int16, "-5", 0xFFFFFFFBu}, {int16, "40000", 40000}, {int16, "99999999999", 0x7FFFFFFF},
        {int16, "***", 32757},    {int32, "-2147483648", 0x80000000u}, {int32, "2147483648", 0x7FFFFFFF},
        {int32, "-0", {}},        {dword, "4294967296", 0xFFFFFFFFu}, {dword, "-1", 0xFFFFFFFFu},
        {dword, "***", 0xFFFFFFF5u}, {dword, "4294967295", 0xFFFFFFFFu},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        clear_recordings();
        set_focus(dialog_item(dialog_, kOtherEdit));
        type(kEdit, c.text);
        DataExchange dx = saving();
        std::uint32_t value = 0x5A5A5A5A;  // wider than every variable: the bytes beyond it stay
        c.exchange(&dx, kEdit, &value);
        const std::uint32_t mask = c.exchange == byte ? 0xFF : c.exchange == word ? 0xFFFF : 0xFFFFFFFF;
        EXPECT_EQ(value, c.stored ? (0x5A5A5A5Au & ~mask) | *c.stored : 0x5A5A5A5Au);
        EXPECT_EQ(dx.failed, c.stored ? 0 : 1);
        EXPECT_EQ(transcript(), c.stored ? std::vector<std::string>{} : std::vector<std::string>{kNotNumber});
        EXPECT_EQ(focused_window(), dialog_item(dialog_, c.stored ? kOtherEdit : kEdit));
    }
}

TEST_F(DataExchangeTest, IntegersShowTheirSentinelsAndTheirFormatsLowBits) {
    struct Shown { IntegerExchange exchange; std::uint32_t value; const char* text; };
    const std::vector<Shown> cases{
        {byte, 127, "---"}, {byte, 117, "***"}, {byte, 5, "5"},
        // The whole variable is compared with the sentinels, its low 16 bits shown.
        {int16, 32767, "---"}, {int16, 32757, "***"}, {int16, 0x12345, "9029"}, {int16, 0x1FFFF, "-1"},
        {int16, 0x17FFF, "32767"},
        {word, 65535, "---"}, {word, 65525, "***"}, {word, 65534, "65534"},
        {int32, 0x7FFFFFFF, "---"}, {int32, 0x7FFFFFF5, "***"}, {int32, 0x80000000u, "-2147483648"},
        {dword, 0xFFFFFFFFu, "---"}, {dword, 0xFFFFFFF5u, "***"}, {dword, 0x80000000u, "2147483648"},
    };
    for (const Shown& s : cases) {
        DataExchange dx = loading();
        std::uint32_t value = s.value;
        s.exchange(&dx, kEdit, &value);
        EXPECT_EQ(shown(kEdit), s.text) << s.value;
    }
}

TEST_F(DataExchangeTest, RealsTravelWithTheirSentinelsAndShowInTheShortestGeneralForm) {
    struct Case { const char* text; std::optional<double> stored; };
    // A text beyond the largest float rounds to it up to halfway to 2^128.
    for (const Case& c : {Case{"***", 0x1.47ae14p+121}, Case{"", FLT_MAX}, Case{"---", FLT_MAX}, Case{"0.5", 0.5},
                          Case{" 0 ", 0.0}, Case{"0.000", 0.0}, Case{" 2.5\t", 2.5}, Case{".0", {}},
                          Case{"-0", {}}, Case{"-0.0", {}}, Case{"1.5x", {}}, Case{"x", {}}, Case{"1e-400", {}},
                          Case{"3.4028235e38", FLT_MAX}, Case{"3.4028236e38", INFINITY}}) {
        clear_recordings();
        type(kEdit, c.text);
        DataExchange dx = saving();
        float value = 7.0f;
        DDX_Editfloat(&dx, kEdit, &value);
        EXPECT_EQ(dx.failed, c.stored ? 0 : 1) << c.text;
        EXPECT_EQ(value, c.stored ? static_cast<float>(*c.stored) : 7.0f) << c.text;
        EXPECT_EQ(transcript(), c.stored ? std::vector<std::string>{} : std::vector<std::string>{kNotNumber});
    }
    EXPECT_EQ(std::bit_cast<std::uint32_t>(0x1.47ae14p+121f), 0x7C23D70Au);

    // `six`: the float's text, none for the double sentinels (bits 0x7FEFFFFFFFFFFFFF
    // and 0x7F847AE147AE147A), which are the double exchange's own.
    struct Shown { double value; const char* six; const char* fifteen; };
    for (const Shown& s : {Shown{10.0, "10.", "10."}, Shown{1.5, "1.5", "1.5"}, Shown{0.0001, "0.0001", "0.0001"},
                           Shown{1e-5, "1.e-005", "1.e-005"}, Shown{0.1, "0.1", "0.1"},
                           Shown{123456.0, "123456.", "123456."}, Shown{1234567.0, "1.23457e+006", "1234567."},
                           Shown{-314150.0, "-314150.", "-314150."}, Shown{0.0, "0.", "0."},
                           Shown{1.0 / 3.0, "0.333333", "0.333333333333333"},
                           Shown{2.5e20, "2.5e+020", "2.5e+020"},
                           Shown{DBL_MAX, nullptr, "---"}, Shown{0x1.47ae147ae147ap+1017, nullptr, "***"}}) {
        DataExchange dx = loading();
        double twice = s.value;
        DDX_Editdouble(&dx, kEdit, &twice);
        EXPECT_EQ(shown(kEdit), s.fifteen) << s.value;
        if (!s.six) continue;
        auto single = static_cast<float>(s.value);
        DDX_Editfloat(&dx, kEdit, &single);
        EXPECT_EQ(shown(kEdit), s.six) << s.value;
    }
}

TEST_F(DataExchangeTest, RangeChecksExemptTheSentinelsAndShowTheBounds) {
    const auto range = [](const char* low, const char* high) {
        return std::string("message box \"Dialog Validation\": \"Number entered is invalid.\\nNumber must be between ") +
               low + " and " + high + ".\" owner \"Exchange\"";
    };
    struct Case { void (*check)(DataExchange*); std::string message; };  // empty message: passes
    const std::vector<Case> cases{
        {[](DataExchange* dx) { DDV_Checklong(dx, 0x7FFFFFF5, 0, 10); }, ""},
        {[](DataExchange* dx) { DDV_Checklong(dx, 0x7FFFFFF4, 0, 10); }, range("0", "10")},
        {[](DataExchange* dx) { DDV_Checklong(dx, -11, -10, 10); }, range("-10", "10")},
        {[](DataExchange* dx) { DDV_CheckWord(dx, 65535, 1, 9999); }, ""},
        {[](DataExchange* dx) { DDV_CheckWord(dx, 65525, 1, 9999); }, ""},
        {[](DataExchange* dx) { DDV_CheckWord(dx, 0, 1, 9999); }, range("1", "9999")},
        {[](DataExchange* dx) { DDV_CheckWord(dx, 9999, 1, 9999); }, ""},
        {[](DataExchange* dx) { DDV_CheckByte(dx, 117, 0, 10); }, ""},
        {[](DataExchange* dx) { DDV_CheckByte(dx, 200, 0, 10); }, range("0", "10")},
        {[](DataExchange* dx) { DDV_Checkint(dx, 32757, -5, 5); }, ""},
        {[](DataExchange* dx) { DDV_Checkint(dx, -6, -5, 5); }, range("-5", "5")},
        {[](DataExchange* dx) { DDV_CheckDWord(dx, 0xFFFFFFF5u, 0, 1); }, ""},
        {[](DataExchange* dx) { DDV_CheckDWord(dx, 3000000000u, 0, 2000000000u); }, range("0", "2000000000")},
        {[](DataExchange* dx) { DDV_ToggleCheck(dx, 127, 0, 10); }, range("0", "10")},
        {[](DataExchange* dx) { DDV_ToggleCheck(dx, 10, 0, 10); }, ""},
        {[](DataExchange* dx) { const double v = 10; DDV_Checkdouble(dx, &v, 1, 10); }, ""},
        {[](DataExchange* dx) { const double v = 10.5; DDV_Checkdouble(dx, &v, 1, 10); }, range("1.", "10.")},
        {[](DataExchange* dx) { const double v = NAN; DDV_Checkdouble(dx, &v, 1, 10); }, ""},
        {[](DataExchange* dx) { const float v = 0.25f; DDV_Checkfloat(dx, &v, 0.5f, 100.f); }, range("0.5", "100.")},
        {[](DataExchange* dx) { const float v = FLT_MAX; DDV_Checkfloat(dx, &v, 0.5f, 100.f); }, ""},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(i);
        const bool fails = !cases[i].message.empty();
        clear_recordings();
        set_focus(nullptr);
        DataExchange dx = saving(), load = loading();
        dx.control = kOtherEdit;  // as the exchange before the check leaves it
        cases[i].check(&dx);
        cases[i].check(&load);  // nothing is checked on the way to the controls
        EXPECT_EQ(dx.failed, fails ? 1 : 0);
        EXPECT_EQ(load.failed, 0);
        EXPECT_EQ(transcript(), fails ? std::vector<std::string>{cases[i].message} : std::vector<std::string>{});
        EXPECT_EQ(focused_window(), fails ? dialog_item(dialog_, kOtherEdit) : nullptr);
    }
}

TEST_F(DataExchangeTest, AFailedExchangeStopsEveryLaterCallAndTheComboIndexTravels) {
    DataExchange dx = saving();
    type(kEdit, "bad");
    type(kOtherEdit, "5");
    uint16_t first = 1, second = 1;
    DDX_EditWord(&dx, kEdit, &first);
    DDX_EditWord(&dx, kOtherEdit, &second);
    DDV_CheckWord(&dx, 0, 1, 9);
    EXPECT_EQ(second, 1);
    EXPECT_EQ(transcript().size(), 1u);

    for (const int selected : {2, kListError}) {  // 255 stands for nothing selected
        const auto shown = static_cast<std::uint8_t>(selected);
        DataExchange load = loading(), save = saving();
        std::uint8_t index = shown;
        DDX_ToggleByte(&load, kCombo, &index);
        EXPECT_EQ(current_selection(dialog_item(dialog_, kCombo)), selected);
        index = 7;
        DDX_ToggleByte(&save, kCombo, &index);
        EXPECT_EQ(index, shown);
    }
}

// List files in a folder of the test's own: tests run in parallel processes.
class ListFileTest : public DataExchangeTest {
protected:
    std::string file(const std::string& bytes) {
        const auto path = folder_ / ("list-" + std::to_string(++files_) + ".txt");
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }
    void TearDown() override {
        std::filesystem::remove_all(folder_);
        DataExchangeTest::TearDown();
    }
    std::vector<std::string> items(int control) {
        std::vector<std::string> out;
        for (int i = 0; i < item_count(dialog_item(dialog_, control)); ++i)
            out.push_back(item_text(dialog_item(dialog_, control), i));
        return out;
    }
    const std::filesystem::path folder_ = test::make_unique_folder("list-file-");
    int files_ = 0;
};

TEST_F(ListFileTest, LinesBecomeEntriesUpToTheFirstEmptyOne) {
    const std::string line99(99, 'x');
    struct Case { std::string bytes; std::vector<std::string> entries; };
    const std::vector<Case> cases{
        {"b\nA\na\n", {"A", "a", "b"}},            // the list sorts by its own style
        {"one\r\ntwo\r\n", {"one", "two"}},        // a line end of CR LF reads as one character
        {"\nafter\n", {}},                         // an empty first line fills nothing
        {"kept\n\nlost\n", {"kept"}},
        {line99, {std::string(98, 'x')}},          // no line end: the last character goes all the same
        {line99 + "\nnext\n", {std::string(98, 'x')}},  // the line end is read as an empty line of its own
        {"last", {"las"}},
        {std::string("ab\0cd\nef\n", 9), {"a", "ef"}},  // a line ends at a NUL
    };
    for (const Case& c : cases) {
        add_string(dialog_item(dialog_, kList), "old");
        EXPECT_EQ(LBfromFile(dialog_, kList, file(c.bytes).c_str()), 0);
        EXPECT_EQ(items(kList), c.entries) << c.bytes;
    }
    EXPECT_EQ(LBfromFileNoDuplic(dialog_, kList, file("b\nA\na\nB\nc\n").c_str()), 0);
    EXPECT_EQ(items(kList), (std::vector<std::string>{"A", "b", "c"}));
    EXPECT_TRUE(transcript().empty());
}

TEST_F(ListFileTest, AFileThatCannotBeReadOrAFailedAddOnlyTheComboReports) {
    add_string(dialog_item(dialog_, kList), "old");
    EXPECT_EQ(LBfromFile(dialog_, kList, "/no/such/list.txt"), -1);
    EXPECT_EQ(LBfromFileNoDuplic(dialog_, kList, "/no/such/list.txt"), -1);
    EXPECT_TRUE(transcript().empty());
    EXPECT_EQ(items(kList), std::vector<std::string>{"old"});
    EXPECT_EQ(CBfromFile(dialog_, kCombo, "/no/such/list.txt"), -1);
    ASSERT_EQ(transcript().size(), 1u);
    EXPECT_TRUE(transcript()[0].starts_with("message box \"ComboBox From File\": ")) << transcript()[0];
    EXPECT_EQ(items(kCombo), (std::vector<std::string>{"---", "A", "B"}));

    // A failed add is reported and the reading goes on.
    clear_recordings();
    set_item_capacity(dialog_item(dialog_, kCombo), 2);
    EXPECT_EQ(CBfromFile(dialog_, kCombo, file("one\ntwo\nthree\nfour\n").c_str()), 0);
    EXPECT_EQ(items(kCombo), (std::vector<std::string>{"one", "two"}));
    const std::string no_space =
        "message box \"ComboBox From File\": \"Unsufficient memory on add string to Combo Box\" owner \"Exchange\"";
    EXPECT_EQ(transcript(), (std::vector<std::string>{no_space, no_space}));
    clear_recordings();
    EXPECT_EQ(CBfromFile(dialog_, kEdit, file("one\n").c_str()), 0);  // an edit takes no entries
    EXPECT_EQ(transcript(), std::vector<std::string>{
                                "message box \"ComboBox From File\": \"Error add string to Combo Box\" owner \"Exchange\""});
}

TEST_F(DataExchangeTest, ReadOnlyModeLeavesCancelLabelsAndScrollBarsAndEditsStayEnabled) {
    const int32_t again[] = {kOtherEdit, kCombo};
    DisableEditingControls(dialog_, again, 2);
    const std::vector<std::string> expected{
        "10 Edit \"\" read-only",
        "11 Edit \"\" read-only",
        "20 ComboBox \"\" [--- | A | B] selected -1",
        "30 ListBox \"\" disabled [] selected -1",
        "40 Button \"Check\" disabled",
        "2 Button \"Cancel\"",
        "50 Static \"Label\"",
        "60 ScrollBar \"\"",
    };
    EXPECT_EQ(describe(dialog_), expected);
}

}  // namespace
}  // namespace gjbz108a::platform
