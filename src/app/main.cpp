#include "shell/Program.h"

int main(int argc, char** argv) {
    return RunTessaly(argc, argv);
}
