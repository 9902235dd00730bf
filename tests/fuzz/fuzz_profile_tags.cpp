// The display model, gamma estimates and descriptions (version 2 and the
// multi-localised version 4 kind) from arbitrary profile bytes.
#include <cstddef>
#include <cstdint>

#include "profiles/monitor_profile_tags.h"
#include "profiles/profile_description.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const byte_span file{data, size};
    display_model model = default_display_model;
    char name[260] = "";
    apply_monitor_profile_tags(file, &model, name, sizeof name);
    char short_text[5];
    profile_description_of(file, short_text, sizeof short_text);
    char one[1];
    profile_description_of(file, one, sizeof one);
    return 0;
}
