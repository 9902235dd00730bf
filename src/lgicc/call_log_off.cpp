#include "lgicc/call_log.h"

namespace lgicc {

void log_set_options(uint32_t, int32_t, int32_t, uint32_t) {}
void log_new_transform(logged_object) {}
void log_create(logged_object, const char*, const char*, int32_t, uint32_t, int32_t, int32_t,
                int32_t, int32_t, int16_t) {}
void log_create(logged_object, const wchar_t*, const wchar_t*, int32_t, uint32_t, int32_t, int32_t,
                int32_t, int32_t, int16_t) {}
void log_match_arguments(logged_object, uint32_t, const uint16_t*, int32_t, uint16_t, uint16_t,
                         int32_t, int32_t, int32_t, int32_t) {}
void log_match_outcome(const uint16_t*, int32_t, uint16_t, int16_t) {}
void log_delete(logged_object, int16_t) {}

}  // namespace lgicc
