// A communication path that answers the identification reads from scripted
// blocks and carries nothing else.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "paths/varn_monitor_interface.hpp"

namespace dvc::test {

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-parameter"
class NullPath : public VarnMonitorInterface {
public:
#define DVC_TEST_NOT_CARRIED(slot, name, shape, ddcci, hid) \
    DvError name DVC_PARAMS_##shape override { return DvErrNotImplemented; }
    DVC_PATH_SLOTS(DVC_TEST_NOT_CARRIED)
    DVC_PATH_SLOTS_AFTER_DESTRUCTOR(DVC_TEST_NOT_CARRIED)
#undef DVC_TEST_NOT_CARRIED
};
#pragma GCC diagnostic pop

// One data block as a monitor offers it: the size query's result and
// presence flag, the length it reports, the bytes, and the read's result.
struct ScriptedBlock {
    DvError sizeResult = DvOk;
    int32_t present = 1;
    std::vector<uint8_t> bytes;
    DvError readResult = DvOk;
    bool overrideLength = false;
    uint32_t length = 0;

    uint32_t Length() const { return overrideLength ? length : static_cast<uint32_t>(bytes.size()); }
};

// What a monitor offers to identification: its two blocks and whether it
// has a transferable 3D LUT.
struct MonitorBlocks {
    ScriptedBlock tags;
    ScriptedBlock flavors;
    int32_t lut3d = 0;
};

class IdentifyPath : public NullPath, public MonitorBlocks {
public:
    static constexpr uint32_t kTagCode = 0x50;
    static constexpr uint32_t kFlavorCode = 0xFF0000F1;
    static constexpr uint32_t kLut3dCode = 0xFF0100B0;

    explicit IdentifyPath(const MonitorBlocks& blocks) : MonitorBlocks(blocks) {}

    int tagReads = 0;
    int flavorReads = 0;

    // A monitor with neither block.
    static MonitorBlocks BareBlocks() {
        MonitorBlocks b;
        b.tags.present = 0;
        b.flavors.present = 0;
        return b;
    }
    static IdentifyPath Bare() { return IdentifyPath(BareBlocks()); }
    static IdentifyPath WithTags(std::vector<uint8_t> block) {
        MonitorBlocks b = BareBlocks();
        b.tags.present = 1;
        b.tags.bytes = std::move(block);
        return IdentifyPath(b);
    }

    DvError QueryBlockSize(const uint32_t& code, int32_t* flag, uint32_t* length) override {
        if (code != kTagCode) return DvErrNotSupported;
        *flag = tags.present;
        if (length != nullptr) *length = tags.Length();
        return tags.sizeResult;
    }
    DvError ReadBlock(const uint32_t& code, void* buffer, uint32_t* size) override {
        if (code != kTagCode) return DvErrNotSupported;
        ++tagReads;
        Copy(tags, buffer, *size);
        return tags.readResult;
    }
    DvError ReadFixedData(uint32_t code, int32_t* maximum, int32_t* minimum, int32_t* flag,
                          uint32_t* length) override {
        (void)maximum;
        (void)minimum;
        if (code == kLut3dCode) {
            if (flag != nullptr) *flag = lut3d;
            return DvOk;
        }
        if (code != kFlavorCode) return DvErrNotSupported;
        if (flag != nullptr) *flag = flavors.present;
        if (length != nullptr) *length = flavors.Length();
        return flavors.sizeResult;
    }
    DvError ReadData(uint32_t code, void* buffer, uint32_t size) override {
        if (code != kFlavorCode) return DvErrNotSupported;
        ++flavorReads;
        Copy(flavors, buffer, size);
        return flavors.readResult;
    }

private:
    static void Copy(const ScriptedBlock& block, void* buffer, uint32_t size) {
        const std::size_t n = std::min<std::size_t>(size, block.bytes.size());
        if (n > 0) std::memcpy(buffer, block.bytes.data(), n);
    }
};

}  // namespace dvc::test
