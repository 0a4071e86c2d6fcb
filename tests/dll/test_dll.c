/* A library of our own for the DLL command tests: one export by name, one by
   ordinal only, and a standard-call function with two arguments. */
#include <windows.h>

int __stdcall add_two(int a, int b) { return a + b; }
int __stdcall ordinal_five(void) { return 5555; }
int __stdcall five(void) { return 5; }
