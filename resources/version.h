// The program's version, for the executable's version record and the command-line tool.
#pragma once

#define TIVREL_VERSION_NUMBERS 1, 0, 4, 1
#define TIVREL_VERSION_DOTTED "1.0.4.1"
#define TIVREL_VERSION_TEXT "1.04"
