// The identifier pair that names a logical monitor: serial number, then
// model name, each compared byte-wise (a prefix sorts first).
#pragma once

#include <string>
#include <string_view>
#include <utility>

namespace dvc::registry {

struct MonitorKey {
    std::string serial;
    std::string model;
};

using MonitorKeyView = std::pair<std::string_view, std::string_view>;

// std::string_view compares through char_traits<char>, which orders bytes
// as unsigned values, like memcmp. Transparent, so a lookup by a view of the
// caller's strings copies nothing.
struct MonitorKeyLess {
    using is_transparent = void;
    static MonitorKeyView View(const MonitorKey& k) { return {k.serial, k.model}; }
    static MonitorKeyView View(const MonitorKeyView& k) { return k; }
    template <class A, class B>
    bool operator()(const A& a, const B& b) const {
        return View(a) < View(b);
    }
};

}  // namespace dvc::registry
