#include "kalder/FastCollection.h"

#include "core/KeyedCollection.h"

namespace kalder {

namespace {
constexpr const char* kSource = "FastCollection.";
// A public collection starts with 2048 buckets, the table grows from there.
constexpr std::size_t kPublicBuckets = 2048;
constexpr std::int32_t kInitialIncrement = 4000;
}  // namespace

FastCollection::FastCollection()
    : items_(std::make_unique<KeyedCollection<Variant>>(CompareText, kPublicBuckets)) {
    items_->setStep(kInitialIncrement);
}
FastCollection::~FastCollection() = default;

bool FastCollection::AllowUpdates() const noexcept { return allowUpdates_; }
void FastCollection::AllowUpdates(bool allow) noexcept { allowUpdates_ = allow; }

void FastCollection::Clone(const FastCollection& other) {
    if (&other == this) {
        std::vector<Variant> snapshot = NewEnum();
        Clone(snapshot);
        return;
    }
    for (const Variant& v : other) Add(v);
}

void FastCollection::Clone(const std::vector<Variant>& items) {
    for (const Variant& v : items) Add(v);
}

void FastCollection::Add(const Variant& item, std::string_view key, const Variant& before, const Variant& after) {
    const bool hasBefore = !before.isMissing() && !before.isEmpty();
    const bool hasAfter = !after.isMissing() && !after.isEmpty();
    if (!hasBefore && !hasAfter) {
        items_->add(item, key);
        return;
    }
    // A used key is reported before the position, whatever the position says.
    if (!key.empty() && items_->contains(key)) raiseStandard(err::DuplicateKey, std::string(kSource) + "Add");
    if (hasBefore && hasAfter) raiseStandard(err::InvalidCall, std::string(kSource) + "Add");
    const Variant& where = hasBefore ? before : after;
    std::int32_t position = 0;
    if (where.isString()) {
        position = items_->indexOf(where.toString());
    } else {
        try {
            position = where.toLong();
        } catch (const AutomationError&) {
            position = 0;
        }
    }
    if (position < 1 || position > Count()) raiseStandard(err::InvalidCall, std::string(kSource) + "Add");
    items_->insertAt(hasBefore ? position : position + 1, item, key);
}

void FastCollection::Clear() noexcept { items_->clear(); }

CompareModes FastCollection::CompareMode() const noexcept { return items_->compareMode(); }
void FastCollection::CompareMode(CompareModes mode) { items_->setCompareMode(mode); }

std::int32_t FastCollection::Count() const noexcept { return items_->Count(); }

std::int32_t FastCollection::Increment() const noexcept { return items_->step(); }
void FastCollection::Increment(std::int32_t value) noexcept { items_->setStep(std::max(value / 16, 4)); }

std::int32_t FastCollection::IndexFromKey(std::string_view key) const { return items_->indexOf(key); }

Variant FastCollection::Item(const Variant& key) const {
    if (key.isString()) return items_->byKey(key.toString(), "Item (Get)");
    std::int32_t index = 0;
    try {
        index = key.toLong();
    } catch (const AutomationError&) {
        raiseStandard(err::InvalidPropertyIndex, std::string(kSource) + "Item (Get)");
    }
    return items_->at(index, "Item (Get)");
}

void FastCollection::Item(const Variant& key, const Variant& value) {
    // An object value is a "set", any other a "let", as the automation interface names them.
    const char* member = value.isObject() ? "Item (Set)" : "Item (Let)";
    if (!allowUpdates_) raiseStandard(err::ReadOnlyProperty, std::string(kSource) + member);
    if (key.isString()) {
        items_->byKey(key.toString(), member) = value;
        return;
    }
    std::int32_t index = 0;
    try {
        index = key.toLong();
    } catch (const AutomationError&) {
        raiseStandard(err::InvalidPropertyIndex, std::string(kSource) + member);
    }
    items_->at(index, member) = value;
}

Variant FastCollection::ItemByIndex(std::int32_t index) const { return items_->at(index, "ItemByIndex"); }
Variant FastCollection::ItemByKey(std::string_view key) const { return items_->byKey(key, "ItemByKey"); }
bool FastCollection::KeyExists(std::string_view key) const { return items_->contains(key); }

std::string FastCollection::Key(std::int32_t index) const { return items_->keyAt(index); }
void FastCollection::Key(std::int32_t index, std::string_view newKey) { items_->rename(index, newKey); }
std::vector<std::string> FastCollection::Keys() const { return items_->keys(); }

void FastCollection::Remove(const Variant& key) {
    if (key.isString()) {
        RemoveByKey(key.toString());
        return;
    }
    std::int32_t index = 0;
    try {
        index = key.toLong();
    } catch (const AutomationError&) {
        raiseStandard(err::InvalidPropertyIndex, std::string(kSource) + "RemoveByIndex");
    }
    RemoveByIndex(index);
}

void FastCollection::RemoveByKey(std::string_view key) { items_->removeKey(key); }
void FastCollection::RemoveByIndex(std::int32_t index) { items_->removeAt(index, "RemoveByIndex"); }

std::vector<Variant> FastCollection::NewEnum() const {
    std::vector<Variant> out;
    out.reserve(items_->size());
    for (const Variant& v : *items_) out.push_back(v);
    return out;
}

const Variant& FastCollection::iterator::operator*() const { return c_->items_->at(i_); }

}  // namespace kalder
