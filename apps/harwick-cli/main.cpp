#include "harwick.h"

#include <iostream>

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    return harwick::cli::run(args, std::cout, std::cerr, {std::cin, harwick::cli::StderrTerminal()});
}
