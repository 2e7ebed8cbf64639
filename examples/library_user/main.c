/* Computes the non-operating failure rate of one part with calc_item: a
   low-frequency silicon diode of quality B2 at 25 degrees Celsius, not cycled,
   in environment 1. Every factor of its model is 1 there, so the rate is the
   base rate of its style, 0.00109 failures per 10^6 hours. */
#include <gjbz108a/gjbz108a.h>

#include <stdio.h>
#include <string.h>

enum {
    LOW_FREQUENCY_DIODES = 11,           /* the category's item code */
    STYLE = GJBZ108A_ITEM_BLOCK + 1,     /* the Type byte of its parameters */
    QUALITY = GJBZ108A_ITEM_BLOCK + 2,
    SI_DIODES = 1,                       /* list entries count from 1 */
    QUALITY_B2 = 6
};

/* Records are little-endian; so is every host this example is built for. */
static void put_real(uint8_t* record, int offset, float value) { memcpy(record + offset, &value, sizeof value); }

int main(void) {
    uint8_t record[GJBZ108A_ITEM_RECORD_SIZE] = {0};
    char messages[1024] = {0};
    float rate;

    record[GJBZ108A_ENVIRONMENT_CODE] = 1;
    record[GJBZ108A_ITEM_CLASS] = 1;
    record[GJBZ108A_ITEM_CODE] = LOW_FREQUENCY_DIODES;
    put_real(record, GJBZ108A_TEMPERATURE, 25.0f);
    put_real(record, GJBZ108A_CYCLING_RATE, 0.0f);
    record[STYLE] = SI_DIODES;
    record[QUALITY] = QUALITY_B2;

    if (calc_item(messages, record) == GJBZ108A_NOT_COMPUTED) {
        fprintf(stderr, "not computed: %s\n", messages);
        return 1;
    }
    memcpy(&rate, record + GJBZ108A_ITEM_RESULTS, sizeof rate);
    if (printf("%g failures per 10^6 hours\n", rate) < 0 || fflush(stdout) != 0) return 1;
    return 0;
}
