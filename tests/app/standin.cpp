// Stands in for a browser's process: copied under a browser's image name, it waits until it is
// ended (at most a minute).
#include <windows.h>

int main()
{
    Sleep(60000);
    return 0;
}
