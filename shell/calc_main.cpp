#include <iostream>
#include <string>
#include <vector>

#include "shell/calc_cli.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return tarvix::RunCalc(args, std::cout, std::cerr);
}
