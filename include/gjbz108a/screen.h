/*
 * Screen information: the typed description of a category's parameter block,
 * with which the defaults and global-change functions fill, merge, compare and
 * change a block without knowing its layout.
 */
#ifndef GJBZ108A_SCREEN_H
#define GJBZ108A_SCREEN_H

#include <gjbz108a/export.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/*
 * One field of a parameter block (8 bytes).
 *
 * Field type codes and their storage:
 *   1, 2, 19            1-byte number
 *   3                   signed 16-bit
 *   4, 20               unsigned 16-bit
 *   5                   signed 32-bit
 *   6, 21               unsigned 32-bit
 *   7                   f32
 *   8                   f64
 *   9, 10, 11, 23       text of `length` characters, then a NUL
 *   12, 13              unsigned 16-bit without sentinels of its own
 *   14, 15, 16, 22, 24  selection code byte, 0 = nothing chosen
 *   17, 18              text of 8 characters, then a NUL
 * Entries with code 0 or above 24 are skipped by every function, and a null
 * list or a negative count counts as an empty list.
 */
typedef struct ScreenField {
    uint8_t type_code;   /* field type code */
    uint8_t length;      /* characters of a text field; 0 for the other types */
    uint8_t reserved[2]; /* zero */
    uint32_t offset;     /* from the start of the parameter block */
} ScreenField;

/* The fields of one category, in block order. On a 32-bit target this is the
   host's 8-byte record; on a 64-bit target the pointer lies at offset 8. */
typedef struct ScreenFieldList {
    int32_t count;
    const ScreenField* fields;
} ScreenFieldList;

/*
 * Stores the address of the field list of category `item_code` (only its low
 * byte counts) in *list. For an unsupported code nothing is stored: *list keeps
 * its previous value. The lists are static and valid while the library is
 * loaded.
 */
GJBZ108A_API void GetScrInfo(int32_t item_code, const ScreenFieldList** list);

#ifdef __cplusplus
}
#endif

#endif
