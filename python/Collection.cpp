// FastCollection for Python: the C++ members under their names, and the protocols of a
// mapping-and-sequence: len(), iteration over the values, [1-based position] and [key],
// `key in c`. An item None is stored as Empty (None as an argument means "not given").
#include "Binding.h"

namespace kalder::python {

namespace {

Variant valueOf(const Variant& v) { return v.isMissing() ? Variant() : v; }

}  // namespace

void bindCollection(py::module_& m) {
    py::class_<Object, std::shared_ptr<Object>>(m, "Object", "An object a Variant can carry.");

    using FC = FastCollection;
    py::class_<FC, Object, std::shared_ptr<FC>>(m, "FastCollection")
        .def(py::init([](py::object items) { return items.is_none() ? std::make_shared<FC>() : toCollection(items); }),
             py::arg("items") = py::none(), "Empty, or the items of a dict (with keys) or of a list.")
        .def("Add", [](FC& c, const Variant& item, std::string_view key, const Variant& before,
                       const Variant& after) { c.Add(valueOf(item), key, before, after); },
             py::arg("item"), py::arg("key") = "", py::arg("before") = py::none(), py::arg("after") = py::none())
        .def("Remove", &FC::Remove, py::arg("key"))
        .def("RemoveByKey", &FC::RemoveByKey, py::arg("key"))
        .def("RemoveByIndex", &FC::RemoveByIndex, py::arg("index"))
        .def("Item", py::overload_cast<const Variant&>(&FC::Item, py::const_), py::arg("key"))
        .def("Item", [](FC& c, const Variant& key, const Variant& value) { c.Item(key, valueOf(value)); },
             py::arg("key"), py::arg("value"))
        .def("ItemByIndex", &FC::ItemByIndex, py::arg("index"))
        .def("ItemByKey", &FC::ItemByKey, py::arg("key"))
        .def("KeyExists", &FC::KeyExists, py::arg("key"))
        .def("IndexFromKey", &FC::IndexFromKey, py::arg("key"))
        .def("Key", py::overload_cast<std::int32_t>(&FC::Key, py::const_), py::arg("index"))
        .def("Key", py::overload_cast<std::int32_t, std::string_view>(&FC::Key), py::arg("index"), py::arg("newKey"))
        .def("Keys", &FC::Keys)
        .def("Clear", &FC::Clear)
        .def("Clone", [](FC& c, py::handle other) { c.Clone(*toCollection(other)); }, py::arg("other"))
        .def("NewEnum", &FC::NewEnum)
        .def_property_readonly("Count", &FC::Count)
        .def_property("AllowUpdates", py::overload_cast<>(&FC::AllowUpdates, py::const_),
                      py::overload_cast<bool>(&FC::AllowUpdates))
        .def_property("CompareMode", [](const FC& c) { return static_cast<std::int32_t>(c.CompareMode()); },
                      [](FC& c, std::int32_t mode) { c.CompareMode(static_cast<CompareModes>(mode)); })
        .def_property("Increment", py::overload_cast<>(&FC::Increment, py::const_),
                      py::overload_cast<std::int32_t>(&FC::Increment))
        .def("__len__", &FC::Count)
        .def("__iter__", [](const FC& c) { return py::iter(py::cast(c.NewEnum())); })
        .def("__getitem__", py::overload_cast<const Variant&>(&FC::Item, py::const_))
        .def("__setitem__", [](FC& c, const Variant& key, const Variant& value) { c.Item(key, valueOf(value)); })
        .def("__delitem__", &FC::Remove)
        .def("__contains__", [](const FC& c, py::handle key) {
            return PyUnicode_Check(key.ptr()) && c.KeyExists(key.cast<std::string>());
        })
        .def("__repr__", [](const FC& c) {
            py::list items;
            for (std::int32_t i = 1; i <= c.Count(); ++i) {
                const std::string key = c.Key(i);
                py::object value = fromVariant(c.ItemByIndex(i));
                items.append(key.empty() ? value : py::make_tuple(key, value));
            }
            return "FastCollection(" + py::repr(items).cast<std::string>() + ")";
        });
}

}  // namespace kalder::python
