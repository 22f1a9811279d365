#include "paths/scripted_path.hpp"

#include <cstdio>

namespace dvc::test {

std::vector<std::string> ScriptedPath::Trace() const {
    std::vector<std::string> trace;
    for (const Call& call : calls_) {
        char code[16];
        std::snprintf(code, sizeof code, "%X", call.code);
        trace.push_back(call.op + ":" + code);
    }
    return trace;
}

std::optional<DvError> ScriptedPath::Enter(uint32_t code, uint32_t value, std::vector<uint8_t> data, uint32_t size) {
    calls_.push_back(Call{op_, code, value, std::move(data), size});
    refused_ = false;
    const auto fault = faults_.find({op_, code});
    if (fault == faults_.end()) return std::nullopt;
    if (fault->second.refuse) {
        refused_ = true;
        return std::nullopt;
    }
    return fault->second.result;
}

ScriptedPath::Item* ScriptedPath::Find(uint32_t code) {
    const auto item = items_.find(code);
    return item == items_.end() ? nullptr : &item->second;
}

DvError ScriptedPath::OnIDENT(const uint32_t&, std::string& first, std::string& second) {
    first = serial_;
    second = model_;
    return DvOk;
}

DvError ScriptedPath::OnFLAG(const uint32_t& code, int32_t* flag) {
    if (auto fault = Enter(code)) return *fault;
    const Item* item = Find(code);
    *flag = item != nullptr && item->supported ? 1 : 0;
    return Done();
}

DvError ScriptedPath::OnRANGE(const uint32_t& code, int32_t* flag, int32_t* maximum, int32_t* minimum) {
    if (auto fault = Enter(code)) return *fault;
    const Item* item = Find(code);
    if (flag != nullptr) *flag = item != nullptr && item->supported ? 1 : 0;
    if (item == nullptr) return Done();
    if (maximum != nullptr) *maximum = item->maximum;
    if (minimum != nullptr) *minimum = item->minimum;
    return Done();
}

DvError ScriptedPath::OnVALUE_READ(const uint32_t& code, uint32_t* value) {
    if (auto fault = Enter(code)) return *fault;
    const Item* item = Find(code);
    if (item == nullptr) return DvErrNotSupported;
    *value = item->value;
    return Done();
}

DvError ScriptedPath::OnVALUE_WRITE(const uint32_t& code, uint32_t value) {
    if (auto fault = Enter(code, value)) return *fault;
    Item* item = Find(code);
    if (item == nullptr) return DvErrNotSupported;
    item->value = value;
    return Done();
}

DvError ScriptedPath::OnBOOL_READ(const uint32_t& code, int* out) {
    uint32_t word = 0;
    const DvError result = OnVALUE_READ(code, &word);
    *out = word != 0 ? 1 : 0;
    return result;
}

DvError ScriptedPath::OnCHROMA_RANGE(const uint32_t& code, int32_t* flag, double* maximum, double* minimum) {
    if (auto fault = Enter(code)) return *fault;
    const Item* item = Find(code);
    *flag = item != nullptr && item->supported ? 1 : 0;
    if (item == nullptr) return Done();
    if (maximum != nullptr) *maximum = item->maximum / 10000.0;
    if (minimum != nullptr) *minimum = item->minimum / 10000.0;
    return Done();
}

DvError ScriptedPath::OnCHROMA_READ(const uint32_t& code, double* x, double* y) {
    if (auto fault = Enter(code)) return *fault;
    const Item* item = Find(code);
    if (item == nullptr) return DvErrNotSupported;
    *x = item->x;
    *y = item->y;
    return Done();
}

DvError ScriptedPath::OnCHROMA_WRITE(const uint32_t& code, const double* x, const double* y) {
    if (auto fault = Enter(code)) return *fault;
    Item* item = Find(code);
    if (item == nullptr) return DvErrNotSupported;
    item->x = *x;
    item->y = *y;
    return Done();
}

DvError ScriptedPath::OnFIXED(uint32_t code, int32_t* maximum, int32_t* minimum, int32_t* flag, uint32_t* length) {
    if (auto fault = Enter(code)) return *fault;
    const Item* item = Find(code);
    if (flag != nullptr) *flag = item != nullptr && item->supported ? 1 : 0;
    if (item == nullptr) return DvErrNotSupported;
    if (maximum != nullptr) *maximum = item->maximum;
    if (minimum != nullptr) *minimum = item->minimum;
    if (length != nullptr) *length = item->length.value_or(static_cast<uint32_t>(item->data.size()));
    return Done();
}

DvError ScriptedPath::OnGEN_DATA_READ(uint32_t code, void* buffer, uint32_t size) {
    if (auto fault = Enter(code, 0, {}, size)) return *fault;
    const Item* item = Find(code);
    if (item == nullptr) return DvErrNotSupported;
    std::memcpy(buffer, item->data.data(), std::min<std::size_t>(size, item->data.size()));
    return Done();
}

DvError ScriptedPath::OnGEN_DATA_WRITE(uint32_t code, const void* buffer, uint32_t size, uint32_t) {
    const auto* bytes = static_cast<const uint8_t*>(buffer);
    if (auto fault = Enter(code, 0, std::vector<uint8_t>(bytes, bytes + size))) return *fault;
    Item* item = Find(code);
    if (item == nullptr) return DvErrNotSupported;
    item->data.assign(bytes, bytes + size);
    return Done();
}

}  // namespace dvc::test
