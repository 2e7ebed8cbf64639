// Dialog templates built from the tables: the header template, one template
// per category and the search-results template, as the platform's templates.
//
// Layout: the header of every part dialog sits where template 107 has it, to
// the right of the category icon; the category's controls follow in rows, one
// a row, each with its label to the left; group boxes frame their rows; OK,
// Cancel and Help close the template at the bottom right. Positions are worked
// out in dialog units (a quarter of the template font's average character
// across, an eighth of its height down) and given to the platform in pixels of
// that font, as the window system maps a dialog template.
#pragma once

#include "dialogs/category_dialogs.h"
#include "platform/dialog_template.h"

namespace gjbz108a {

// The id of statics that code never addresses.
inline constexpr int kStaticId = -1;

inline constexpr int kSearchResultsTemplateId = 130;
inline constexpr int kSearchResultsListId = 1250;

platform::DialogTemplate header_template();
platform::DialogTemplate category_template(const CategoryDialog& dialog);
platform::DialogTemplate search_results_template();

}  // namespace gjbz108a
