#include "app/program_globals.h"

ProgramGlobals programGlobals;
