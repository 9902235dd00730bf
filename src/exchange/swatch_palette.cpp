#include "exchange/swatch_palette.h"

#include <cstdarg>
#include <cstdio>

bool palette_refuse(palette_read* read, palette_refusal why, const char* format, ...)
{
    char line[256];
    va_list args;
    va_start(args, format);
    std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
    read->refusal = why;
    read->reason = line;
    read->colors.clear();
    read->names_cut = 0;
    return false;
}

bool palette_size_ok(palette_read* read, size_t size, const char* format)
{
    if (size <= palette_file_size_max) return true;
    return palette_refuse(read, palette_refusal::file_too_large, "%s file of %llu bytes is larger than the %llu bytes a palette may take",
                          format, static_cast<unsigned long long>(size), static_cast<unsigned long long>(palette_file_size_max));
}

bool palette_add(palette_read* read, palette_color color, const char* format, const char* where)
{
    if (read->colors.size() >= palette_colors_max)
        return palette_refuse(read, palette_refusal::too_many_colors, "%s colour %s is one more than the %u a palette may hold", format,
                              where, static_cast<unsigned>(palette_colors_max));
    if (color.name.size() > palette_file_name_max)
        return palette_refuse(read, palette_refusal::name_too_long, "%s colour %s has a name of %u characters (at most %u)", format,
                              where, static_cast<unsigned>(color.name.size()), static_cast<unsigned>(palette_file_name_max));
    if (color.name.size() > palette_name_size) {
        color.name.resize(palette_name_size);
        ++read->names_cut;
    }
    read->colors.push_back(color);
    return true;
}

bool palette_finish(palette_read* read, const char* format)
{
    if (!read->colors.empty()) return true;
    return palette_refuse(read, palette_refusal::no_colors, "%s file holds no colour", format);
}
