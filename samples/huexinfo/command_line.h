// What the huexinfo commands share about their command lines: the one-line
// hint for a command line a command cannot read, and names compared as users
// type them.
#pragma once

// "usage: huexinfo <synopsis>" of the command on the error output; returns 2,
// the exit code of a usage error.
int usage_error(const char* command);

// ASCII letters compared without their case: "ICC" is "icc".
bool same_word(const char* a, const char* b);
