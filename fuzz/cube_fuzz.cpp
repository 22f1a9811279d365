// libFuzzer entry for dvctl's .cube reader. Beyond surviving any input: a
// refusal names the file and a line, an accepted file has a whole image of
// its size, and writing it out and reading it back gives the same image.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "cube_file.hpp"

#define CHECK(ok) \
    if (!(ok)) std::abort()

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    dvc::cli::CubeLut lut;
    try {
        lut = dvc::cli::ParseCube(text, "in.cube");
    } catch (const dvc::cli::CubeError& e) {
        const std::string what = e.what();
        CHECK(what.rfind("in.cube:", 0) == 0 && what.size() > 8 && what[8] >= '0' && what[8] <= '9');
        return 0;
    }
    const size_t n = lut.size;
    CHECK(n >= 2 && n <= 256 && lut.image.size() == 3 * n * n * n);
    CHECK(lut.domainMin >= 0.0 && lut.domainMin < lut.domainMax && lut.domainMax <= 1.0);
    CHECK(dvc::cli::ParseCube(dvc::cli::FormatCube(lut), "out.cube").image == lut.image);
    return 0;
}
