/* A library of our own for the DLL command tests: one export by name, one by
   ordinal only, and a standard-call function with two arguments. The scribblers
   (test_dll_scribblers.S) write every parameter slot they have; sum_eight reads
   eight parameters, whatever it was given. */
#include <windows.h>

int __stdcall add_two(int a, int b) { return a + b; }
int __stdcall ordinal_five(void) { return 5555; }
int __stdcall five(void) { return 5; }

int __cdecl sum_eight(int a, int b, int c, int d, int e, int f, int g, int h) { return a + b + c + d + e + f + g + h; }
