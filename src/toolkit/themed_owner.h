// What the owner-drawn controls need of the window that owns them: the style
// object, its colours and the dialog font. A control's subclass reference data
// points at its owner.
#pragma once

#include <appstyle/default_app_font.h>

namespace gjbz108a::toolkit {

// Subclass ids of the owner-drawing procedures: a CDesignDialog's controls,
// and those of a second owner kind that the painters serve alike.
inline constexpr std::uintptr_t kDesignDialogSubclass = 2000;
inline constexpr std::uintptr_t kSecondOwnerSubclass = 2002;

class ThemedOwner {
public:
    virtual const CDefaultAppFont& style() const = 0;
    virtual const appstyle::DesignColors& colors() const = 0;
    virtual platform::Font dialog_font() const = 0;

protected:
    ~ThemedOwner() = default;
};

}  // namespace gjbz108a::toolkit
