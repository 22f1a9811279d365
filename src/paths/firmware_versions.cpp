#include "paths/firmware_versions.hpp"

#include <algorithm>
#include <cctype>
#include <iterator>

#include "paths/feature_codes.hpp"
#include "paths/feature_shapes.hpp"
#include "paths/tagged_transfer.hpp"

namespace dvc::paths {

namespace {
constexpr const char* kVersionTag = "VER000";
constexpr std::size_t kDisplayedDigits = 5;

std::string TextOf(const std::vector<uint8_t>& block) {
    const auto end = std::find(block.begin(), block.end(), uint8_t{0});
    return {block.begin(), end};
}

bool DisplayedNumber(const std::string& text, int& number) {
    const std::size_t start = text.find_last_of(' ');
    const std::string word = start == std::string::npos ? text : text.substr(start + 1);
    std::string digits;
    std::copy_if(word.begin(), word.end(), std::back_inserter(digits),
                 [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; });
    if (digits.empty() || digits.size() > kDisplayedDigits) return false;
    number = std::stoi(digits);
    return true;
}
}  // namespace

DvError ReadFirmwareVersion(VarnMonitorInterface& path, std::string& text) {
    const uint32_t code =
        SupportedByFixedData(path, codes::kFirmwareVersion) ? codes::kFirmwareVersion : codes::kFirmwareVersionShort;
    std::vector<uint8_t> block;
    const DvError result = ReadSizedBlock(path, code, 1, block);
    if (Usable(result)) text = TextOf(block);
    return result;
}

DvError CountVersionRecords(VarnMonitorInterface& path, int* count) {
    uint16_t size = 0, records = 0;
    const DvError result = ReadTagInfo(path, kVersionTag, &size, &records);
    if (Usable(result)) *count = size == 0 ? 0 : records;
    return result;
}

DvError ReadDisplayedVersions(VarnMonitorInterface& path, int count, std::vector<int>& versions) {
    uint16_t size = 0, records = 0;
    DvError result = ReadTagInfo(path, kVersionTag, &size, &records);
    if (!Usable(result)) return result;
    if (size == 0 || count > records) return DvErrInvalidParameter;
    versions.clear();
    std::vector<uint8_t> record(size, 0);
    for (int i = 0; i < count; ++i) {
        result = ReadTag(path, kVersionTag, static_cast<uint32_t>(i), record.data(), size);
        if (!Usable(result)) return result;
        int number = 0;
        if (!DisplayedNumber(TextOf(record), number)) return DvErrWrongLength;
        versions.push_back(number);
    }
    return result;
}

}  // namespace dvc::paths
