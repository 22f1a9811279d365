// dvctl 3dlut on the grading world: a .cube round trip through a monitor,
// resampling between files, and a malformed file that changes nothing.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

namespace {

class Dvctl3dLut : public testing::Test {
protected:
    void TearDown() override { std::system(("rm -rf " + dir_).c_str()); }
    int Run(const std::string& args) const {  // the exit status; stderr goes to err.txt
        const int raw =
            std::system(("cd " + dir_ + " && DVC_SIM_STATE=state.json timeout 120 " DVCTL_PATH " --sim=grading " +
                         args + " >out.txt 2>err.txt </dev/null")
                            .c_str());
        return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    }
    std::string Text(const std::string& name) const {
        return {std::istreambuf_iterator<char>(std::ifstream(dir_ + "/" + name).rdbuf()), {}};
    }
    std::string Data(const std::string& name) const { return Text(name).substr(Text(name).find("\n0")); }
    const std::string dir_ = testing::TempDir() + "dvctl3d_" + std::to_string(getpid());
};

TEST_F(Dvctl3dLut, CubeRoundTripsAndBadFilesChangeNothing) {
    std::system(("mkdir -p " + dir_).c_str());
    ASSERT_EQ(Run("3dlut download CG3180 --factory -o f17.cube"), 0);
    ASSERT_EQ(Run("3dlut resample f17.cube --size 33 -o r33.cube"), 0);
    ASSERT_EQ(Run("3dlut resample r33.cube --size 17 -o r17.cube --json"), 0);
    ASSERT_EQ(Run("3dlut upload CG3180 r17.cube"), 0);
    ASSERT_EQ(Run("3dlut download CG3180 -o back.cube"), 0);
    EXPECT_EQ(Data("back.cube"), Data("r17.cube")) << "the same size goes up unresampled";
    ASSERT_EQ(Run("3dlut upload CG2420 r33.cube"), 0) << "onto the 9-node grid";
    std::ofstream(dir_ + "/bad.cube")
        << "# comment\nTITLE \"x\"\nLUT_3D_SIZE 2\n0 0 0\n1 0 0\n0 1 0\n1 1 0\n0 0 1\n1 0 1\n0 1 1\n1 1 7\n";
    EXPECT_EQ(Run("3dlut upload CG3180 bad.cube"), 1);
    EXPECT_EQ(Text("err.txt"), "error: bad.cube:11: value 7 is outside 0..1\n");
    ASSERT_EQ(Run("3dlut download CG3180 -o again.cube"), 0);
    EXPECT_EQ(Data("again.cube"), Data("back.cube"));
    EXPECT_EQ(Run("3dlut resample bad.cube --size 1 -o x.cube"), 2);
}

}  // namespace
