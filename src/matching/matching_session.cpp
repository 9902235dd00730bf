#include "matching/matching_session.h"

matching_session session = {0, nullptr, profile_kind_other, profile_kind_other, 0, 0};
int32_t rendering_intent = 0;

void reset_matching_state()
{
    session = matching_session{0, nullptr, profile_kind_other, profile_kind_other, 0, 0};
    rendering_intent = 0;
}
