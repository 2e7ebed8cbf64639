// The values the platform layer passes around: handles, geometry, colours,
// logical fonts, and the message, style and notification numbers. The numbers
// are those of the Windows user interface, so that a Windows backend passes
// them through unchanged and the dialog rules written against them hold as
// they stand.
#pragma once

#include <cstdint>
#include <string>

namespace gjbz108a::platform {

// Opaque handles. The headless backend defines the structs; a Windows backend
// casts its own handles to these pointer types and back.
using Hwnd = struct Window*;
using Font = struct FontObject*;
using Brush = struct BrushObject*;
using Bitmap = struct BitmapObject*;

struct Point {
    int x = 0, y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int width = 0, height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// 0x00BBGGRR, as the Windows colour reference.
using Color = std::uint32_t;
constexpr Color rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return Color{red} | Color{green} << 8 | Color{blue} << 16;
}

struct LogicalFont {
    std::string face;
    int height = 0;  // negative: the character height in pixels; positive: the cell height
    int weight = 400;
};

// Message numbers.
namespace message {
inline constexpr unsigned kActivate = 0x0006, kSetFocus = 0x0007, kKillFocus = 0x0008, kPaint = 0x000F,
                          kClose = 0x0010, kEraseBackground = 0x0014, kMouseActivate = 0x0021,
                          kSetFont = 0x0030, kHelp = 0x0053, kNotify = 0x004E, kNcPaint = 0x0085,
                          kInitDialog = 0x0110, kCommand = 0x0111, kCtlColorMsgBox = 0x0132,
                          kCtlColorEdit = 0x0133, kCtlColorListBox = 0x0134, kCtlColorButton = 0x0135,
                          kCtlColorDialog = 0x0136, kCtlColorScrollBar = 0x0137, kCtlColorStatic = 0x0138,
                          kMouseMove = 0x0200, kLeftButtonDown = 0x0201, kLeftButtonUp = 0x0202,
                          kMouseLeave = 0x02A3;
}  // namespace message

// Notification codes carried in the high word of a command's first parameter,
// and the tool-tip text request of a notify message.
namespace notify {
inline constexpr unsigned kButtonClicked = 0, kComboSelectionChange = 1, kComboSetFocus = 3,
                          kComboKillFocus = 4, kEditSetFocus = 0x0100, kEditKillFocus = 0x0200,
                          kEditChange = 0x0300, kListSelectionChange = 1;
inline constexpr int kToolTipGetText = -530;  // TTN_GETDISPINFOA
}  // namespace notify

// Window style bits.
namespace style {
inline constexpr std::uint32_t kChild = 0x40000000, kVisible = 0x10000000, kDisabled = 0x08000000,
                               kBorder = 0x00800000, kCaption = 0x00C00000, kVerticalScroll = 0x00200000,
                               kTabStop = 0x00010000, kGroup = 0x00020000;
// Extended styles.
inline constexpr std::uint32_t kClientEdge = 0x00000200, kStaticEdge = 0x00020000, kWindowEdge = 0x00000100;
// Buttons.
inline constexpr std::uint32_t kPushButton = 0x0, kDefaultPushButton = 0x1, kCheckBox = 0x2,
                               kAutoCheckBox = 0x3, kRadioButton = 0x4, kGroupBox = 0x7,
                               kAutoRadioButton = 0x9, kOwnerDrawButton = 0xB, kLeftText = 0x20,
                               kMultiLine = 0x2000, kNotify = 0x4000;
// Statics: the kind is the low five bits.
inline constexpr std::uint32_t kStaticKind = 0x1F, kStaticLeft = 0x0, kStaticIcon = 0x3;
// Edits, combo boxes and list boxes.
inline constexpr std::uint32_t kEditReadOnly = 0x0800, kEditAutoHorizontalScroll = 0x0080,
                               kComboDropDownList = 0x3, kComboSort = 0x100, kListSort = 0x2,
                               kListNotify = 0x1;
}  // namespace style

// Results of the list operations of combo and list boxes.
inline constexpr int kListError = -1, kListErrorSpace = -2;

// Message box buttons and icons, and the answers.
namespace box {
inline constexpr unsigned kOk = 0x0, kOkCancel = 0x1, kYesNo = 0x4, kIconStop = 0x10, kIconQuestion = 0x20,
                          kIconExclamation = 0x30, kIconInformation = 0x40;
inline constexpr int kIdOk = 1, kIdCancel = 2, kIdYes = 6, kIdNo = 7;
}  // namespace box

// Text colour and background modes, and text drawing flags.
enum class BackgroundMode { transparent = 1, opaque = 2 };
namespace text_format {
inline constexpr unsigned kLeft = 0x0, kCenter = 0x1, kRight = 0x2, kVerticalCenter = 0x4, kWordBreak = 0x10,
                          kSingleLine = 0x20, kCalculateRect = 0x400;
}  // namespace text_format

}  // namespace gjbz108a::platform
