/*
 * Report fields: the columns of the host's report tables, category by category.
 *
 * Every category has two column sets: the parameter columns (the part's
 * entered parameters) and the factor columns (the factors of the last
 * calculation). The mode argument picks one: 4 the factor columns, anything
 * else the parameter columns; 1 also refreshes the record (see GetField). Only
 * the low byte of the item code and of the mode is read. Columns and title
 * lines are numbered from 1.
 *
 * The functions return 0 on success and 12 for a request outside the tables
 * (column or line out of range, a category without columns, a selector other
 * than 1 where one is required); nothing is written then.
 */
#ifndef GJBZ108A_REPORT_H
#define GJBZ108A_REPORT_H

#include <gjbz108a/export.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

enum gjbz108a_report {
    GJBZ108A_REPORT_OK = 0,
    GJBZ108A_REPORT_OUT_OF_RANGE = 12,
    GJBZ108A_REPORT_FACTORS = 4 /* mode: the factor columns */
};

/* Number of columns of the mode's column set; item codes 0..33. */
GJBZ108A_API int32_t GetFieldsCount(int32_t selector, int32_t item_code, int32_t mode,
                                    uint32_t* count);

/* Number of title lines of the category's columns; item codes 0..33. */
GJBZ108A_API int32_t GetTitleLinesCount(int32_t selector, int32_t item_code, uint32_t* lines);

/* Width of a column in characters. */
GJBZ108A_API int32_t GetFieldLength(int32_t selector, int32_t item_code, int32_t column,
                                    int32_t mode, uint32_t* width);

/*
 * The column's whole title, NUL-terminated: its title lines laid end to end,
 * each as long as the column is wide. `line` must be one of the category's
 * title lines; the caller cuts the lines.
 */
GJBZ108A_API int32_t GetFieldTitle(int32_t selector, int32_t item_code, int32_t column,
                                   int32_t mode, char* text, int32_t line);

/*
 * The text of the part `record` (an EditRecord) in a column, NUL-terminated,
 * normally exactly as long as the column is wide. Parameter cells show the
 * entered parameter block, factor cells the result block. Mode 1 first copies
 * the effective parameter block over the entered one in the caller's record.
 */
GJBZ108A_API int32_t GetField(int32_t selector, int32_t item_code, int32_t column, int32_t mode,
                              char* text, uint8_t* record);

/*
 * pair[0]: the quality column among the parameter columns, pair[1]: the
 * quality-factor column among the factor columns; 0 where there is none.
 * Selector must be 1.
 */
GJBZ108A_API int32_t GetQualityFields(int32_t selector, int32_t item_code, uint32_t* pair);

/*
 * How many columns are shown and their numbers in display order. `order` must
 * hold as many entries as the column set has columns. Selector must be 1.
 */
GJBZ108A_API int32_t GetViewFields(int32_t selector, int32_t item_code, int32_t mode,
                                   uint32_t* count, uint32_t* order);

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
