// A program that only waits until it is ended: copied under a client program's name,
// it stands for a running client in the process list.
#include <windows.h>

int main() {
    Sleep(60000);
    return 0;
}
