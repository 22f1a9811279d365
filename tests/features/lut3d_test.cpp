// The 3D LUT: resampling held to the plain rules, the block form on the
// wire, and the transfers on the virtual monitors of the grading world.
#include <gtest/gtest.h>

#include <numeric>
#include <random>

#include "colour/lut3d_resample.hpp"
#include "paths/feature_codes.hpp"
#include "paths/lut3d_blocks.hpp"
#include "registry/derived_tables.hpp"
#include "support/lut3d_reference.hpp"
#include "support/sim_world.hpp"

namespace dvc::test {
namespace {

using Image = std::vector<uint16_t>;

Image Identity(const std::vector<uint16_t>& levels) {
    const size_t n = levels.size();
    Image image(3 * n * n * n);
    for (size_t i = 0; i < n * n * n; ++i)
        for (size_t c = 0; c < 3; ++c) image[3 * i + c] = levels[(c == 0 ? i / (n * n) : c == 1 ? i / n : i) % n] * 257;
    return image;
}

TEST(Lut3dResample, AgreesWithThePlainRulesToTheBit) {
    std::mt19937 rng(11);
    const auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    for (int round = 0; round < 60; ++round) {
        const auto ns = static_cast<uint16_t>(round < 5 ? 2 : pick(2, 12));
        auto nd = static_cast<uint16_t>(round % 7 == 0 ? ns : pick(1, 13));
        std::vector<uint16_t> sl(ns), dl(nd);
        do {  // strictly ascending source levels; destination levels inside them, often on them
            for (auto& l : sl) l = static_cast<uint16_t>(pick(0, 255));
            std::sort(sl.begin(), sl.end());
        } while (std::adjacent_find(sl.begin(), sl.end()) != sl.end());
        for (auto& l : dl) l = pick(0, 2) == 0 ? sl[pick(0, ns - 1)] : static_cast<uint16_t>(pick(sl[0], sl[ns - 1]));
        if (round % 7 == 0) dl = sl;                          // identical grids
        if (round % 9 == 0) dl.back() = 255, dl.front() = 0;  // outside: clamped
        std::sort(dl.begin(), dl.end());
        Image src(3u * ns * ns * ns), fast(3u * nd * nd * nd, 7), plain(fast.size(), 9);
        for (auto& v : src) v = static_cast<uint16_t>(pick(0, 65535));
        ASSERT_TRUE(lut3d::Resample3DLut(src.data(), sl.data(), ns, fast.data(), dl.data(), nd));
        ReferenceResample(src.data(), sl.data(), ns, plain.data(), dl.data(), nd);
        ASSERT_EQ(fast, plain) << "round " << round << ": " << ns << " -> " << nd;
        EXPECT_TRUE(dl != sl || fast == src) << "identical grids give the source back";
    }
}

TEST(Lut3dResample, StandardGridsNestAndRefusalsWriteNothing) {
    std::vector<uint16_t> l10(10), l17(17);
    ASSERT_EQ(DvCtrlHelperGetStandardGridLevels(10, l10.data()) + DvCtrlHelperGetStandardGridLevels(17, l17.data()), 0);
    EXPECT_EQ(l10, (std::vector<uint16_t>{0, 16, 32, 64, 96, 128, 160, 192, 224, 255}));
    EXPECT_TRUE(l17[15] == 240 && l17[16] == 255 && registry::GridLevels(17) == l17);
    EXPECT_EQ(registry::GridLevels(9), (std::vector<uint16_t>{0, 32, 64, 96, 128, 159, 191, 223, 255}));
    uint16_t untouched[2] = {5, 5};
    for (uint16_t n : {0, 9, 16, 33})
        EXPECT_EQ(DvCtrlHelperGetStandardGridLevels(n, untouched) + untouched[0], DvErrFailed + 5);
    Image out(3 * 1000, 1);
    DvCtrlHelperInterpolate3DLUT(Identity(l17).data(), l17.data(), 17, out.data(), l10.data(), 10);
    EXPECT_EQ(out, Identity(l10)) << "every 10-grid level is a 17-grid level";
    DvCtrlHelperInterpolate3DLUT(Identity(l17).data(), l17.data(), 1, out.data(), l10.data(), 10);
    DvCtrlHelperInterpolate3DLUT(nullptr, l17.data(), 17, out.data(), l10.data(), 10);
    EXPECT_EQ(out, Identity(l10)) << "a one-node source or a null image writes nothing";
}

TEST(Lut3dBlocks, ParityClassesChunksAndPadding) {
    // 1458 bytes in whole chunks; the largest block that 16 bits carry; one past it
    EXPECT_EQ(std::vector<uint32_t>({paths::Lut3dBlockBytes(17, 128), paths::Lut3dBlockBytes(17, 512),
                                     paths::Lut3dBlockBytes(62, 512), paths::Lut3dBlockBytes(63, 128)}),
              std::vector<uint32_t>({1536, 1536, 59904, 0}));
    const paths::Lut3dTarget factory{17, 0, true, 128}, media{17, 3, false, 512};
    EXPECT_EQ(
        std::vector<uint32_t>({paths::Lut3dSelectSmall(factory, 2, 7, 11), paths::Lut3dSelectSmall(media, 1, 1, 0),
                               paths::Lut3dSelectLarge(media, 2, 5), paths::Lut3dSelectLarge(factory, 1, 0)}),
        std::vector<uint32_t>({0xC70B, 0x32100, 0x395, 0x8008}));
    for (uint16_t n : {9, 10, 17}) {
        Image image(3u * n * n * n), back(image.size(), 0);
        std::iota(image.begin(), image.end(), uint16_t{1});
        std::vector<uint8_t> block(paths::Lut3dBlockBytes(n, 128), 0xEE);
        for (int c = 0; c < 3; ++c)
            for (int s = 0; s < 8; ++s) {
                paths::PackLut3dBlock(image.data(), n, c, s, block);
                EXPECT_TRUE(n != 17 || s != 1 || (block[16] | block[17]) == 0) << "the ninth slot of a row is padding";
                paths::UnpackLut3dBlock(block, n, c, s, back.data());
            }
        EXPECT_EQ(back, image) << n;
    }
}

class Lut3dTransfer : public SimWorld {
protected:
    void SetUp() override { Discover("grading"); }
    static constexpr WorldMonitor kBig{"23100078", "CG3180"}, kSmall{"24200009", "CG2420"};
    static size_t Count(sim::Op op, uint32_t code) {
        const auto log = Log(op);
        return static_cast<size_t>(std::count_if(log.begin(), log.end(), [&](auto& t) { return t.code == code; }));
    }
};

TEST_F(Lut3dTransfer, RoundTripsInBothChunkModes) {
    for (const auto& [m, grid, large] : {std::tuple{kBig, 17, true}, std::tuple{kSmall, 9, false}}) {
        ASSERT_EQ(DvCtrlGet3DLUTGridCount(m.serial, m.model), grid);
        const auto n = static_cast<uint16_t>(grid);
        std::vector<uint16_t> levels(n);
        ASSERT_EQ(DvCtrlGet3DLUTGridLevels(m.serial, m.model, levels.data(), n), DvOk);
        Image factory(3u * n * n * n), lut(factory.size()), back(factory.size());
        ASSERT_EQ(DvCtrlGet3DLUTFactory(m.serial, m.model, factory.data(), n), DvOk);
        EXPECT_EQ(factory, Identity(levels));
        std::iota(lut.begin(), lut.end(), uint16_t{3});
        sim::ClearTransactions();
        ASSERT_EQ(DvCtrlSet3DLUTDirect(m.serial, m.model, lut.data(), n), DvOk);
        const size_t chunks = 24 * paths::Lut3dBlockBytes(n, large ? 512 : 128) / (large ? 512 : 128);
        EXPECT_EQ(Count(sim::Op::SetValue, large ? codes::k3DLutSelect512 : codes::k3DLutSelect128),
                  large ? 24 : chunks);
        EXPECT_EQ(Count(sim::Op::SetData, large ? codes::k3DLutData512 : codes::k3DLutData128), chunks);
        ASSERT_EQ(DvCtrlGet3DLUTDirect(m.serial, m.model, back.data(), n), DvOk);
        EXPECT_EQ(back, lut);
        EXPECT_EQ(DvCtrlGet3DLUTFactory(m.serial, m.model, back.data(), n) == DvOk && back == factory, true);
    }
}

TEST_F(Lut3dTransfer, RefusesBeforeTrafficAndKeepsTablesApart) {
    Image lut(3 * 17 * 17 * 17, 0x1234), back(lut.size());
    EXPECT_EQ(DvCtrlGet3DLUTDirect(kBig.serial, kBig.model, back.data(), 10), DvErrSizeMismatch);
    EXPECT_EQ(DvCtrlSet3DLUTDirect(kBig.serial, kBig.model, nullptr, 17), DvErrInvalidParameter);
    EXPECT_EQ(DvCtrlSetMediaEmu3DLUTDirect(kBig.serial, kBig.model, 4, lut.data(), 17), DvErrInvalidParameter);
    EXPECT_EQ(DvCtrlGetMediaEmu3DLUTDirect(kSmall.serial, kSmall.model, 0, lut.data(), 9), DvErrInvalidParameter);
    EXPECT_TRUE(sim::Transactions().empty());
    EXPECT_EQ(DvCtrlGetMediaEmu3DLUTGridCount(kBig.serial, kBig.model), 17);
    ASSERT_EQ(DvCtrlSetMediaEmu3DLUTDirect(kBig.serial, kBig.model, 3, lut.data(), 17), DvOk);
    ASSERT_EQ(DvCtrlGet3DLUTDirect(kBig.serial, kBig.model, back.data(), 17), DvOk);
    EXPECT_NE(back, lut) << "a media emulation table is not the 3D LUT";
    ASSERT_EQ(DvCtrlGetMediaEmu3DLUTDirect(kBig.serial, kBig.model, 3, back.data(), 17), DvOk);
    EXPECT_EQ(back, lut);
}

TEST_F(Lut3dTransfer, AFailingBlockEndsOnlyItsComponent) {
    sim::AddFault({.link = std::nullopt, .serial = {}, .op = sim::Op::SetData, .code = codes::k3DLutData512, .skip = 3 * 2});  // block 2 of component 0
    Image lut(3 * 17 * 17 * 17, 0x4321);
    sim::ClearTransactions();
    EXPECT_EQ(DvCtrlSet3DLUTDirect(kBig.serial, kBig.model, lut.data(), 17), DvOk) << "the last block's result";
    EXPECT_EQ(Count(sim::Op::SetValue, codes::k3DLutSelect512), 3u + 8 + 8);
}

}  // namespace
}  // namespace dvc::test
