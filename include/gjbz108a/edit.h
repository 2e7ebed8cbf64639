/* The editing dialog of a part, of a category's defaults, or of the two steps
 * of a global change. User-interface thread only; not reentrant. */
#ifndef GJBZ108A_EDIT_H
#define GJBZ108A_EDIT_H

#include <gjbz108a/export.h>

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Results of edit_item. Any other result is the modal run's when the dialog
 * cannot be shown (-1). */
enum gjbz108a_edit_result {
    GJBZ108A_EDIT_ACCEPTED = 1, /* OK: the record has been updated */
    GJBZ108A_EDIT_CANCELLED = 2 /* Cancel, or a part that has no dialog (a message box said so) */
};

/*
 * Opens the dialog of the part `record` (an EditRecord) over the window
 * `parent` and runs it modally.
 *
 * mode 0, one part: the dialog shows the part; on OK the quantity, the five
 * names, both parameter blocks and the edit state (3) are written back, never
 * the environment or the temperature. `env_list_path` names the host's
 * environment list, one environment a line; the help topic lies beside it.
 * mode 1, a category's defaults: variant 1 starts a new set (every field not
 * defined, "---"), variant 0 edits the set passed, with the part type fixed.
 * mode 2, a global change: variant 0 the conditions (every field and the four
 * names "***", any value), variant 1 the new values (every field "***").
 * Modes 1 and 2 write back only the entered parameter block (and, for the
 * conditions, the four names); the block is reset before the dialog opens,
 * so a new set or a global change leaves it reset even after Cancel.
 */
GJBZ108A_API int32_t edit_item(void* parent, int8_t mode, int32_t variant, const char* env_list_path,
                               uint8_t* record);

#ifdef __cplusplus
}
#endif

#endif
