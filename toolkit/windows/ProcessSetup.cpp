// The process's own set-up on Windows: nothing is needed before anything else.
#include "ProcessSetup.h"

// The display connection is no file descriptor here that a closed standard stream could hand
// its number to, and a write to a pipe whose reader is gone fails without a signal.
void PrepareProcess() {}
