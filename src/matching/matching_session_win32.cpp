// Ending the session: its object goes back to the colour-matching module.
#include "matching/matching_session.h"

#include "lgicc/lgicc.h"

void end_matching_session(matching_session& session)
{
    if (session.transformation != nullptr)
        LgoDeleteMatchTransformation(static_cast<lgo_transformation*>(session.transformation));
    session.transformation = nullptr;
}
