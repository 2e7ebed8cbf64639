/* Plausibility checks of a part's parameters before it is stored or calculated. */
#ifndef GJBZ108A_CHECK_H
#define GJBZ108A_CHECK_H

#include <gjbz108a/export.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Results of a check. */
enum gjbz108a_check_result {
    GJBZ108A_CHECK_REJECTED = 1, /* one message has been written to the buffer */
    GJBZ108A_CHECK_ACCEPTED = 3  /* nothing has been written, not even a NUL */
};

/*
 * Checks the category parameters of the part in `record` (an ItemRecord):
 * pin, bit, gate and transistor counts of integrated circuits, packages that a
 * technology does not allow, and quality levels that a style cannot have.
 * Categories without rules are accepted; non-electronic parts and unsupported
 * item codes are rejected. On rejection one message (at most 60 bytes with its
 * NUL) is written at the start of `messages`. The record is never written.
 */
GJBZ108A_API uint32_t chek_item(char* messages, const uint8_t* record);

#ifdef __cplusplus
}
#endif

#endif
