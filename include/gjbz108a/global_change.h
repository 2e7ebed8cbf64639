/*
 * Global change: conditions that select parts of one category and new values
 * to put into them, both kept in parameter blocks of the category.
 *
 * A field holding its type's wildcard value ("***") means any value in a
 * condition and no change in a new value:
 *   1-byte numbers 117, signed 16-bit 32757, unsigned 16-bit 65525,
 *   signed 32-bit 2147483637, unsigned 32-bit 4294967285,
 *   f32 bits 0x7C23D70A (3.4028236e36), f64 3.4028234663852885e36,
 *   texts beginning with "***", selection codes 0.
 * Codes 12 and 13 are filled with 65525 but have no wildcard: they must match
 * and are always copied.
 *
 * In conditions and new values a selection code is stored one higher than in
 * a part: 0 is "***", 1 is "---" (code 0), k + 1 is code k.
 *
 * Text conditions may be patterns: "*" stands for any text at the start, at
 * the end, at both ends, or once inside; "?" for any one character. A new text
 * "-rb1" removes the first character of the part's text, "-re1" the last.
 */
#ifndef GJBZ108A_GLOBAL_CHANGE_H
#define GJBZ108A_GLOBAL_CHANGE_H

#include <gjbz108a/export.h>
#include <gjbz108a/screen.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Writes the wildcard value into every field of `list` in `block`. */
GJBZ108A_API void entr_fill_gch(uint8_t* block, const ScreenFieldList* list);

/* 1 when every field of `part` satisfies its condition in `conditions`, else 0.
   Stops at the first field that fails. */
GJBZ108A_API int32_t gchg_cmprec(const uint8_t* part, const uint8_t* conditions,
                                 const ScreenFieldList* list);

/* Applies the new values to every field of `part`, in place. */
GJBZ108A_API void gchg_chgrec(uint8_t* part, const uint8_t* new_values,
                              const ScreenFieldList* list);

/*
 * Copies the value of field `source` into field `destination` of `block` by
 * way of its text (positions are 0-based indexes into `list`). A source
 * position outside the list gives an empty text; a destination outside it is
 * not written.
 */
GJBZ108A_API void gchg_exchgfld(uint8_t* block, int32_t source, int32_t destination,
                                const ScreenFieldList* list);

#ifdef __cplusplus
}
#endif

#endif
