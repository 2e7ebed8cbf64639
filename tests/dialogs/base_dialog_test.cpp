// The base part dialog under the headless backend, with the build's host
// library on a private component library, without it, and with a library
// that lacks its functions: the look-ups, review defaults, the library
// buttons, both searches, OK in every mode, help and tool tips.
#include "dialog_fixture.h"

#include "dialogs/search_results.h"

#include <algorithm>
#include <fstream>

namespace gjbz108a::test {
namespace {

using platform::UserAction;
using Mode = EditingMode;

constexpr int kStyle = 1001, kQuality = 1009, kResistors = 1137;
constexpr int kGeneric = 1042, kCatalog = 1041, kMilitary = 1040, kPartName = 1026, kReference = 1028;
constexpr int kQuantity = 1029;
// The starter library's metal film resistor.
constexpr const char* kMetalFilm = "RES METAL FILM 0.25W 1%";

using BaseDialog = DialogTest;

// A name field's focus loss looks the part up when its text changed, but not
// when the focus leaves for one of the dialog's buttons, when only the letter
// case changed, or in a global change.
TEST_F(BaseDialog, FocusLossLooksUpOnlyAfterARealChange) {
    struct Case {
        const char* what;
        Mode mode;
        std::string shown;  // the generic name when the dialog opens
        std::vector<UserAction> actions;
        bool looked_up;
    };
    const std::vector<Case> cases{
        {"to another edit", Mode::single_part, "", {UserAction::type(kGeneric, kMetalFilm), UserAction::focus(kReference)}, true},
        {"to Help, a button", Mode::single_part, "", {UserAction::type(kGeneric, kMetalFilm), UserAction::click(1025)}, false},
        {"to an image button", Mode::single_part, "", {UserAction::type(kGeneric, kMetalFilm), UserAction::click(1022)}, false},
        {"letter case only", Mode::single_part, "res metal film 0.25w 1%", {UserAction::type(kGeneric, kMetalFilm), UserAction::focus(kReference)}, false},
        {"unknown name", Mode::single_part, "", {UserAction::type(kGeneric, "NO SUCH PART"), UserAction::focus(kReference)}, false},
        {"global change", Mode::global_change, "", {UserAction::type(kGeneric, kMetalFilm), UserAction::focus(kCatalog)}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto dialog = open(kResistor, c.mode);
        dialog->part.generic_name = c.shown;
        dialog->UpdateData(false);
        perform(*dialog, c.actions);
        EXPECT_EQ(selection(*dialog, kStyle), c.looked_up ? kMetalFilmStyle : 0);
        EXPECT_EQ(selection(*dialog, kQuality), c.looked_up ? kB2 : 0);
    }
    // A catalog number is looked up by its cross-reference and shown as the
    // library spells it, with the generic name it refers to.
    auto dialog = open(kResistor);
    perform(*dialog, {UserAction::type(kCatalog, "cat-10370"), UserAction::focus(kReference)});
    EXPECT_EQ(text(*dialog, kCatalog), "CAT-10370");
    EXPECT_EQ(text(*dialog, kGeneric), kMetalFilm);
    EXPECT_EQ(selection(*dialog, kStyle), kMetalFilmStyle);
}

// The order in which the names are tried is the shared look-up's; here the
// button's own part: every name is read, an empty set of names is refused,
// and a part not found is not spoken of.
TEST_F(BaseDialog, TheLibraryButtonReadsEveryNameAndSaysNothingWhenNoPartIsFound) {
    auto dialog = open(kResistor);
    struct Case { const char* generic; const char* catalog; int style; };
    for (const Case& c : {Case{"", "", 0}, Case{"NO SUCH PART", "", 0}, Case{"", "cat-10370", kMetalFilmStyle}}) {
        platform::set_window_text(dialog->GetDlgItem(kGeneric), c.generic);
        platform::set_window_text(dialog->GetDlgItem(kCatalog), c.catalog);
        perform(*dialog, {UserAction::click(1019)});
        EXPECT_EQ(selection(*dialog, kStyle), c.style) << c.generic << c.catalog;
    }
    EXPECT_TRUE(enabled(*dialog, kQuality));
    EXPECT_EQ(message_boxes(), std::vector<std::string>{R"("GJB/Z 108A-2006 Detailed": "Generic name is empty")"});
}

TEST_F(BaseDialog, ReviewDefaultsShowsTheDefaultsAndRestoresTheEntries) {
    auto dialog = open(kResistor);
    perform(*dialog, {UserAction::click(1020)});
    EXPECT_EQ(message_boxes(), std::vector<std::string>{kTypeMissing});
    EXPECT_FALSE(dialog->defaults_view());

    // The defaults lock the header's fields and the parameters, and hide
    // every button but their own; leaving them undoes both.
    const auto shows_defaults = [&dialog](bool shown) {
        EXPECT_EQ(dialog->defaults_view(), shown);
        for (int id : {1029, 1028, 1042, 1041, 1040, 1026, kStyle, kQuality})
            EXPECT_EQ(enabled(*dialog, id), !shown) << id;
        for (int id : {1019, 1021, 1022, 1023, 1024, 1025, 2, 1}) EXPECT_EQ(visible(*dialog, id), !shown) << id;
        EXPECT_TRUE(visible(*dialog, 1020));
    };
    perform(*dialog, {UserAction::select(kStyle, kMetalFilmStyle), UserAction::type(kQuantity, "3"),
                      UserAction::click(1020)});
    shows_defaults(true);
    EXPECT_EQ(selection(*dialog, kQuality), kB2);  // the shipped default of resistors
    perform(*dialog, {UserAction::click(1020)});
    shows_defaults(false);
    EXPECT_EQ(selection(*dialog, kQuality), 0);
    EXPECT_EQ(selection(*dialog, kStyle), kMetalFilmStyle);
    EXPECT_EQ(text(*dialog, kQuantity), "3");
    EXPECT_FALSE(enabled(*dialog, kResistors));  // the type rule again: metal film has no resistor count

    // Enter does nothing while the defaults show (OK is hidden): the run ends
    // only with the Escape that follows.
    EXPECT_EQ(run_modal(*open(kResistor), {UserAction::select(kStyle, kMetalFilmStyle), UserAction::click(1020),
                                           UserAction::enter(), UserAction::click(1), UserAction::escape()}),
              2);
}

// Each host-library call fails silently without the library or its functions
// alike; the dialog is checked without the library.
TEST_F(BaseDialog, WithoutTheHostLibraryTheLibraryActionsDoNothing) {
    auto dialog = open(kResistor, Mode::single_part, 0, absent_host_library());
    perform(*dialog, {UserAction::select(kStyle, kMetalFilmStyle), UserAction::click(1020),
                      UserAction::type(kGeneric, kMetalFilm), UserAction::focus(kReference), UserAction::click(1023),
                      UserAction::click(1019)});
    EXPECT_FALSE(dialog->defaults_view());
    EXPECT_EQ(selection(*dialog, kQuality), 0);
    // OK needs the defaults: the dialog stays open; Cancel closes it.
    EXPECT_EQ(run_modal(*dialog, {UserAction::select(kStyle, kMetalFilmStyle), UserAction::click(1),
                                  UserAction::click(2)}),
              2);
    EXPECT_TRUE(message_boxes().empty());
    // In defaults mode OK needs no library.
    EXPECT_EQ(run_modal(*open(kResistor, Mode::defaults, 1, absent_host_library()),
                        {UserAction::select(kStyle, kMetalFilmStyle), UserAction::click(1)}),
              1);
}

// What OK fills in is checked through edit_item.
TEST_F(BaseDialog, OkRefusesAMissingTypeAndAPartTheChecksRefuse) {
    auto untyped = open(kResistor);
    perform(*untyped, {UserAction::click(1)});
    EXPECT_EQ(message_boxes(), std::vector<std::string>{kTypeMissing});
    // Categories without a Type list (lamps 24) accept without one.
    platform::clear_recordings();
    EXPECT_EQ(run_modal(*open(24), {UserAction::click(1)}), 1);
    EXPECT_TRUE(message_boxes().empty());

    // A digital IC of 2 pins: the pin check refuses it, the dialog stays open.
    auto ic = open(3);
    perform(*ic, {UserAction::select(1001, 1), UserAction::select(1002, 2), UserAction::select(1007, 1),
                  UserAction::select(1009, 1), UserAction::type(1015, "2"), UserAction::type(1043, "100"),
                  UserAction::click(1)});
    const auto boxes = message_boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].rfind(R"("GJB/Z 108A-2006 Detailed": ")", 0), 0u) << boxes[0];
}

TEST_F(BaseDialog, SearchesTakeTheKeyOfTheLastNameField) {
    auto dialog = open(kResistor);
    // Before any name field had the focus: nothing at all.
    perform(*dialog, {UserAction::click(1023)});
    EXPECT_TRUE(message_boxes().empty());
    EXPECT_EQ(dialog->last_name_field(), 0);
    // An empty key: the field's message, the part name's with its own caption;
    // a key that finds nothing.
    struct Case { int field; const char* key; std::string box; };
    const Case cases[]{
        {kGeneric, "", R"("GJB/Z 108A-2006 Detailed": "You must define Generic name")"},
        {kCatalog, "", R"("GJB/Z 108A-2006 Detailed": "You must define Catalog number")"},
        {kMilitary, "", R"("GJB/Z 108A-2006 Detailed": "You must define Military number")"},
        {kPartName, "", R"("GJB/Z 108A-2006 Detaileds": "You must define Part name")"},
        {kGeneric, "no such", R"("GJB/Z 108A-2006 Detailed": "There is no Parts in Library for current request!")"},
    };
    for (const Case& c : cases) {
        platform::clear_recordings();
        perform(*dialog, {UserAction::type(c.field, c.key), UserAction::click(1024)});
        EXPECT_EQ(message_boxes(), std::vector<std::string>{c.box});
    }

    // A found name, picked in the results: looked up and shown.
    platform::set_script({UserAction::select(1250, 0), UserAction::enter()});
    perform(*dialog, {UserAction::type(kGeneric, "RES METAL"), UserAction::click(1023)});
    EXPECT_EQ(text(*dialog, kGeneric), kMetalFilm);
    EXPECT_EQ(selection(*dialog, kStyle), kMetalFilmStyle);
}

TEST_F(BaseDialog, SearchResultsListEachLineOnceAndAnswerTheSelection) {
    const auto results = library_.folder() / "results.txt";
    std::ofstream(results) << "B PART\nA PART\nB PART\nb part\n";
    struct Case {
        std::vector<UserAction> actions;
        int end;
        std::string selection;
    };
    const std::vector<Case> cases{
        {{UserAction::look(), UserAction::select(1250, 1), UserAction::enter()}, 1, "B PART"},
        {{UserAction::look(), UserAction::enter()}, 1, ""},
        {{UserAction::look(), UserAction::select(1250, 0), UserAction::escape()}, 2, ""},
    };
    for (const Case& c : cases) {
        CSrchres dialog(nullptr);
        dialog.set_result_path(results.string());
        platform::clear_recordings();
        platform::set_script(c.actions);
        EXPECT_EQ(dialog.DoModal(), c.end);
        EXPECT_EQ(dialog.selection(), c.selection);
        EXPECT_TRUE(std::ranges::any_of(platform::transcript(), [](const std::string& line) {
            return line.ends_with("1250 ListBox \"\" [A PART | B PART] selected -1");
        }));
    }
    CSrchres dialog(nullptr);
    platform::clear_recordings();
    platform::set_script({UserAction::help(), UserAction::escape()});
    dialog.DoModal();
    EXPECT_EQ(message_boxes(),
              std::vector<std::string>{R"("Library Search": "Help for this method is not implemented yet !")"});
}

TEST_F(BaseDialog, GlobalChangeShiftsEveryListAndNamesItsStep) {
    for (const auto& [variant, title] : {std::pair{0, "Resistor   GJB/Z 108A-2006 Detailed : Conditions"},
                                         std::pair{1, "Resistor   GJB/Z 108A-2006 Detailed : New Values"}}) {
        auto dialog = open(kResistor, Mode::global_change, variant);
        EXPECT_EQ(platform::window_text(dialog->window(), 100), title);
        for (int id : {kStyle, kQuality}) {
            const platform::Hwnd box = dialog->GetDlgItem(id);
            EXPECT_EQ(platform::item_text(box, 0), "***");
            EXPECT_EQ(platform::item_text(box, 1), "---");
        }
        EXPECT_EQ(visible(*dialog, kGeneric), variant == 0);  // what each step hides: the rules' test
        // No rule runs: a type without a resistor count leaves it enabled.
        perform(*dialog, {UserAction::select(kStyle, 0)});
        EXPECT_TRUE(enabled(*dialog, kResistors));
        EXPECT_TRUE(message_boxes().empty());
    }
}

TEST_F(BaseDialog, HelpAndToolTips) {
    auto dialog = open(12);
    perform(*dialog, {UserAction::help(), UserAction::hover(kQuantity), UserAction::hover(1183)});
    const std::string folder = (library_.folder() / "").string();  // with the system's separator
    EXPECT_EQ(platform::transcript(),
              (std::vector<std::string>{
                  "F1",
                  "help \"" + folder + "BIN\\User Manual.chm::/relcal_frpediction.htm\" owner \"Low Frequency Transistors  GJB/Z 108A-2006 Detailed\"",
                  "tool tip 1029: \"Quantity in current assembly\"", "tool tip 1183: \"Power Rated [W]\""}));

    // Defaults mode keeps no path and no ItemCode: no help, no category texts.
    platform::clear_recordings();
    auto defaults = open(12, Mode::defaults, 1);
    perform(*defaults, {UserAction::help(), UserAction::hover(1183), UserAction::hover(1009)});
    EXPECT_EQ(platform::transcript(), (std::vector<std::string>{"F1", "tool tip 1183: none",
                                                                 "tool tip 1009: \"Component Quality Level\""}));
}

}  // namespace
}  // namespace gjbz108a::test
