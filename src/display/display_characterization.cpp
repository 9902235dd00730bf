#include "display/display_characterization.h"

#include "display/display_state.h"

void apply_default_display(display_state& display)
{
    invalidate_display_matrix(display);
    display.display_characterization = default_display_model;
}
