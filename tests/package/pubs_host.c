/*
 * pubs_host: the smallest host, built only from the package's huex.h and one
 * of its import libraries; it lists "description<TAB>code<TAB>flag" lines.
 * The Microsoft-style link has no C runtime: it enters at host_entry and
 * writes through KERNEL32 alone.
 */
#include "huex.h"

static void write_text(HANDLE out, const char *text)
{
    DWORD length = 0, written;
    while (text[length]) length++;
    WriteFile(out, text, length, &written, NULL);
}

static void write_number(HANDLE out, int value) /* codes and flags are never negative */
{
    char digits[16];
    int at = sizeof digits - 1;
    digits[at] = 0;
    do digits[--at] = (char)('0' + value % 10);
    while ((value /= 10) != 0);
    write_text(out, digits + at);
}

static int list_publications(void)
{
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    short system = -1, flag = 0;
    char name[256];
    int count = 0;
    for (; HUEX_EnumPubs(&system, &flag, name) > 0; count++) {
        write_text(out, name);
        write_text(out, "\t");
        write_number(out, system);
        write_text(out, "\t");
        write_number(out, flag);
        write_text(out, "\n");
    }
    return count > 0 ? 0 : 1;
}

void host_entry(void) { ExitProcess((UINT)list_publications()); }

int main(void) { return list_publications(); }
