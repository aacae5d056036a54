#include "windows/Vornath.h"

int main(int argc, char *argv[])
{
    return Vornath::run(argc, argv);
}
