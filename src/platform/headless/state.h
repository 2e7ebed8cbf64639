// The headless backend's in-memory window system: its objects and the state
// of the user-interface thread.
#pragma once

#include "platform/automation.h"
#include "platform/window.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace gjbz108a::platform {

struct Subclass {
    SubclassProcedure procedure;
    std::uintptr_t id;
    std::uintptr_t reference;
};

struct Window {
    std::string class_name;
    int id = 0;
    std::uint32_t style = 0;
    std::uint32_t ex_style = 0;
    std::string text;
    Rect rect;  // in the parent's client coordinates; a top-level window's in the screen's
    Window* parent = nullptr;
    std::vector<std::unique_ptr<Window>> children;

    std::vector<std::string> items;
    int selection = kListError;
    std::size_t item_capacity = 100000;  // bounds the memory a list can take
    std::size_t text_limit = 0;
    int check = 0;
    Bitmap image = nullptr;  // of an image button

    Font font = nullptr;
    std::intptr_t user_data = 0;
    DialogProcedure dialog_procedure = nullptr;
    std::vector<Subclass> subclasses;  // the last installed first called
    bool tool_tips = false;
    bool tracking_leave = false;
    bool ended = false;
    int end_code = 0;
};

struct FontObject {
    LogicalFont description;
    Size cell;  // average character width, cell height
};

struct BrushObject {
    Color color;
};

struct BitmapObject {
    std::string name;
    Size size;
};

struct DeviceContext {
    Window* window = nullptr;
    DcState state{0x000000, 0xFFFFFF, BackgroundMode::opaque, nullptr};
};

// The user-interface state of this thread.
struct Ui {
    std::vector<std::unique_ptr<Window>> top_level;
    Window* focus = nullptr;
    Window* hovered = nullptr;
    std::vector<UserAction> script;
    std::size_t next_action = 0;
    RunObserver run_observer = nullptr;
    void* run_observer_context = nullptr;
    std::vector<std::string> transcript;
    std::vector<std::string> drawings;
    std::vector<std::string> debug_traces;
    Size screen{1024, 768};
    Rect work_area{0, 0, 1024, 740};
    int pixels_per_inch = 96;
};

Ui& ui();
// The live window behind a handle, or null.
Window* live(Hwnd handle);
// Text as the recordings quote it: in double quotes, line ends as \n.
std::string quoted(std::string_view text);
// One line of the transcript.
void record(std::string line);

// The window class, compared as the system does, ignoring case.
bool has_class(const Window& window, std::string_view name);
bool is_list(const Window& window);  // a combo or list box
Window* find_child(Window& dialog, int id);
// Visible and enabled, and so are all its parents: a user can reach it.
bool usable(const Window& window);
// A command message to the control's parent with `notification`.
void notify_parent(Window& control, unsigned notification);

}  // namespace gjbz108a::platform
