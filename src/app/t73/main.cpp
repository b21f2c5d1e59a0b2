#include <iostream>
#include <string>
#include <vector>

#include "app/t73/run_t73.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    return tc::t73::run_t73(args, std::cout, std::cerr);
}
