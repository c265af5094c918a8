// KeyedCollection<T>: an ordered collection of values with optional string keys. Positions
// are direct (an index array); keys are found through a hash table whose bucket count
// doubles with the item count, so a key lookup costs one hash and a short chain walk at any
// size. It is the structure behind FastCollection and behind the document's pages, frames,
// elements and styles, without boxing the values.
//
// Positions in this interface are 1-based, as the public collections count them.
// Keys compare without regard to case under CompareText (the default) and exactly under
// CompareBinary. Errors are AutomationErrors with the source "FastCollection." followed by
// the member name: 457 for a key already used, 381 for a position or key that is not there,
// 387 for a change of compare mode while items are held, 5 for a bad Before/After position.
// Every failing call leaves the collection as it was.
#pragma once

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "kalder/AutomationError.h"
#include "kalder/Enums.h"

namespace kalder {

// Key as compared under CompareText: case-folded (ASCII fast path, Unicode folding otherwise).
std::string foldKeyCase(std::string_view key);

template <class T>
class KeyedCollection {
    // A document holds one node per element, so the node is kept small: the key as compared
    // (folded under CompareText) is not stored but worked out again on a hash match, and the
    // hash and position take 32 bits (positions are 32-bit in the interface anyway; the
    // bucket index uses the low bits of the hash only).
    struct Node {
        T value;
        std::string key;
        Node* next = nullptr;
        std::uint32_t hash = 0;
        std::uint32_t pos = 0;  // 0-based position in order_
    };

public:
    // Small collections (a page's frames, a frame's elements) start with few buckets; the
    // table doubles as keys are added, so large ones keep short chains all the same.
    static constexpr std::size_t kDefaultBuckets = 8;

    // `buckets` is rounded up to a power of two.
    explicit KeyedCollection(CompareModes mode = CompareText, std::size_t buckets = kDefaultBuckets)
        : mode_(mode), firstBuckets_(std::bit_ceil(std::max<std::size_t>(buckets, 1))) {}
    KeyedCollection(const KeyedCollection&) = delete;
    KeyedCollection& operator=(const KeyedCollection&) = delete;
    // The moved-from collection is left empty and usable (its bucket table is rebuilt on
    // the next keyed add).
    KeyedCollection(KeyedCollection&& other) noexcept
        : mode_(other.mode_), step_(other.step_), order_(std::move(other.order_)),
          buckets_(std::move(other.buckets_)), firstBuckets_(other.firstBuckets_),
          keyed_(std::exchange(other.keyed_, 0)) {
        other.order_.clear();
        other.buckets_.clear();
    }
    KeyedCollection& operator=(KeyedCollection&& other) noexcept {
        if (this != &other) {
            mode_ = other.mode_;
            step_ = other.step_;
            order_ = std::move(other.order_);
            buckets_ = std::move(other.buckets_);
            firstBuckets_ = other.firstBuckets_;
            keyed_ = std::exchange(other.keyed_, 0);
            other.order_.clear();
            other.buckets_.clear();
            version_ = std::max(version_, other.version_) + 1;
            ++other.version_;
        }
        return *this;
    }

    std::int32_t Count() const noexcept { return static_cast<std::int32_t>(order_.size()); }
    std::size_t size() const noexcept { return order_.size(); }
    bool empty() const noexcept { return order_.empty(); }

    CompareModes compareMode() const noexcept { return mode_; }
    void setCompareMode(CompareModes mode) {
        ++version_;
        if (!order_.empty())
            throw AutomationError(err::SetNotPermitted, "FastCollection.CompareMode (Let)",
                                  "Cannot change CompareMode. The collection contains items.");
        mode_ = mode;
    }

    // Growth step of the index array, as stored (see FastCollection::Increment); 0 grows it
    // as a vector grows.
    std::int32_t step() const noexcept { return step_; }
    void setStep(std::int32_t step) noexcept { step_ = step; }

    // A number that changes whenever the items, their keys or their order may have changed,
    // so that a caller can keep what it looked up until then.
    std::uint64_t version() const noexcept { return version_; }

    // Appends; returns the stored value.
    T& add(T value, std::string_view key = {}) { return insert(order_.size(), std::move(value), key); }

    // Inserts so that the new item is at 1-based position `before` (Count + 1 appends).
    T& insertAt(std::int32_t position, T value, std::string_view key = {}) {
        if (!key.empty() && lookup(key)) raiseStandard(err::DuplicateKey, "FastCollection.Add");
        if (position < 1 || position > Count() + 1) raiseStandard(err::InvalidCall, "FastCollection.Add");
        return insert(static_cast<std::size_t>(position - 1), std::move(value), key);
    }

    T* find(std::string_view key) noexcept {
        Node* n = lookup(key);
        return n ? &n->value : nullptr;
    }
    const T* find(std::string_view key) const noexcept {
        const Node* n = lookup(key);
        return n ? &n->value : nullptr;
    }
    bool contains(std::string_view key) const noexcept { return lookup(key) != nullptr; }

    // 1-based position of the key, 0 when absent.
    std::int32_t indexOf(std::string_view key) const noexcept {
        const Node* n = lookup(key);
        return n ? static_cast<std::int32_t>(n->pos + 1) : 0;
    }

    T& at(std::int32_t position, const char* member = "ItemByIndex") {
        ++version_;  // the caller may store another value through the reference
        return node(position, member).value;
    }
    const T& at(std::int32_t position, const char* member = "ItemByIndex") const {
        return const_cast<KeyedCollection*>(this)->node(position, member).value;
    }
    T& byKey(std::string_view key, const char* member = "ItemByKey") {
        ++version_;  // the caller may store another value through the reference
        Node* n = lookup(key);
        if (!n) raiseStandard(err::InvalidPropertyIndex, std::string("FastCollection.") + member);
        return n->value;
    }

    const std::string& keyAt(std::int32_t position) const {
        return const_cast<KeyedCollection*>(this)->node(position, "Key (Get)").key;
    }

    // Gives the item at `position` a new key ("" removes its key).
    void rename(std::int32_t position, std::string_view newKey) {
        ++version_;
        Node& n = node(position, "Key (LET)");
        std::string key(newKey);
        std::uint32_t hash = key.empty() ? 0 : hashOf(matchOf(key));
        if (!newKey.empty()) {
            Node* other = lookup(newKey);
            if (other && other != &n) raiseStandard(err::DuplicateKey, "FastCollection.Key (LET)");
        }
        if (!n.key.empty()) unlink(n);
        n.key = std::move(key);
        n.hash = hash;
        if (!n.key.empty()) link(n);
    }

    void removeAt(std::int32_t position, const char* member = "RemoveByIndex") {
        ++version_;
        Node& n = node(position, member);
        if (!n.key.empty()) unlink(n);
        std::size_t pos = n.pos;
        order_.erase(order_.begin() + static_cast<std::ptrdiff_t>(pos));
        renumberFrom(pos);
    }
    // Removes the item with that key; false when there is none.
    bool removeKey(std::string_view key) {
        ++version_;
        const Node* n = lookup(key);
        if (!n) return false;
        removeAt(static_cast<std::int32_t>(n->pos + 1));
        return true;
    }

    void clear() noexcept {
        ++version_;
        order_.clear();
        std::fill(buckets_.begin(), buckets_.end(), nullptr);
        keyed_ = 0;
    }

    std::vector<std::string> keys() const {
        std::vector<std::string> out;
        out.reserve(order_.size());
        for (const auto& n : order_) out.push_back(n->key);
        return out;
    }

    // Range-for over the values in order.
    template <class NodeIt, class V>
    class Iter {
    public:
        using iterator_category = std::random_access_iterator_tag;
        using value_type = std::remove_const_t<V>;
        using difference_type = std::ptrdiff_t;
        using pointer = V*;
        using reference = V&;
        Iter() = default;
        explicit Iter(NodeIt it) : it_(it) {}
        reference operator*() const { return (*it_)->value; }
        pointer operator->() const { return &(*it_)->value; }
        Iter& operator++() { ++it_; return *this; }
        Iter operator++(int) { Iter t = *this; ++it_; return t; }
        Iter& operator--() { --it_; return *this; }
        difference_type operator-(const Iter& o) const { return it_ - o.it_; }
        Iter operator+(difference_type d) const { return Iter(it_ + d); }
        bool operator==(const Iter& o) const { return it_ == o.it_; }
        const std::string& key() const { return (*it_)->key; }
    private:
        NodeIt it_{};
    };
    using iterator = Iter<typename std::vector<std::unique_ptr<Node>>::iterator, T>;
    using const_iterator = Iter<typename std::vector<std::unique_ptr<Node>>::const_iterator, const T>;
    iterator begin() { return iterator(order_.begin()); }
    iterator end() { return iterator(order_.end()); }
    const_iterator begin() const { return const_iterator(order_.begin()); }
    const_iterator end() const { return const_iterator(order_.end()); }

private:
    std::string matchOf(std::string_view key) const {
        return mode_ == CompareText ? foldKeyCase(key) : std::string(key);
    }
    static std::uint32_t hashOf(std::string_view match) noexcept {
        return static_cast<std::uint32_t>(std::hash<std::string_view>{}(match));
    }
    // Whether a stored key compares equal to `match` (a key already as compared).
    bool matches(const std::string& key, const std::string& match) const {
        if (mode_ != CompareText) return key == match;
        if (key.size() == match.size()) {
            // An ASCII key folds letter by letter; compare it so without building the fold.
            bool ascii = true;
            for (std::size_t i = 0; i < key.size() && ascii; ++i) {
                char c = key[i];
                if (static_cast<unsigned char>(c) >= 0x80) ascii = false;
                else if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
                if (ascii && c != match[i]) return false;
            }
            if (ascii) return true;
        }
        return foldKeyCase(key) == match;
    }

    Node* lookup(std::string_view key) const noexcept {
        if (key.empty() || keyed_ == 0) return nullptr;
        try {
            const std::string match = matchOf(key);
            const std::uint32_t h = hashOf(match);
            for (Node* n = buckets_[h & (buckets_.size() - 1)]; n; n = n->next)
                if (n->hash == h && matches(n->key, match)) return n;
        } catch (...) {
        }
        return nullptr;
    }

    Node& node(std::int32_t position, const char* member) {
        if (position < 1 || position > Count())
            raiseStandard(err::InvalidPropertyIndex, std::string("FastCollection.") + member);
        return *order_[static_cast<std::size_t>(position - 1)];
    }

    T& insert(std::size_t pos, T value, std::string_view key) {
        ++version_;
        try {
            if (!key.empty() && lookup(key)) raiseStandard(err::DuplicateKey, "FastCollection.Add");
            auto n = std::make_unique<Node>(Node{std::move(value), std::string(key), nullptr, 0,
                                                 static_cast<std::uint32_t>(pos)});
            if (!key.empty()) {
                n->hash = hashOf(matchOf(key));
                // Two keys to a bucket on average: chains stay short, and a document's many
                // element collections keep half the bucket arrays.
                if (keyed_ + 1 > 2 * buckets_.size())
                    rehash(buckets_.empty() ? firstBuckets_ : buckets_.size() * 2);
            }
            if (step_ > 0 && order_.size() == order_.capacity()) {
                // The index array grows by the step at least; beyond that by half its size, so
                // that a million adds stay linear rather than quadratic.
                std::size_t grow = std::max<std::size_t>(static_cast<std::size_t>(step_), order_.capacity() / 2);
                order_.reserve(order_.capacity() + grow);
            }
            Node* raw = n.get();
            order_.insert(order_.begin() + static_cast<std::ptrdiff_t>(pos), std::move(n));
            if (pos + 1 != order_.size()) renumberFrom(pos);
            if (!raw->key.empty()) link(*raw);
            return raw->value;
        } catch (const std::bad_alloc&) {
            raiseStandard(err::OutOfMemory, "FastCollection.Add");
        }
    }

    void renumberFrom(std::size_t pos) noexcept {
        for (std::size_t i = pos; i < order_.size(); ++i) order_[i]->pos = static_cast<std::uint32_t>(i);
    }

    // `n.hash` is set.
    void link(Node& n) noexcept {
        Node*& head = buckets_[n.hash & (buckets_.size() - 1)];
        // Append to the chain so that, as documented, the first key added wins on equal keys.
        Node** slot = &head;
        while (*slot) slot = &(*slot)->next;
        n.next = nullptr;
        *slot = &n;
        ++keyed_;
    }

    void unlink(Node& n) noexcept {
        Node** slot = &buckets_[n.hash & (buckets_.size() - 1)];
        while (*slot && *slot != &n) slot = &(*slot)->next;
        if (*slot) {
            *slot = n.next;
            --keyed_;
        }
        n.next = nullptr;
    }

    void rehash(std::size_t count) {
        std::vector<Node*> fresh(count, nullptr);
        // Relink in item order so that chains keep insertion order.
        for (auto& up : order_) {
            Node& n = *up;
            if (n.key.empty()) continue;
            Node** slot = &fresh[n.hash & (count - 1)];
            while (*slot) slot = &(*slot)->next;
            n.next = nullptr;
            *slot = &n;
        }
        buckets_.swap(fresh);
    }

    CompareModes mode_;
    std::int32_t step_ = 0;  // 0: the index array grows as a vector does
    std::vector<std::unique_ptr<Node>> order_;
    // Made on the first keyed add: a document holds many collections that stay empty.
    std::vector<Node*> buckets_;
    std::size_t firstBuckets_ = kDefaultBuckets;
    std::size_t keyed_ = 0;
    std::uint64_t version_ = 0;  // changes with every change of the items, their keys or order
};

}  // namespace kalder
