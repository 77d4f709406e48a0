// Built by the layering test, as if it were part of the drawing library: the pen must not
// reach up to the windows, so this include has to fail.
#include "windows/form1.h"
