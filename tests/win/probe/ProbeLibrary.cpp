// A library that exists only beside the Windows test suite, never in the
// system folder: loading it by bare name shows where the library search of
// the process looks.
#include <windows.h>

extern "C" __declspec(dllexport) int VelmoraProbe() {
    return 42;
}
