#pragma once
// Resource numbers shared by the resource script and the code.
#define IDI_LAUNCHER 1
#define IDB_BACKDROP 101
#define IDB_PANEL 102
