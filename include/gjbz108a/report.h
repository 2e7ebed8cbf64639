/* Report fields: the columns of the host's report tables. */
#ifndef GJBZ108A_REPORT_H
#define GJBZ108A_REPORT_H

#include <gjbz108a/export.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/*
 * `value` as text of at most `length` characters in `text`, which must hold
 * length + 1 bytes (NUL-padded after a shorter text). The undefined value of
 * the field type shows "---". Returns 1 when the digits were cut, else 0.
 */
GJBZ108A_API int32_t entr_mltoasc(char* text, int32_t value, int32_t length,
                                  int32_t field_type_code);

/* Largest value of an integer field type, which is also its undefined value;
   type 6 (u32) answers -1, the bits of 4294967295. */
GJBZ108A_API int32_t entr_max_val(int32_t field_type_code);

#ifdef __cplusplus
}
#endif

#endif
