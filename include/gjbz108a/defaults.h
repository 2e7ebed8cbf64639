/*
 * Default values. A field holding its type's undefined value ("---") follows
 * the category's default:
 *   1-byte numbers 127, signed 16-bit 32767, unsigned 16-bit 65535,
 *   signed 32-bit 2147483647, unsigned 32-bit 4294967295,
 *   f32 and f64 any magnitude of 2^127 or more (the fill writes the largest f32),
 *   texts beginning with "---", selection codes 0.
 * Codes 12 and 13 are filled with 65535 but are never taken as undefined.
 */
#ifndef GJBZ108A_DEFAULTS_H
#define GJBZ108A_DEFAULTS_H

#include <gjbz108a/export.h>
#include <gjbz108a/screen.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Writes the undefined value into every field of `list` in `block`. */
GJBZ108A_API void entr_fill_def(uint8_t* block, const ScreenFieldList* list);

/*
 * For every field of `list`, writes into `destination` the entered field, or
 * the defaults block's field when the entered one is undefined. `destination`
 * may be one of the two sources. Bytes that the list does not name are left
 * alone.
 */
GJBZ108A_API void entr_upd_def(uint8_t* destination, const uint8_t* entered,
                               const uint8_t* defaults, const ScreenFieldList* list);

#ifdef __cplusplus
}
#endif

#endif
