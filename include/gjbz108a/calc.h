/* Failure-rate calculation of one part. */
#ifndef GJBZ108A_CALC_H
#define GJBZ108A_CALC_H

#include <gjbz108a/export.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Results of a calculation. */
enum gjbz108a_model_result {
    GJBZ108A_NOT_COMPUTED = 1,   /* an error line is in the message buffer */
    GJBZ108A_WITH_WARNINGS = 2,  /* computed; validity warnings are in the buffer */
    GJBZ108A_COMPUTED = 3
};

/*
 * Computes the non-operating failure rate of the part in `record` (an
 * ItemRecord) and the factors of its model, in place. Diagnostic lines are
 * appended to `messages` from its first byte; nothing is written, not even a
 * NUL, when there is nothing to say. The buffer's size is the caller's: one
 * calculation writes a few hundred bytes at most.
 *
 * The model turns the 1-based selection codes it reads into 0-based ones in
 * place; restore them before calculating the same record again.
 */
GJBZ108A_API int32_t calc_item(char* messages, uint8_t* record);

#ifdef __cplusplus
}
#endif

#endif
