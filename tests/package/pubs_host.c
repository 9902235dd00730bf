/*
 * pubs_host: the smallest host, built only from what the package holds: its
 * huex.h and one of its import libraries. It lists the publications, one per
 * line: "description<TAB>code<TAB>flag".
 *
 * For the Microsoft-style link there is no C runtime to be had, so the program
 * has an entry point of its own (pubs_host_entry) and writes through KERNEL32
 * alone; the MinGW link goes through main as any host would.
 */
#include "huex.h"

static void write_text(HANDLE out, const char *text)
{
    DWORD length = 0, written;
    while (text[length]) length++;
    WriteFile(out, text, length, &written, NULL);
}

static void write_number(HANDLE out, int value)
{
    char digits[16];
    int at = sizeof digits - 1;
    unsigned magnitude = value < 0 ? 0u - (unsigned)value : (unsigned)value;
    digits[at] = 0;
    do {
        digits[--at] = (char)('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude);
    if (value < 0) digits[--at] = '-';
    write_text(out, digits + at);
}

static int list_publications(void)
{
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    short system = -1, flag = 0;
    char name[256];
    int count = 0;
    while (HUEX_EnumPubs(&system, &flag, name) > 0) {
        write_text(out, name);
        write_text(out, "\t");
        write_number(out, system);
        write_text(out, "\t");
        write_number(out, flag);
        write_text(out, "\n");
        count++;
    }
    return count > 0 ? 0 : 1;
}

void pubs_host_entry(void)
{
    ExitProcess((UINT)list_publications());
}

int main(void)
{
    return list_publications();
}
