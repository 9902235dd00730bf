#include "frame/texts_win32.h"

#include "frame/module_handles_win32.h"

int load_text(unsigned id, char* buffer, int max)
{
    if (buffer == nullptr || max <= 0) return 0;
    buffer[0] = 0;
    return LoadStringA(text_module, id, buffer, max);
}
