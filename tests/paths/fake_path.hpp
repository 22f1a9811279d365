// A communication path for tests: answers the generic primitives from a
// small scripted monitor, records every call, and serves tagged items the
// way a monitor does. Primitives the fake does not script answer
// DvErrNotImplemented.
#pragma once

#include <algorithm>
#include <cstring>
#include <deque>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "paths/tagged_transfer.hpp"
#include "paths/varn_monitor_interface.hpp"

namespace dvc::test {

class UnscriptedPath : public VarnMonitorInterface {
public:
#define DVC_FAKE_SLOT(slot, name, shape, ddcci, hid) DVC_PATH_OVERRIDE(name, shape, NotImplemented)
    DVC_PATH_SLOTS(DVC_FAKE_SLOT)
    DVC_PATH_SLOTS_AFTER_DESTRUCTOR(DVC_FAKE_SLOT)
#undef DVC_FAKE_SLOT
};

struct Call {
    std::string op;
    uint32_t code = 0;
    uint32_t value = 0;
    std::vector<uint8_t> bytes;
};

struct Feature {
    int32_t flag = 1;
    int32_t maximum = 0;
    uint32_t length = 0;
    uint32_t value = 0;
    std::vector<uint8_t> data;
};

class FakePath : public UnscriptedPath {
public:
    std::map<uint32_t, Feature> features;
    // Results to give, in order, for (operation, code); afterwards DvOk for
    // a known feature and DvErrNotSupported for an unknown one.
    std::map<std::pair<std::string, uint32_t>, std::deque<DvError>> results;
    // Values that successive reads of a code see; afterwards the feature's.
    std::map<uint32_t, std::deque<uint32_t>> valueSequence;
    std::vector<Call> calls;

    // Tagged items by name and record, with their two description values.
    std::map<std::pair<std::string, uint32_t>, std::vector<uint8_t>> tags;
    std::map<std::string, std::pair<uint16_t, uint16_t>> descriptions;
    bool echoCombinedHeader = true;

    // Chromaticity controls and EDID.
    int32_t chromaticityFlag = 0;
    std::map<uint32_t, std::pair<double, double>> chromaticities;
    std::vector<uint8_t> edid;
    DvError edidResult = DvOk;

    Feature& Set(uint32_t code, Feature feature = {}) { return features[code] = std::move(feature); }

    std::vector<Call> CallsOf(const std::string& op, uint32_t code) const {
        std::vector<Call> found;
        for (const auto& call : calls) {
            if (call.op == op && call.code == code) found.push_back(call);
        }
        return found;
    }
    void Log(std::string op, uint32_t code, uint32_t value = 0, std::vector<uint8_t> bytes = {}) {
        calls.push_back(Call{std::move(op), code, value, std::move(bytes)});
    }

    DvError ReadFixedData(uint32_t code, int32_t* maximum, int32_t* minimum, int32_t* flag,
                          uint32_t* length) override {
        Log("ReadFixedData", code);
        const DvError result = Next("ReadFixedData", code);
        const auto found = features.find(code);
        if (found == features.end() || !dvc::paths::Usable(result)) return result;
        if (maximum) *maximum = found->second.maximum;
        if (minimum) *minimum = 0;
        if (flag) *flag = found->second.flag;
        if (length) *length = found->second.length;
        return result;
    }

    DvError ReadValue(uint32_t code, uint32_t* value) override {
        Log("ReadValue", code);
        const DvError result = Next("ReadValue", code);
        if (!dvc::paths::Usable(result)) return result;
        auto& sequence = valueSequence[code];
        if (!sequence.empty()) {
            *value = sequence.front();
            sequence.pop_front();
        } else {
            *value = features[code].value;
        }
        return result;
    }

    DvError WriteValue(uint32_t code, uint32_t value, uint32_t) override {
        Log("WriteValue", code, value);
        const DvError result = Next("WriteValue", code);
        if (result >= 0) features[code].value = value;
        return result;
    }

    DvError ReadData(uint32_t code, void* buffer, uint32_t size) override {
        Log("ReadData", code, size);
        DvError result = Next("ReadData", code);
        if (!dvc::paths::Usable(result)) return result;
        auto* out = static_cast<uint8_t*>(buffer);
        if (IsTagCode(code)) return ServeTagRead(code, out, size, result);
        const auto& data = features[code].data;
        std::copy_n(data.begin(), std::min<size_t>(size, data.size()), out);
        return result;
    }

    DvError WriteData(uint32_t code, const void* buffer, uint32_t size, uint32_t) override {
        const auto* in = static_cast<const uint8_t*>(buffer);
        Log("WriteData", code, size, std::vector<uint8_t>(in, in + size));
        const DvError result = Next("WriteData", code);
        if (result < 0) return result;
        if (IsTagCode(code)) {
            ServeTagWrite(code, in, size);
        } else {
            features[code].data.assign(in, in + size);
        }
        return result;
    }

    DvError WriteDataUnchecked(uint32_t code, const void* buffer, uint32_t size, uint32_t) override {
        const auto* in = static_cast<const uint8_t*>(buffer);
        Log("WriteDataUnchecked", code, size, std::vector<uint8_t>(in, in + size));
        return Next("WriteDataUnchecked", code);
    }

    DvError WriteResetValue(const uint32_t& code, uint32_t value) override {
        Log("WriteResetValue", code, value);
        return Next("WriteResetValue", code);
    }

    DvError WriteSaveValue(const uint32_t& code, uint32_t value) override {
        Log("WriteSaveValue", code, value);
        return Next("WriteSaveValue", code);
    }

    DvError QueryChromaticityRange(const uint32_t& code, int32_t* flag, double*, double*) override {
        Log("QueryChromaticityRange", code);
        *flag = chromaticityFlag;
        return DvOk;
    }

    DvError ReadChromaticity(const uint32_t& code, double* x, double* y) override {
        Log("ReadChromaticity", code);
        const auto found = chromaticities.find(code);
        if (found == chromaticities.end()) return DvErrFailed;
        *x = found->second.first;
        *y = found->second.second;
        return DvOk;
    }

    DvError ReadEDID(uint8_t* buffer) override {
        Log("ReadEDID", 0);
        if (edidResult < 0) return edidResult;
        std::copy_n(edid.begin(), std::min<size_t>(edid.size(), dvc::paths::kEdidBytes), buffer);
        return edidResult;
    }

private:
    // Where the tag protocol stands: the last header, and the block that
    // the next separate-mode data transfer moves.
    std::vector<uint8_t> header_ = std::vector<uint8_t>(10, 0);
    uint32_t nextBlock_ = 0;

    DvError Next(const std::string& op, uint32_t code) {
        auto& queue = results[{op, code}];
        if (!queue.empty()) {
            const DvError result = queue.front();
            queue.pop_front();
            return result;
        }
        return features.count(code) != 0 || IsTagCode(code) ? DvOk : DvErrNotSupported;
    }

    static bool IsTagCode(uint32_t code) {
        namespace t = dvc::paths::tags;
        return code == t::kHeaderCode || code == t::kDescriptionCode || code == t::kBlock128Code ||
               code == t::kBlock512Code || code == t::kCombinedReadCode || code == t::kCombinedWriteCode;
    }

    std::string Name() const { return std::string(header_.begin(), header_.begin() + 6); }
    uint32_t HeaderField(size_t at) const { return header_[at] | (header_[at + 1] << 8); }
    std::vector<uint8_t>& Item() { return tags[{Name(), HeaderField(6)}]; }

    DvError ServeTagRead(uint32_t code, uint8_t* out, uint32_t size, DvError result) {
        namespace t = dvc::paths::tags;
        if (code == t::kDescriptionCode) {
            const auto found = descriptions.find(Name());
            if (found == descriptions.end()) return result;
            std::copy_n(header_.begin(), 6, out);
            out[6] = found->second.first & 0xFF;
            out[7] = found->second.first >> 8;
            out[8] = found->second.second & 0xFF;
            out[9] = found->second.second >> 8;
            return result;
        }
        if (code == t::kCombinedReadCode) {
            std::copy(header_.begin(), header_.end(), out);
            if (!echoCombinedHeader) out[0] ^= 0x20;
            CopyBlock(HeaderField(8), 512, out + 10, std::min<uint32_t>(size - 10, 512));
            return result;
        }
        const uint32_t blockSize = code == t::kBlock512Code ? 512 : 128;
        CopyBlock(nextBlock_++, blockSize, out, size);
        return result;
    }

    void CopyBlock(uint32_t block, uint32_t blockSize, uint8_t* out, uint32_t size) {
        const auto& item = Item();
        const size_t from = static_cast<size_t>(block) * blockSize;
        if (from >= item.size()) return;
        std::copy_n(item.begin() + static_cast<long>(from), std::min<size_t>(size, item.size() - from), out);
    }

    void ServeTagWrite(uint32_t code, const uint8_t* in, uint32_t size) {
        namespace t = dvc::paths::tags;
        if (code == t::kHeaderCode || code == t::kCombinedReadCode || code == t::kCombinedWriteCode) {
            header_.assign(in, in + 10);
            nextBlock_ = HeaderField(8);
        }
        if (code == t::kHeaderCode || code == t::kCombinedReadCode) return;
        const uint32_t blockSize = code == t::kBlock128Code ? 128 : 512;
        const uint8_t* data = code == t::kCombinedWriteCode ? in + 10 : in;
        const uint32_t bytes = code == t::kCombinedWriteCode ? size - 10 : size;
        auto& item = Item();
        const size_t from = static_cast<size_t>(nextBlock_++) * blockSize;
        if (item.size() < from + bytes) item.resize(from + bytes);
        std::copy_n(data, bytes, item.begin() + static_cast<long>(from));
    }
};

}  // namespace dvc::test
