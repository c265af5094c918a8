// The item encoding shared by every object's XML form. An item is a child element whose
// name is the item name and whose text is the value:
//   numbers  -> text in the user locale's number format (read back with the same format)
//   strings  -> the text itself, escaped as XML character data
//   booleans -> "True" / "False" (read back case-insensitively; anything else is false)
// A value of another type cannot be written: error 999 "SaveItemXML" "Item not saved : ".
// Reading asks for a type; a missing item gives 0, "" or false; asking for a type that
// items do not have fails with 998 "LoadItemXML" "Item not loaded : <name>".
//
// Every object writes its form once, to an ItemWriter; the DOM writer and the string writer
// turn the same calls into a pugixml tree or into markup text, so the two forms cannot drift.
// Every object also names its items once: its field list runs over a FieldWriter to save and
// over a FieldReader to load, so a name cannot differ between the two.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <pugixml.hpp>

#include "kalder/AutomationError.h"
#include "kalder/Variant.h"

namespace kalder {

class ItemWriter {
public:
    virtual ~ItemWriter() = default;

    // Opens a child element with attributes (each written as text); close() ends it.
    virtual void open(std::string_view name,
                      std::initializer_list<std::pair<std::string_view, std::string_view>> attributes = {}) = 0;
    virtual void close() = 0;
    // Adds an attribute to the element opened last, before anything is written inside it.
    virtual void attribute(std::string_view name, std::string_view value) = 0;

    void item(std::string_view name, std::int32_t value);
    void item(std::string_view name, float value);
    void item(std::string_view name, double value);
    void item(std::string_view name, bool value);
    void item(std::string_view name, std::string_view value);
    void item(std::string_view name, const std::string& value) { item(name, std::string_view(value)); }
    void item(std::string_view name, const char* value) { item(name, std::string_view(value)); }
    // By the value's type; error 999 for a type items cannot hold.
    void item(std::string_view name, const Variant& value);

    // Writes a stored element with everything in it as it was read: attributes, text and
    // child elements (for element kinds kept without a class of their own).
    virtual void copy(pugi::xml_node node) = 0;

protected:
    // Writes one item whose text is already encoded.
    virtual void text(std::string_view name, std::string_view value) = 0;
};

// Appends to a pugixml node.
class DomItemWriter final : public ItemWriter {
public:
    explicit DomItemWriter(pugi::xml_node parent) { stack_.push_back(parent); }
    void open(std::string_view name,
              std::initializer_list<std::pair<std::string_view, std::string_view>> attributes = {}) override;
    void close() override;
    void attribute(std::string_view name, std::string_view value) override;
    void copy(pugi::xml_node node) override;

protected:
    void text(std::string_view name, std::string_view value) override;

private:
    static void attribute(pugi::xml_node node, std::string_view name, std::string_view value);

    std::vector<pugi::xml_node> stack_;
};

// Appends markup text to a string.
class StringItemWriter final : public ItemWriter {
public:
    explicit StringItemWriter(std::string& out) : out_(out) {}
    void open(std::string_view name,
              std::initializer_list<std::pair<std::string_view, std::string_view>> attributes = {}) override;
    void close() override;
    void attribute(std::string_view name, std::string_view value) override;
    void copy(pugi::xml_node node) override;

protected:
    void text(std::string_view name, std::string_view value) override;

private:
    // Ends the start tag of the element opened last, which stays open for attributes until
    // something is written inside it or it is closed.
    void endStartTag();

    std::string& out_;
    std::vector<std::string> open_;
    bool inStartTag_ = false;
};

// Escapes text as XML character data (also usable inside double-quoted attributes).
void appendEscaped(std::string& out, std::string_view text);

// Reads the items of one element.
// A failure met while reading a document file, named by what it was reading: the item, the
// objects around it by key, and the node's place in the parsed text (pugixml's offset; -1
// when unknown), which the loader turns into a line and column.
class XmlLoadError : public AutomationError {
public:
    XmlLoadError(const AutomationError& cause, const std::string& what, pugi::xml_node node);
    std::ptrdiff_t offset() const noexcept { return offset_; }

private:
    std::ptrdiff_t offset_;
};

// The objects that hold a node, innermost first: ‘element "El 2" in frame "inside" on page
// "Page 1"’; empty for a node outside any keyed object.
std::string describeNode(pugi::xml_node node);

class ItemReader {
public:
    explicit ItemReader(pugi::xml_node node) : node_(node) {}

    pugi::xml_node node() const { return node_; }
    bool exists() const { return static_cast<bool>(node_); }

    std::int32_t Long(const char* name) const;
    std::int16_t Integer(const char* name) const;
    float Single(const char* name) const;
    double Double(const char* name) const;
    bool Boolean(const char* name) const;
    std::string String(const char* name) const;
    bool has(const char* name) const { return static_cast<bool>(find(name)); }

    // By a requested type: Integer, Long, Single, Double, String, Boolean; 998 otherwise.
    Variant item(const char* name, Variant::Type type) const;

    std::string attribute(const char* name) const { return node_.attribute(name).value(); }
    ItemReader child(const char* name) const { return ItemReader(find(name)); }

private:
    pugi::xml_node find(const char* name) const;
    std::string_view rawText(const char* name) const { return find(name).text().get(); }
    template <class T>
    T number(const char* name) const;

    pugi::xml_node node_;
    // Items are usually read in the order they were written: the search for the next one
    // starts after the last one found, so reading an object's items is linear, not quadratic.
    mutable pugi::xml_node cursor_;
};

// The field list of an object, written once and run both ways:
//   template <class Self, class Io> static void fields(Self& self, Io io) {
//       io.item("X1", self.x1);
//       ...
//   }
// Saving runs it over the const object with a FieldWriter, loading over the object itself
// with a FieldReader; both are handles to be passed by value. Items are int32, float, double,
// bool or std::string; loading reads them with the tolerance of ItemReader. Io::loading lets a
// list convert a value on its way (a computed size, a state held in a Variant).
class FieldWriter {
public:
    static constexpr bool loading = false;
    explicit FieldWriter(ItemWriter& out) : out_(out) {}

    template <class T>
    void item(const char* name, const T& value) { out_.item(name, value); }
    // Left out while it equals what a missing item reads as, so that objects not using it keep
    // the items other readers of the format know.
    template <class T>
    void itemIfSet(const char* name, const T& value) {
        if (value != T{}) out_.item(name, value);
    }
    // Only before the first item.
    void attribute(const char* name, const std::string& value) { out_.attribute(name, value); }
    // The entry count of a list whose entries follow as items of their own.
    template <class T>
    void listSize(const char* name, const std::vector<T>& list, std::int32_t /*itemsPerEntry*/) {
        out_.item(name, static_cast<std::int32_t>(list.size()));
    }
    // A child element holding `value`, whose items `fields(value, io)` lists.
    template <class T, class Fields>
    void record(const char* name, T& value, Fields fields) {
        out_.open(name);
        fields(value, *this);
        out_.close();
    }

private:
    ItemWriter& out_;
};

class FieldReader {
public:
    static constexpr bool loading = true;
    explicit FieldReader(const ItemReader& in) : in_(in) {}

    void item(const char* name, std::int32_t& value) { value = in_.Long(name); }
    void item(const char* name, float& value) { value = in_.Single(name); }
    void item(const char* name, double& value) { value = in_.Double(name); }
    void item(const char* name, bool& value) { value = in_.Boolean(name); }
    void item(const char* name, std::string& value) { value = in_.String(name); }
    template <class T>
    void itemIfSet(const char* name, T& value) { item(name, value); }
    void attribute(const char* name, std::string& value) { value = in_.attribute(name); }
    // Gives the list as many default entries as its count item says, within reason.
    template <class T>
    void listSize(const char* name, std::vector<T>& list, std::int32_t itemsPerEntry) {
        list.assign(cappedCount(name, itemsPerEntry), T{});
    }
    // A missing child reads as one without items.
    template <class T, class Fields>
    void record(const char* name, T& value, Fields fields) {
        const ItemReader child = in_.child(name);
        FieldReader io(child);
        fields(value, io);
    }

private:
    std::size_t cappedCount(const char* name, std::int32_t itemsPerEntry) const;

    const ItemReader& in_;
};

// Parse options for documents: whitespace-only items and CR characters survive a round trip.
constexpr unsigned kXmlParseOptions = (pugi::parse_default & ~pugi::parse_eol) | pugi::parse_ws_pcdata_single;

}  // namespace kalder
