// tabrino-script: runs scenario files against the program core.
#include <iostream>

#include "script/scenario.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        std::cerr << "usage: tabrino-script FILE... (--dump after a file prints its final state)\n";
        return 2;
    }
    return tabrino::script::runFiles(args, std::cout);
}
