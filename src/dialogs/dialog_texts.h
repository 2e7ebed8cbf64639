// The texts the editing dialogs show in message boxes, and the suffixes of the
// global-change titles, each in one place. They are character arrays so that
// they serve both as std::string_view and as NUL-terminated C texts.
#pragma once

#include "editing/defaults_merge.h"

namespace gjbz108a {

// Captions. The method's own caption is the rule; the other three are the
// exceptions some messages carry.
inline constexpr char kMethodCaption[] = "GJB/Z 108A-2006 Detailed";
inline constexpr char kReviewDefaultsSubTypeCaption[] = "GJB2/Z 108A-2006 Detailed";
inline constexpr char kPartNameMissingCaption[] = "GJB/Z 108A-2006 Detaileds";
inline constexpr char kLibrarySearchCaption[] = "Library Search";

// edit_item refuses a part that is not electronic or has no dialog.
inline constexpr char kItemCodeNotSupported[] =
    "Selected Item Code is not supported by the current prediction method !";

// The Type and SubType checks of review defaults, add to library and OK.
inline constexpr const auto& kTypeMissing = kTypeRequired;  // the editing layer's, shared with the tool
inline constexpr char kSubTypeMissing[] = "You must define SubType of the part.";

// The library look-up button with all four name fields empty.
inline constexpr char kGenericNameEmpty[] = "Generic name is empty";

// Add to library without a generic name (with a full stop), and update
// cross-reference or search without one (without).
inline constexpr char kGenericNameMissingToAdd[] = "You must define Generic name.";
inline constexpr char kGenericNameMissing[] = "You must define Generic name";

// A search whose key field is empty: by the field that last had the focus.
inline constexpr char kCatalogNumberMissing[] = "You must define Catalog number";
inline constexpr char kMilitaryNumberMissing[] = "You must define Military number";
inline constexpr char kPartNameMissing[] = "You must define Part name";

inline constexpr char kNoPartsFound[] = "There is no Parts in Library for current request!";

// The help request of the search-results dialog.
inline constexpr char kSearchHelpMissing[] = "Help for this method is not implemented yet !";

// Appended to the title in global-change mode: variant 0, any other variant.
inline constexpr char kConditionsSuffix[] = " : Conditions";
inline constexpr char kNewValuesSuffix[] = " : New Values";

}  // namespace gjbz108a
