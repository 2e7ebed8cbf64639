/*
 * A host written as a C program would be: it loads the plug-in by its file
 * name, finds calc_item, chek_item, GetScrInfo and GetField by their plain
 * names and calls them on the same pseudo-random records of every category,
 * printing every answer. Its output on one system is compared with its output
 * on another: the Windows build under Wine against the Linux build.
 *
 *   plugin_host PLUGIN_FILE [RECORDS_PER_CATEGORY]
 *   plugin_host PLUGIN_FILE --edit        (Windows)
 *
 * With --edit it calls edit_item on a resistor over a window of its own,
 * while a second thread works in the dialog as a user would: it finds the
 * dialog, picks a style and a quality, types a quantity and presses OK. Then
 * it prints the record written back.
 *
 * Real numbers are printed as their bits, so that no printf of either system
 * takes part in the comparison. Exit status 0 when the plug-in and its four
 * functions were found, else 2.
 */
#include <gjbz108a/edit.h>
#include <gjbz108a/records.h>
#include <gjbz108a/report.h>
#include <gjbz108a/screen.h>

#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

static struct {
    int32_t (*calc_item)(char* messages, uint8_t* record);
    uint32_t (*chek_item)(char* messages, const uint8_t* record);
    void (*get_scr_info)(int32_t item_code, const ScreenFieldList** list);
    int32_t (*get_fields_count)(int32_t selector, int32_t item_code, int32_t mode, uint32_t* count);
    int32_t (*get_field)(int32_t selector, int32_t item_code, int32_t column, int32_t mode, char* text,
                         uint8_t* record);
} plugin;

static void* library;

/* Stores the address of the export `name` in the function pointer at `slot`:
   both systems' look-up functions hand it out as a data pointer. */
static int find_export(const char* file, const char* name, void* slot) {
#if defined(_WIN32)
    FARPROC function = GetProcAddress((HMODULE)library, name);
    void* address;
    memcpy(&address, &function, sizeof address);
#else
    void* address = dlsym(library, name);
#endif
    if (!address) {
        fprintf(stderr, "plugin_host: %s has no export %s\n", file, name);
        return 0;
    }
    memcpy(slot, &address, sizeof address);
    return 1;
}

static int load_plugin(const char* file) {
#if defined(_WIN32)
    library = (void*)LoadLibraryA(file);
#else
    library = dlopen(file, RTLD_NOW | RTLD_LOCAL);
#endif
    if (!library) {
        fprintf(stderr, "plugin_host: cannot load %s\n", file);
        return 0;
    }
    return find_export(file, "calc_item", &plugin.calc_item) && find_export(file, "chek_item", &plugin.chek_item) &&
           find_export(file, "GetScrInfo", &plugin.get_scr_info) &&
           find_export(file, "GetFieldsCount", &plugin.get_fields_count) &&
           find_export(file, "GetField", &plugin.get_field);
}

/* xorshift32: the same sequence on every system. */
static uint32_t random_state = 2463534242u;
static uint32_t next_random(void) {
    random_state ^= random_state << 13;
    random_state ^= random_state >> 17;
    random_state ^= random_state << 5;
    return random_state;
}
static uint32_t random_below(uint32_t limit) { return next_random() % limit; }

static void put_u16(uint8_t* at, uint16_t value) { memcpy(at, &value, sizeof value); }
static void put_u32(uint8_t* at, uint32_t value) { memcpy(at, &value, sizeof value); }
static void put_f32(uint8_t* at, float value) { memcpy(at, &value, sizeof value); }

/* Now and then a field's undefined value, else a value of the range the
   parts of a list have, and now and then one beyond it. The lists of this
   method hold field type codes 2, 4, 5, 6, 7 and 15 only. */
static void fill_field(uint8_t* block, const ScreenField* field) {
    uint8_t* at = block + field->offset;
    const int undefined = random_below(16) == 0;
    const uint32_t small = random_below(8) == 0 ? next_random() : random_below(2000);
    switch (field->type_code) {
    case 2: *at = undefined ? 127 : (uint8_t)random_below(30); break;
    case 4: put_u16(at, undefined ? 65535 : (uint16_t)small); break;
    case 5: put_u32(at, undefined ? 2147483647u : small); break;
    case 6: put_u32(at, undefined ? 4294967295u : small); break;
    case 7: put_f32(at, undefined ? 3.4028235e38f : (float)random_below(200000) / 100.0f); break;
    case 15: *at = (uint8_t)(undefined ? random_below(40) : 1 + random_below(4)); break;
    default: break;
    }
}

static void print_f32(const uint8_t* at) {
    uint32_t bits;
    memcpy(&bits, at, sizeof bits);
    printf(" %08lx", (unsigned long)bits);
}


static void print_columns(int32_t item_code, int32_t mode, uint8_t* edit_record) {
    uint32_t count = 0;
    if (plugin.get_fields_count(1, item_code, mode, &count) != GJBZ108A_REPORT_OK) return;
    printf("  columns %d:", (int)mode);
    for (uint32_t column = 1; column <= count; ++column) {
        char text[256];
        memset(text, '#', sizeof text);
        const int32_t result = plugin.get_field(1, item_code, (int32_t)column, mode, text, edit_record);
        if (result != GJBZ108A_REPORT_OK) printf(" [%d]", (int)result);
        else printf(" [%.*s]", (int)strnlen(text, sizeof text), text);
    }
    printf("\n");
}

static void run_part(int32_t item_code, const ScreenFieldList* list, int number) {
    uint8_t record[GJBZ108A_ITEM_RECORD_SIZE] = {0};
    record[GJBZ108A_ENVIRONMENT_CODE] = (uint8_t)(1 + random_below(28));
    record[GJBZ108A_ITEM_CLASS] = random_below(20) == 0 ? 2 : 1;
    record[GJBZ108A_ITEM_CODE] = (uint8_t)item_code;
    if (random_below(10) == 0) memcpy(record + GJBZ108A_MARKER_TRIPLE, "\x01\x20\x01", 3); /* 1, 0x20, 1 */
    put_f32(record + GJBZ108A_TEMPERATURE, (float)((int)random_below(2000) - 600) / 10.0f);
    put_f32(record + GJBZ108A_CYCLING_RATE, (float)random_below(1000) / 10.0f);
    for (int32_t i = 0; i < list->count; ++i) fill_field(record + GJBZ108A_ITEM_BLOCK, &list->fields[i]);

    uint8_t edit_record[GJBZ108A_EDIT_RECORD_SIZE] = {0};
    memcpy(edit_record, record, GJBZ108A_HEADER_SIZE);
    memcpy(edit_record + GJBZ108A_EDIT_ENTERED_BLOCK, record + GJBZ108A_ITEM_BLOCK, GJBZ108A_BLOCK_SIZE);
    memcpy(edit_record + GJBZ108A_EDIT_EFFECTIVE_BLOCK, record + GJBZ108A_ITEM_BLOCK, GJBZ108A_BLOCK_SIZE);

    char messages[4096] = {0};
    printf("part %d-%d chek_item %lu\n", (int)item_code, number,
           (unsigned long)plugin.chek_item(messages, record));
    /* Messages are appended without a NUL of their own: the buffer starts
       zeroed. A line that lacks its end runs into the next output line, alike
       on every system. */
    fputs(messages, stdout);

    memset(messages, 0, sizeof messages);
    const int32_t result = plugin.calc_item(messages, record);
    printf("  calc_item %d rate", (int)result);
    print_f32(record + GJBZ108A_FAILURE_RATE);
    printf(" slots");
    for (int slot = 0; slot < GJBZ108A_BLOCK_SIZE / 4; ++slot) print_f32(record + GJBZ108A_ITEM_RESULTS + 4 * slot);
    printf("\n");
    fputs(messages, stdout);

    memcpy(edit_record + GJBZ108A_EDIT_RESULTS, record + GJBZ108A_ITEM_RESULTS, GJBZ108A_BLOCK_SIZE);
    print_columns(item_code, 0, edit_record);
    print_columns(item_code, GJBZ108A_REPORT_FACTORS, edit_record);
}

#if defined(_WIN32)
typedef int32_t (*EditItem)(void* parent, int8_t mode, int32_t variant, const char* env_list_path, uint8_t* record);

enum { kStyle = 1001, kQuality = 1009, kQuantity = 1029 };

static BOOL CALLBACK find_dialog(HWND window, LPARAM found) {
    char name[64], title[128];
    GetClassNameA(window, name, sizeof name);
    GetWindowTextA(window, title, sizeof title);
    if (strcmp(name, "#32770") != 0 || !IsWindowVisible(window) || strncmp(title, "Resistor", 8) != 0) return TRUE;
    *(HWND*)found = window;
    return FALSE;
}

/* The user: everything through the dialog's windows, from another thread. */
static DWORD WINAPI work_in_dialog(LPVOID ui_thread) {
    HWND dialog = NULL;
    for (int tries = 0; tries < 1500 && !dialog; ++tries) {
        EnumThreadWindows((DWORD)(uintptr_t)ui_thread, find_dialog, (LPARAM)&dialog);
        if (!dialog) Sleep(20);
    }
    if (!dialog) {
        printf("no dialog\n");
        return 1;
    }
    char title[128];
    GetWindowTextA(dialog, title, sizeof title);
    printf("dialog \"%s\" owner %s\n", title, GetWindow(dialog, GW_OWNER) ? "host" : "none");
    /* A user's choice: the selection, and the notification it makes. (What
       the dialog shows as it opens is compared with the headless run's by
       the dialog command.) */
    HWND style = GetDlgItem(dialog, kStyle), quality = GetDlgItem(dialog, kQuality);
    printf("quality %s", IsWindowEnabled(quality) ? "enabled" : "disabled");
    SendMessageA(style, CB_SETCURSEL, 2, 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(kStyle, CBN_SELCHANGE), (LPARAM)style);
    printf(", %s after the style\n", IsWindowEnabled(quality) ? "enabled" : "disabled");
    SendMessageA(quality, CB_SETCURSEL, 3, 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(kQuality, CBN_SELCHANGE), (LPARAM)quality);
    HWND quantity = GetDlgItem(dialog, kQuantity);
    SendMessageA(quantity, EM_SETSEL, 0, -1);
    SendMessageA(quantity, EM_REPLACESEL, FALSE, (LPARAM) "7");
    SendMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    return 0;
}

static int edit_resistor(const char* plugin_file) {
    EditItem edit_item;
    if (!find_export(plugin_file, "edit_item", &edit_item)) return 2;

    char environments[MAX_PATH], folder[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    GetTempFileNameA(folder, "env", 0, environments);
    FILE* file = fopen(environments, "w");
    if (!file) return 2;
    fputs("---\n", file);
    for (int code = 1; code <= 27; ++code) fprintf(file, "%d\n", code);
    if (fclose(file) != 0) return 2;

    HWND host = CreateWindowExA(0, "STATIC", "plugin_host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200, NULL,
                                NULL, GetModuleHandleA(NULL), NULL);
    uint8_t record[GJBZ108A_EDIT_RECORD_SIZE] = {0};
    record[GJBZ108A_ITEM_CLASS] = record[GJBZ108A_EDIT_ITEM_CLASS] = 1;
    record[GJBZ108A_ITEM_CODE] = record[GJBZ108A_EDIT_ITEM_CODE] = 5;
    put_u16(record + GJBZ108A_EDIT_QUANTITY, 1);

    HANDLE user = CreateThread(NULL, 0, work_in_dialog, (LPVOID)(uintptr_t)GetCurrentThreadId(), 0, NULL);
    const int32_t result = edit_item(host, 0, 0, environments, record);
    WaitForSingleObject(user, INFINITE);
    DeleteFileA(environments);
    printf("host %s\n", IsWindowEnabled(host) ? "enabled again" : "still disabled");
    uint16_t quantity;
    memcpy(&quantity, record + GJBZ108A_EDIT_QUANTITY, sizeof quantity);
    printf("edit_item %d, edit state %d, quantity %u\n", (int)result, record[GJBZ108A_EDIT_STATE], quantity);
    print_columns(5, 0, record);
    printf("done\n");
    return fflush(stdout) == 0 && !ferror(stdout) ? 0 : 2;
}
#endif

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        fprintf(stderr, "usage: plugin_host PLUGIN_FILE [RECORDS_PER_CATEGORY | --edit]\n");
        return 2;
    }
    if (!load_plugin(argv[1])) return 2;
#if defined(_WIN32)
    if (argc == 3 && strcmp(argv[2], "--edit") == 0) return edit_resistor(argv[1]);
#endif
    const int per_category = argc == 3 ? atoi(argv[2]) : 50;
    for (int32_t item_code = 0; item_code <= 34; ++item_code) {
        const ScreenFieldList* list = NULL;
        plugin.get_scr_info(item_code, &list);
        if (!list) continue;
        printf("category %d: %d fields", (int)item_code, (int)list->count);
        for (int32_t i = 0; i < list->count; ++i)
            printf(" %u/%u@%lu", list->fields[i].type_code, list->fields[i].length,
                   (unsigned long)list->fields[i].offset);
        printf("\n");
        for (int number = 1; number <= per_category; ++number) run_part(item_code, list, number);
    }
    printf("done\n");
    return fflush(stdout) == 0 && !ferror(stdout) ? 0 : 2;
}
