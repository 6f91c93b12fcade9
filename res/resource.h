#pragma once
// The numbers of the exe's resources, shared by the resource script and the code.

#define IDI_PROGRAM 1  // the program's icon, also shown in the about box
#define IDI_MASCOT 2   // the mascot picture
