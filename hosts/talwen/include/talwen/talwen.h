/*
 * The host component library (libtalwen.so, TALWEN.DLL): the component-library,
 * defaults, cross-reference and search services that the editing dialogs of the
 * method plug-in call.
 *
 * The plug-in loads this library by name for every call and unloads it after,
 * so every function opens the database, does its work and closes it again;
 * nothing is kept between calls. The database is the file named by the
 * environment variable TALWEN_DB, else $XDG_DATA_HOME/talwen/library.db
 * (~/.local/share/talwen/library.db when XDG_DATA_HOME is unset). A missing
 * database is created and filled with the shipped defaults and starter library.
 *
 * Names (generic names, catalog and military numbers, part names) compare
 * without regard to ASCII letter case. A name kind says which name field a text
 * comes from: 1 generic name, 2 catalog number, 3 military number, 4 part name.
 *
 * Several functions take the constants 1 and 8 first. The stored parameter
 * blocks are laid out for the method that passes exactly these, so any other
 * pair is refused. These constants, the name kinds and the sizes of the
 * callers' buffers are shared with the plug-in in its
 * src/editing/host_library_constants.h; a parameter block is 102 bytes in a
 * caller's buffer of 104, whose last two bytes are not touched. Failures never cross the interface: a function that cannot
 * do its work writes one line to the standard error stream and returns 0.
 */
#ifndef TALWEN_H
#define TALWEN_H

#include <stdint.h>

#if defined(_WIN32)
#  if defined(TALWEN_BUILDING)
#    define TALWEN_API __declspec(dllexport)
#  else
#    define TALWEN_API __declspec(dllimport)
#  endif
#else
#  define TALWEN_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Tells the library which dialog is in front. This library shows no windows of
   its own, so nothing needs the parent; the call is accepted and has no effect. */
TALWEN_API void SetCurrentWndParent(void* window);

/*
 * Looks a part up. Name kind 1 looks `generic_name` up; 2, 3 and 4 look `key`
 * up in the cross-references of that kind. The part must belong to the given
 * item class and ItemCode. On success (result 1) the library leaves the stored
 * generic name in `generic_name` (at least 44 bytes), for name kinds 2..4 the
 * stored spelling of the key in `key` (at least 64 bytes), and the stored
 * parameter block in the first 102 bytes of `block`. `host_text` is the host's
 * and not used here. Result 0: not found, or not of this category; nothing is
 * written.
 */
TALWEN_API int32_t GetFromLib(int32_t name_kind, int32_t constant_1, int32_t constant_8,
                              int32_t item_class, int32_t item_code, char* key, char* generic_name,
                              uint8_t* block, char* host_text);

/*
 * Fills the first 102 bytes of `defaults` with the default parameters of the
 * category, Type and SubType. Each field comes from the most specific defaults
 * set that defines it: Type and SubType, then Type alone, then the category's
 * own set; a field no set defines holds its undefined value. Byte 0 holds the
 * given SubType and byte 1 the given Type. Result 1 when every parameter of the
 * category has a default; 0 when some stays undefined or the category is not
 * supported (the block is filled all the same).
 */
TALWEN_API int32_t GetDflt(int32_t constant_1, int32_t constant_8, int32_t item_class,
                           int32_t item_code, int32_t type, int32_t subtype, uint8_t* defaults);

/* Adds the part `generic_name` with the 102-byte `block`, or replaces the part
   stored under that name. The last two arguments are always 0. Result 1 when
   stored. */
TALWEN_API int32_t PutToLib(int32_t constant_1, int32_t constant_8, int32_t item_class,
                            int32_t item_code, const char* generic_name, const uint8_t* block,
                            int32_t reserved_1, int32_t reserved_2);

/* Makes `name` of kind 2, 3 or 4 refer to `generic_name`, replacing what it
   referred to before. The part need not be in the library yet. Result 1 when
   stored. */
TALWEN_API int32_t PutToXref(int32_t name_kind, const char* name, const char* generic_name);

/*
 * Searches the names of a kind for `key`, ignoring case: search kind 1 finds
 * the names that begin with it, kind 2 those that contain it. Only parts of
 * the given item class and ItemCode count (ItemCode 0: every category). On
 * result 1 `result_path` (100 bytes) holds the path of a text file with one
 * name on each line, sorted; each process has one such file, rewritten by each
 * search. Result 0: nothing found or the search failed; `result_path` is not
 * touched.
 */
TALWEN_API int32_t SearchInLib(int32_t search_kind, int32_t name_kind, int32_t item_class,
                               int32_t item_code, const char* key, char* result_path);

#ifdef __cplusplus
}
#endif

#endif
