// Identifiers of the resources the executables carry.
#pragma once

#define IDI_VELMORA 1
#define IDR_RUN_ICON 101   /* 48 x 48 PNG with alpha, run dialog */
#define IDR_ABOUT_ICON 102 /* 32 x 32 PNG with alpha, about dialog */
