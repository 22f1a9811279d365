#include "operation_shapes.hpp"

namespace dvc::cli {

namespace {

template <class... F>
struct Overload : F... {
    using F::operator()...;
};
template <class... F>
Overload(F...) -> Overload<F...>;

}  // namespace

Selector SelectorOf(const Getter& get) {
    return std::visit(
        Overload{[](const ChannelGet&) { return Selector::Channel; }, [](const ItemGet&) { return Selector::Index; },
                 [](const CustomGet& g) { return g.selector; }, [](const auto&) { return Selector::None; }},
        get);
}

Selector SelectorOf(const Setter& set) {
    return std::visit(
        Overload{[](const ChannelSet&) { return Selector::Channel; }, [](const ItemSet&) { return Selector::Index; },
                 [](const auto&) { return Selector::None; }},
        set);
}

int ValueCount(const Setter& set) {
    return std::visit(Overload{[](const std::monostate&) { return 0; }, [](const XySet&) { return 2; },
                               [](const PairsSet& s) { return 2 * s.pairs; }, [](const WordsSet& s) { return s.most; },
                               [](const auto&) { return 1; }},
                      set);
}

std::string ValueShape(const Setter& set) {
    return std::visit(
        Overload{[](const std::monostate&) { return std::string(); },
                 [](const BlockSet&) { return std::string("HEX"); },
                 [](const FixedSet& s) { return "HEX (" + std::to_string(s.length) + " bytes)"; },
                 [](const XySet&) { return std::string("X Y"); },
                 [](const PairsSet& s) { return std::to_string(2 * s.pairs) + " numbers (x y of each)"; },
                 [](const WordsSet& s) { return std::string(s.shape); }, [](const auto&) { return std::string("N"); }},
        set);
}

}  // namespace dvc::cli
