#include "document/XmlItems.h"

#include <algorithm>
#include <cctype>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstring>
#include <type_traits>

#include "core/Locale.h"
#include "document/ItemRanges.h"
#include "document/XmlText.h"
#include "kalder/AutomationError.h"

namespace kalder {

void ItemWriter::item(std::string_view name, std::int32_t value) {
    char buf[16];
    auto res = std::to_chars(buf, buf + sizeof buf, value);
    text(name, std::string_view(buf, static_cast<std::size_t>(res.ptr - buf)));
}
void ItemWriter::item(std::string_view name, float value) { text(name, formatNumber(value, 7)); }
void ItemWriter::item(std::string_view name, double value) { text(name, formatNumber(value, 15)); }
void ItemWriter::item(std::string_view name, bool value) { text(name, value ? "True" : "False"); }
void ItemWriter::item(std::string_view name, std::string_view value) { text(name, value); }

void ItemWriter::item(std::string_view name, const Variant& value) {
    switch (value.type()) {
        case Variant::Type::Integer:
        case Variant::Type::Long:
        case Variant::Type::Single:
        case Variant::Type::Double:
        case Variant::Type::String:
        case Variant::Type::Boolean: text(name, value.toString()); return;
        default: {
            std::string shown;
            try {
                shown = value.toString();
            } catch (const AutomationError&) {
            }
            throw AutomationError(999, "SaveItemXML", "Item not saved : " + shown);
        }
    }
}

namespace {

// Replaces the characters no document file can hold by U+FFFD in the text and attributes of
// each node it is given or walks.
class CharacterCleaner : public pugi::xml_tree_walker {
public:
    void clean(pugi::xml_node n) {
        if (n.type() == pugi::node_pcdata || n.type() == pugi::node_cdata) replace(n);
        for (pugi::xml_attribute a : n.attributes()) replace(a);
    }
    bool for_each(pugi::xml_node& n) override {
        clean(n);
        return true;
    }

private:
    template <class Item>
    void replace(Item item) {
        const std::string_view value = item.value();
        if (xmlCharacters(value, storage_).data() != value.data()) item.set_value(storage_.c_str());
    }

    std::string storage_;
};

}  // namespace

void DomItemWriter::open(std::string_view name,
                         std::initializer_list<std::pair<std::string_view, std::string_view>> attributes) {
    pugi::xml_node n = stack_.back().append_child(std::string(name).c_str());
    for (const auto& [k, v] : attributes) attribute(n, k, v);
    stack_.push_back(n);
}

void DomItemWriter::close() {
    if (stack_.size() > 1) stack_.pop_back();
}

void DomItemWriter::attribute(pugi::xml_node node, std::string_view name, std::string_view value) {
    std::string storage;
    node.append_attribute(std::string(name).c_str()).set_value(std::string(xmlCharacters(value, storage)).c_str());
}

void DomItemWriter::attribute(std::string_view name, std::string_view value) { attribute(stack_.back(), name, value); }

void DomItemWriter::copy(pugi::xml_node node) {
    // The copy holds what the text writer writes: characters no document file can hold become
    // U+FFFD in its text and attributes too.
    pugi::xml_node copied = stack_.back().append_copy(node);
    CharacterCleaner cleaner;
    cleaner.clean(copied);
    copied.traverse(cleaner);  // without recursion, however deep the copy
}

void DomItemWriter::text(std::string_view name, std::string_view value) {
    pugi::xml_node n = stack_.back().append_child(std::string(name).c_str());
    std::string storage;
    n.append_child(pugi::node_pcdata).set_value(std::string(xmlCharacters(value, storage)).c_str());
}

void appendEscaped(std::string& out, std::string_view raw) {
    std::string storage;
    for (char c : xmlCharacters(raw, storage)) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            case '\r': out += "&#13;"; break;
            default: out += c;
        }
    }
}

void StringItemWriter::endStartTag() {
    if (!inStartTag_) return;
    out_ += '>';
    inStartTag_ = false;
}

void StringItemWriter::open(std::string_view name,
                            std::initializer_list<std::pair<std::string_view, std::string_view>> attributes) {
    endStartTag();
    out_ += '<';
    out_ += name;
    open_.emplace_back(name);
    inStartTag_ = true;
    for (const auto& [k, v] : attributes) attribute(k, v);
}

void StringItemWriter::attribute(std::string_view name, std::string_view value) {
    if (!inStartTag_) return;
    out_ += ' ';
    out_ += name;
    out_ += "=\"";
    appendEscaped(out_, value);
    out_ += '"';
}

void StringItemWriter::close() {
    if (open_.empty()) return;
    endStartTag();
    out_ += "</";
    out_ += open_.back();
    out_ += '>';
    open_.pop_back();
}

void StringItemWriter::copy(pugi::xml_node node) {
    endStartTag();
    out_ += '<';
    out_ += node.name();
    for (pugi::xml_attribute a : node.attributes()) {
        out_ += ' ';
        out_ += a.name();
        out_ += "=\"";
        appendEscaped(out_, a.value());
        out_ += '"';
    }
    out_ += '>';
    for (pugi::xml_node child : node.children()) {
        if (child.type() == pugi::node_element)
            copy(child);
        else if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata)
            appendEscaped(out_, child.value());
    }
    out_ += "</";
    out_ += node.name();
    out_ += '>';
}

void StringItemWriter::text(std::string_view name, std::string_view value) {
    endStartTag();
    out_ += '<';
    out_ += name;
    out_ += '>';
    appendEscaped(out_, value);
    out_ += "</";
    out_ += name;
    out_ += '>';
}

pugi::xml_node ItemReader::find(const char* name) const {
    pugi::xml_node start = cursor_ ? cursor_.next_sibling() : node_.first_child();
    for (pugi::xml_node n = start; n; n = n.next_sibling())
        if (std::strcmp(n.name(), name) == 0) return cursor_ = n;
    for (pugi::xml_node n = node_.first_child(); n && n != start; n = n.next_sibling())
        if (std::strcmp(n.name(), name) == 0) return cursor_ = n;
    return {};
}

namespace {

std::string failureText(const AutomationError& cause, const std::string& what, pugi::xml_node node) {
    std::string text = cause.description().empty() ? std::string(standardErrorText(cause.number())) : cause.description();
    const std::string place = describeNode(node);
    const std::string where = what.empty() ? place : place.empty() ? what : what + " of " + place;
    return where.empty() ? text : text + ": " + where;
}

}  // namespace

XmlLoadError::XmlLoadError(const AutomationError& cause, const std::string& what, pugi::xml_node node)
    : AutomationError(cause.number(), cause.source(), failureText(cause, what, node)),
      offset_(node ? node.offset_debug() : -1) {}

std::string describeNode(pugi::xml_node node) {
    std::string place;
    for (pugi::xml_node n = node; n; n = n.parent()) {
        const pugi::xml_attribute key = n.attribute("Key");
        if (!key) continue;
        std::string kind = n.name();
        for (char& c : kind) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (!place.empty()) place += kind == "page" ? " on " : " in ";
        place += kind + " \"" + key.value() + "\"";
    }
    return place;
}

namespace {

template <class T>
T converted(std::string_view t) {
    if constexpr (std::is_integral_v<T>) {
        T v{};
        auto res = std::from_chars(t.data(), t.data() + t.size(), v);
        if (res.ec == std::errc{} && res.ptr == t.data() + t.size()) return v;  // the common case
    } else if (auto v = parseNumber(t); v && std::isfinite(*v) &&
                                        (std::is_same_v<T, double> || std::fabs(*v) <= FLT_MAX)) {
        return static_cast<T>(*v);
    }
    // Rounding, range and type errors as any conversion of the text gives them.
    Variant text{std::string(t)};
    if constexpr (std::is_same_v<T, std::int32_t>) return text.toLong();
    else if constexpr (std::is_same_v<T, std::int16_t>) return text.toInteger();
    else if constexpr (std::is_same_v<T, float>) return text.toSingle();
    else return text.toDouble();
}

}  // namespace

template <class T>
T ItemReader::number(const char* name) const {
    const pugi::xml_node node = find(name);
    std::string_view t = trimBlanks(node.text().get());
    if (t.empty()) return T{};
    const auto item = [&] { return "item " + std::string(name) + " (\"" + std::string(t.substr(0, 40)) + "\")"; };
    T value;
    try {
        value = converted<T>(t);
    } catch (const AutomationError& e) {
        throw XmlLoadError(e, item(), node);
    }
    if (const auto bound = itemMagnitude(name); bound && std::fabs(static_cast<double>(value)) > *bound)
        throw XmlLoadError(AutomationError(err::Overflow, "LoadXML", "Overflow"),
                           item() + " beyond " + std::to_string(static_cast<long long>(*bound)), node);
    return value;
}

std::int32_t ItemReader::Long(const char* name) const { return number<std::int32_t>(name); }
std::int16_t ItemReader::Integer(const char* name) const { return number<std::int16_t>(name); }
float ItemReader::Single(const char* name) const { return number<float>(name); }
double ItemReader::Double(const char* name) const { return number<double>(name); }

bool ItemReader::Boolean(const char* name) const {
    return lowerAscii(trimBlanks(rawText(name))) == "true";
}

std::string ItemReader::String(const char* name) const { return std::string(rawText(name)); }

Variant ItemReader::item(const char* name, Variant::Type type) const {
    switch (type) {
        case Variant::Type::Integer: return Integer(name);
        case Variant::Type::Long: return Long(name);
        case Variant::Type::Single: return Single(name);
        case Variant::Type::Double: return Double(name);
        case Variant::Type::String: return String(name);
        case Variant::Type::Boolean: return Boolean(name);
        default: throw AutomationError(998, "LoadItemXML", std::string("Item not loaded : ") + name);
    }
}

std::size_t FieldReader::cappedCount(const char* name, std::int32_t itemsPerEntry) const {
    const std::int32_t count = in_.Long(name);
    // A count beyond what the element's items could describe is no real list; capping it
    // keeps a damaged or hostile file from asking for gigabytes.
    std::int32_t items = 0;
    for (pugi::xml_node n = in_.node().first_child(); n && items / itemsPerEntry < count; n = n.next_sibling()) ++items;
    return static_cast<std::size_t>(std::clamp(count, 0, items / itemsPerEntry));
}

}  // namespace kalder
