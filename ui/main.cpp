#include "Program.h"

int main(int argc, char* argv[])
{
    Program program(argc, argv);
    return program.exec();
}
