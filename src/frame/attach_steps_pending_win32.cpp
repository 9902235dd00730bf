// Start-up steps whose subsystems are not built yet. Each definition moves out
// of this file into its subsystem when that subsystem arrives; the file goes
// when it is empty.
#include "frame/attach_steps.h"

