/*
 * Records exchanged with the host: packed, little-endian byte buffers.
 *
 * ItemRecord (calc_item, chek_item): header, one parameter block, result block.
 * EditRecord (the host's stored part): header, effective block, entered block,
 * result block, then the general part data.
 *
 * A parameter block is 102 bytes whose layout depends on the item code; byte 0
 * is the SubType and byte 1 the Type. The result block holds f32 slots: slot 0
 * is the failure rate (failures per 10^6 hours), then the model's factors.
 */
#ifndef GJBZ108A_RECORDS_H
#define GJBZ108A_RECORDS_H

enum gjbz108a_record_layout {
    GJBZ108A_HEADER_SIZE = 150,
    GJBZ108A_BLOCK_SIZE = 102,

    /* Header fields (the same in both records). */
    GJBZ108A_ENVIRONMENT_CODE = 40, /* u8, 1..27 */
    GJBZ108A_METHOD_NUMBER = 41,    /* u8 */
    GJBZ108A_ITEM_CLASS = 42,       /* u8, 1 = electronic part */
    GJBZ108A_ITEM_CODE = 43,        /* u8, part category */
    /* u8 x 3, the marker triple: a flag of the host's, set when the bytes are
       1, 0x20, 1. A part so marked is not predicted from its own conditions:
       integrated circuits compute at 35 degrees with the environment and
       learning factors 1, every other category gives rate 0. What the flag
       means beyond that is the host's. */
    GJBZ108A_MARKER_TRIPLE = 44,
    GJBZ108A_TEMPERATURE = 50,      /* f32, degrees Celsius */
    GJBZ108A_CYCLING_RATE = 54,     /* f32, on/off cycles per 1000 hours */
    GJBZ108A_EDIT_STATE = 119,      /* u8 */
    GJBZ108A_FAILURE_RATE = 121,    /* f32 */
    /* Two host values that calc_item puts back to their starting values, 1.0
       and 0, before a model runs; no model reads them, and what they hold
       beyond that is the host's. */
    GJBZ108A_RESET_REAL = 125,      /* f32 */
    GJBZ108A_RESET_WORD = 129,      /* u32 */

    /* ItemRecord */
    GJBZ108A_ITEM_BLOCK = 150,
    GJBZ108A_ITEM_RESULTS = 252,
    GJBZ108A_ITEM_RECORD_SIZE = 354,

    /* EditRecord */
    GJBZ108A_EDIT_EFFECTIVE_BLOCK = 150,
    GJBZ108A_EDIT_ENTERED_BLOCK = 252,
    GJBZ108A_EDIT_RESULTS = 354,
    GJBZ108A_EDIT_ITEM_CLASS = 456,     /* u8 */
    GJBZ108A_EDIT_ITEM_CODE = 457,      /* u8 */
    GJBZ108A_EDIT_QUANTITY = 460,       /* u16, 1..9999 */
    GJBZ108A_EDIT_REFERENCE = 464,      /* char[51] */
    GJBZ108A_EDIT_PART_NAME = 515,      /* char[63] */
    GJBZ108A_EDIT_MILITARY_NUMBER = 578, /* char[63] */
    GJBZ108A_EDIT_CATALOG_NUMBER = 641, /* char[63] */
    GJBZ108A_EDIT_GENERIC_NAME = 704,   /* char[43] */
    GJBZ108A_EDIT_HOST_TEXT = 1025,     /* NUL-terminated, passed to the host library */
    /* The record's size is the host's; this much covers every field above with a
       256-byte host text. */
    GJBZ108A_EDIT_RECORD_SIZE = 1281
};

#endif
