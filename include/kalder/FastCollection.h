// FastCollection: an ordered collection of Variant items with optional string keys.
// Keys are found through a hash table, positions (1-based) directly, so neither scans the
// items. Errors carry the source "FastCollection." followed by the member name:
//   457 key already used (Add, Key let); 381 position outside 1..Count or key not found;
//   383 Item replaced while AllowUpdates is False; 387 CompareMode changed while items are
//   held ("Cannot change CompareMode. The collection contains items."); 5 a Before/After
//   that names no item, or both given.
// A failing call leaves the collection as it was. Range-for enumerates the item values.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "kalder/Enums.h"
#include "kalder/Variant.h"

namespace kalder {

template <class T>
class KeyedCollection;

class FastCollection : public Object {
public:
    FastCollection();
    ~FastCollection() override;
    FastCollection(const FastCollection&) = delete;
    FastCollection& operator=(const FastCollection&) = delete;

    // Item let and set are allowed only while this is true; false when created.
    bool AllowUpdates() const noexcept;
    void AllowUpdates(bool allow) noexcept;

    // Appends every item of another collection, in its order, without keys.
    void Clone(const FastCollection& other);
    void Clone(const std::vector<Variant>& items);

    // Adds an item at the end, or before / after the item named by position or key.
    void Add(const Variant& item, std::string_view key = {}, const Variant& before = Variant::missing(),
             const Variant& after = Variant::missing());

    void Clear() noexcept;

    CompareModes CompareMode() const noexcept;
    void CompareMode(CompareModes mode);

    std::int32_t Count() const noexcept;

    // Growth step of the index array. Let stores value / 16 (at least 4); get returns it.
    std::int32_t Increment() const noexcept;
    void Increment(std::int32_t value) noexcept;

    // 1-based position of the key, 0 when there is none.
    std::int32_t IndexFromKey(std::string_view key) const;

    // The default member: by position (a number) or key (a string).
    Variant Item(const Variant& key) const;
    void Item(const Variant& key, const Variant& value);
    Variant operator[](const Variant& key) const { return Item(key); }

    Variant ItemByIndex(std::int32_t index) const;
    Variant ItemByKey(std::string_view key) const;
    bool KeyExists(std::string_view key) const;

    std::string Key(std::int32_t index) const;
    void Key(std::int32_t index, std::string_view newKey);
    std::vector<std::string> Keys() const;

    // By position (a number) or key (a string).
    void Remove(const Variant& key);
    // Removing a key that is not there does nothing.
    void RemoveByKey(std::string_view key);
    void RemoveByIndex(std::int32_t index);

    // A snapshot of the values in order (the collection's enumerator hands out copies, so
    // the collection may change while the snapshot is walked).
    std::vector<Variant> NewEnum() const;

    // Range-for over the stored values in order, without copying them.
    class iterator {
    public:
        using value_type = Variant;
        using difference_type = std::ptrdiff_t;
        using reference = const Variant&;
        iterator(const FastCollection* c, std::int32_t i) : c_(c), i_(i) {}
        reference operator*() const;
        iterator& operator++() {
            ++i_;
            return *this;
        }
        bool operator==(const iterator& o) const { return i_ == o.i_; }

    private:
        const FastCollection* c_;
        std::int32_t i_;
    };
    iterator begin() const { return iterator(this, 1); }
    iterator end() const { return iterator(this, Count() + 1); }

private:
    std::unique_ptr<KeyedCollection<Variant>> items_;
    bool allowUpdates_ = false;
};

}  // namespace kalder
