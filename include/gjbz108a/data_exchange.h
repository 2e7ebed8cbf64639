/* Moving numbers between a dialog's edit controls and variables, checking
 * their ranges, filling combo and list boxes from text files, and putting a
 * dialog into read-only mode. The editing dialogs of the plug-in use these
 * exports too.
 *
 * Every numeric type has two sentinels that travel unchanged between a
 * control and a variable and pass every range check: "---", not defined
 * (127, 32767, 65535, 0x7FFFFFFF, 0xFFFFFFFF, the largest float and double),
 * and "***", any value (117, 32757, 65525, 0x7FFFFFF5, 0xFFFFFFF5,
 * 3.4028236e36 and 1.7976931348623156e306).
 *
 * A failing exchange or check shows its message in a box owned by the window
 * last given to SetUtilWhwnd, puts the focus on the control of the last
 * exchange and sets `failed`; every later call with the same context then
 * does nothing, so a dialog's exchange stops at its first failure.
 *
 * User-interface thread only. */
#ifndef GJBZ108A_DATA_EXCHANGE_H
#define GJBZ108A_DATA_EXCHANGE_H

#include <gjbz108a/export.h>

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef struct DataExchange {
    int32_t save_and_validate; /* 1: controls to variables, with the checks; 0: variables to controls */
    void* dialog;              /* the dialog window */
    int32_t control;           /* the control of the last exchange, which a failed check focuses */
    int32_t failed;            /* 1 after a failure */
} DataExchange;

/* Numbers in edit controls. */
GJBZ108A_API void DDX_EditByte(DataExchange* dx, int32_t control, uint8_t* value);
GJBZ108A_API void DDX_EditWord(DataExchange* dx, int32_t control, uint16_t* value);
GJBZ108A_API void DDX_EditDWord(DataExchange* dx, int32_t control, uint32_t* value);
/* An int that holds a 16-bit signed quantity: shown by its low 16 bits. */
GJBZ108A_API void DDX_Editint(DataExchange* dx, int32_t control, int32_t* value);
GJBZ108A_API void DDX_Editlong(DataExchange* dx, int32_t control, int32_t* value);
/* 6 and 15 significant digits. */
GJBZ108A_API void DDX_Editfloat(DataExchange* dx, int32_t control, float* value);
GJBZ108A_API void DDX_Editdouble(DataExchange* dx, int32_t control, double* value);
/* The selection index of a combo box; no selection is 255. */
GJBZ108A_API void DDX_ToggleByte(DataExchange* dx, int32_t control, uint8_t* value);

/* Range checks, in the save direction only: min <= value <= max. */
GJBZ108A_API void DDV_CheckByte(DataExchange* dx, uint8_t value, uint8_t min, uint8_t max);
GJBZ108A_API void DDV_CheckWord(DataExchange* dx, uint16_t value, uint16_t min, uint16_t max);
GJBZ108A_API void DDV_CheckDWord(DataExchange* dx, uint32_t value, uint32_t min, uint32_t max);
GJBZ108A_API void DDV_Checkint(DataExchange* dx, int16_t value, int16_t min, int16_t max);
GJBZ108A_API void DDV_Checklong(DataExchange* dx, int32_t value, int32_t min, int32_t max);
GJBZ108A_API void DDV_Checkfloat(DataExchange* dx, const float* value, float min, float max);
GJBZ108A_API void DDV_Checkdouble(DataExchange* dx, const double* value, double min, double max);
/* A selection index: no sentinel passes unchecked. */
GJBZ108A_API void DDV_ToggleCheck(DataExchange* dx, uint8_t value, uint8_t min, uint8_t max);

/* The owner of the message boxes above. */
GJBZ108A_API void SetUtilWhwnd(void* window);

/* Fill a box from a text file, one entry a line (at most 98 characters), up
 * to the first empty line. Answer 0 after reading the file and -1 when it
 * cannot be opened, which leaves the box as it was (CBfromFile says so in a
 * message box). LBfromFileNoDuplic adds no entry equal, ignoring case, to
 * one the list holds. */
GJBZ108A_API int32_t CBfromFile(void* dialog, int32_t control, const char* path);
GJBZ108A_API int32_t LBfromFile(void* dialog, int32_t control, const char* path);
GJBZ108A_API int32_t LBfromFileNoDuplic(void* dialog, int32_t control, const char* path);

/* Read-only mode: every control of the dialog but Cancel (2), scroll bars and
 * labels is disabled, edits are made read-only instead; then the `count`
 * controls of `enabled` (may be null) are enabled again. */
GJBZ108A_API void DisableEditingControls(void* dialog, const int32_t* enabled, int32_t count);

#ifdef __cplusplus
}
#endif

#endif
