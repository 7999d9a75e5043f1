// Writes the zlytpcli man page ("man FILE") or bash completion ("bash FILE")
// at build time, from the command table the tool itself is built from.
#include <fstream>
#include <iostream>
#include <string>

#include "Documents.h"

int main(int argc, char** argv) {
    const std::string kind = argc == 3 ? argv[1] : "";
    if (kind != "man" && kind != "bash") {
        std::cerr << "usage: zlytpcli_gendocs man|bash FILE\n";
        return 2;
    }
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    if (kind == "man")
        zlytpcli::writeManPage(out);
    else
        zlytpcli::writeBashCompletion(out);
    out.close();
    if (!out) {
        std::cerr << "zlytpcli_gendocs: could not write " << argv[2] << "\n";
        return 1;
    }
    return 0;
}
