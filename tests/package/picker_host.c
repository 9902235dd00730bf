/*
 * picker_host: a host as small as a real one can be, built only from the
 * package's huex.h and one of its import libraries, with the C runtime of its
 * route. It lists the publications ("description<TAB>code<TAB>flag"), looks
 * the first colour of the first one up ("colour<TAB>name<TAB>X Y Z" of its
 * D50 measurement, printed as doubles), finds "Rosehip 3" by name with its
 * Lab and the process colour nearest to #E4002B
 * ("lookup<TAB>L a b<TAB>name<TAB>dE00"), and opens the picker, which a
 * second thread cancels as soon as the picker's window is there
 * ("picker<TAB>cancelled<TAB>0", the last the picker's answer).
 * It compiles as C and as C++.
 */
#include <stdio.h>
#include <string.h>

#include "huex.h"

static DWORD WINAPI cancel_picker(LPVOID unused)
{
    /* The window appears once the picker has laid itself out; a loaded
     * machine may take long, so the wait is long too. */
    int tries;
    (void)unused;
    for (tries = 0; tries < 6000; tries++) {
        HWND picker = FindWindowA("VerihuePickerClass", NULL);
        if (picker != NULL && IsWindowVisible(picker)) {
            PostMessageA(picker, WM_COMMAND, IDCANCEL, 0);
            return 0;
        }
        Sleep(10);
    }
    return 1;
}

int main(void)
{
    short system = -1, flag = 0, d50 = -1;
    char name[HUEX_PUB_NAME_SIZE];
    extended_color record;
    WORD xyz[3];
    extended_color nearest;
    double lab[3], value[3], delta_e = -1;
    LONG found = 0;
    HANDLE canceller;
    DWORD not_seen = 1;
    BYTE picked;
    int count = 0;

    memset(name, 0, sizeof name);
    while (HUEX_EnumPubs(&system, &flag, name) > 0) {
        printf("%s\t%d\t%d\n", name, system, flag);
        count++;
    }

    memset(&record, 0, sizeof record);
    if (HUEX_EncodeColor(37, 0, 0, &record) != HUEX_OK || HUEX_GetColorName(&record, name) <= 0 ||
        HUEX_GetColorXYZ(&record, xyz, 1) != HUEX_OK)
        return 1;
    printf("colour\t%s\t%.2f %.2f %.2f\n", name, xyz[0] * 100.0 / 65535.0, xyz[1] * 100.0 / 65535.0,
           xyz[2] * 100.0 / 65535.0);

    if (HUEX_FindColorByName(HUEX_ALL_PUBS, 0, "Rosehip 3", &record) != HUEX_OK || HUEX_GetColorLab(&record, lab) != HUEX_OK ||
        HUEX_ReadColorValue("#E4002B", value) != HUEX_OK ||
        HUEX_FindNearestColors(HUEX_SYSTEM_PROCESS, 0, value, 1, &nearest, &delta_e, &found) != HUEX_OK ||
        HUEX_GetColorName(&nearest, name) <= 0)
        return 1;
    printf("lookup\t%.2f %.2f %.2f\t%s\t%.2f\n", lab[0], lab[1], lab[2], name, delta_e);

    canceller = CreateThread(NULL, 0, cancel_picker, NULL, 0, NULL);
    if (canceller == NULL) return 1;
    picked = HUEX_PickColor(NULL, &record, &d50);
    WaitForSingleObject(canceller, INFINITE);
    GetExitCodeThread(canceller, &not_seen);
    CloseHandle(canceller);
    printf("picker\t%s\t%d\n", not_seen ? "never shown" : "cancelled", picked);
    fflush(stdout);
    return count > 0 ? 0 : 1;
}
