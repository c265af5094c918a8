// Creates elements by kind number (the ElementType and the XML "Type").
//
// The registry is filled once, on first use, by registerElementKinds(), which the library
// defines beside the public facade: it names every kind of every folder, so that the
// document tree itself includes no header of the kinds. After that the registry is read-only.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "document/cElement.h"

namespace kalder {

class ElementFactory {
public:
    using Creator = std::function<ElementPtr()>;
    static constexpr std::int32_t kFirstKind = 1;
    static constexpr std::int32_t kLastKind = 15;

    static const ElementFactory& instance();

    // A new, empty element of that kind. Kinds 1..15 that have no class yet become an element
    // that keeps its XML form as it was read, so such documents load and save without loss.
    // Other numbers: error -69 "Kalder" "Unknown element".
    ElementPtr create(std::int32_t kind) const;

    bool has(std::int32_t kind) const;
    void add(std::int32_t kind, Creator creator);

private:
    ElementFactory() = default;
    std::array<Creator, kLastKind + 1> creators_{};
};

// Defined once for the whole library: adds every element kind to the factory.
void registerElementKinds(ElementFactory& factory);

}  // namespace kalder
