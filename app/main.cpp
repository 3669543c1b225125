#include <cstdio>

int main()
{
    std::puts("Gatrisk 2002: the main window is not part of this build yet.");
    return 0;
}
