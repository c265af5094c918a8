// The shape shared by the tree's collections (pages, frames, elements): shared objects in
// order under keys that compare without regard to case. Looking up a key or position that
// is not there gives nullptr; callers check for it.
#pragma once

#include <memory>
#include <string_view>

#include "core/KeyedCollection.h"

namespace kalder {

template <class T>
class ObjectCollection {
public:
    using Ptr = std::shared_ptr<T>;

    std::int32_t Count() const noexcept { return items_.Count(); }
    // Changes whenever the items, their keys or their order may have changed.
    std::uint64_t version() const noexcept { return items_.version(); }
    bool empty() const noexcept { return items_.empty(); }

    Ptr Item(std::string_view key) const {
        const Ptr* p = items_.find(key);
        return p ? *p : nullptr;
    }
    // 1-based position.
    Ptr Item(std::int32_t position) const {
        return position >= 1 && position <= Count() ? items_.at(position) : nullptr;
    }
    std::int32_t IndexOf(std::string_view key) const noexcept { return items_.indexOf(key); }
    bool Contains(std::string_view key) const noexcept { return items_.contains(key); }

    void Remove(std::string_view key) { items_.removeKey(key); }
    void Remove(std::int32_t position) {
        if (position >= 1 && position <= Count()) items_.removeAt(position);
    }
    void Clear() noexcept { items_.clear(); }

    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

protected:
    KeyedCollection<Ptr> items_;
};

}  // namespace kalder
