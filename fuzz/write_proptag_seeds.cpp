// Writes the seed blocks into the folder named on the command line, one
// file per seed, as the starting corpus of the property-tag fuzzer.
#include <cstdio>
#include <fstream>
#include <string>

#include "proptag_seeds.hpp"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <corpus folder>\n", argv[0]);
        return 2;
    }
    int n = 0;
    for (const auto& seed : dvc::fuzz::Seeds()) {
        std::ofstream out(std::string(argv[1]) + "/seed" + std::to_string(n++) + ".bin", std::ios::binary);
        out.write(reinterpret_cast<const char*>(seed.data()), static_cast<std::streamsize>(seed.size()));
        if (!out) return 1;
    }
    return 0;
}
