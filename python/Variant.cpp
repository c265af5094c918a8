// Python values to and from kalder::Variant (rules in Binding.h).
#include "Binding.h"

#include <cmath>
#include <string>

namespace kalder::python {

namespace {

// Dates are days since 1899-12-30, the time of day the fraction, as the automation run-time
// counts them.
py::object epoch() {
    py::object datetime = py::module_::import("datetime").attr("datetime");
    return datetime(1899, 12, 30);
}

}  // namespace

bool toVariant(py::handle src, Variant& out) {
    if (src.is_none()) {
        out = Variant::missing();
    } else if (PyBool_Check(src.ptr())) {
        out = Variant(src.ptr() == Py_True);
    } else if (PyLong_Check(src.ptr())) {
        int overflow = 0;
        const long long v = PyLong_AsLongLongAndOverflow(src.ptr(), &overflow);
        out = overflow ? Variant(PyLong_AsDouble(src.ptr())) : Variant(v);
    } else if (PyFloat_Check(src.ptr())) {
        out = Variant(PyFloat_AsDouble(src.ptr()));
    } else if (PyUnicode_Check(src.ptr())) {
        out = Variant(src.cast<std::string>());
    } else if (PyBytes_Check(src.ptr())) {
        out = Variant(std::string(src.cast<py::bytes>()));
    } else if (py::isinstance<FastCollection>(src)) {
        out = Variant(std::static_pointer_cast<Object>(src.cast<std::shared_ptr<FastCollection>>()));
    } else if (PyList_Check(src.ptr()) || PyTuple_Check(src.ptr())) {
        Variant::Array items;
        for (py::handle item : src) {
            Variant v;
            if (!toVariant(item, v)) return false;
            items.push_back(v.isMissing() ? Variant() : v);
        }
        out = Variant(std::move(items));
    } else {
        py::module_ datetime = py::module_::import("datetime");
        if (py::isinstance(src, datetime.attr("datetime"))) {
            py::object days = (py::reinterpret_borrow<py::object>(src) - epoch()) / datetime.attr("timedelta")(1);
            out = Variant::date(days.cast<double>());
        } else if (py::isinstance(src, datetime.attr("date"))) {
            py::object days = (py::reinterpret_borrow<py::object>(src) - epoch().attr("date")()).attr("days");
            out = Variant::date(days.cast<double>());
        } else {
            return false;
        }
    }
    return true;
}

py::object fromVariant(const Variant& v) {
    switch (v.type()) {
        case Variant::Type::Empty:
        case Variant::Type::Missing: return py::none();
        case Variant::Type::Boolean: return py::bool_(v.toBool());
        case Variant::Type::Integer:
        case Variant::Type::Long: return py::int_(v.toLong());
        case Variant::Type::Single:
        case Variant::Type::Double: return py::float_(v.toDouble());
        case Variant::Type::Date: {
            py::object timedelta = py::module_::import("datetime").attr("timedelta");
            return epoch() + timedelta(v.toDouble());
        }
        case Variant::Type::String: {
            const std::string s = v.toString();
            PyObject* text = PyUnicode_DecodeUTF8(s.data(), static_cast<Py_ssize_t>(s.size()), nullptr);
            if (text) return py::reinterpret_steal<py::object>(text);
            PyErr_Clear();  // bytes from a binary column: hand them over as they are
            return py::bytes(s);
        }
        // The most derived class Python knows: FastCollection, a report column, else Object.
        case Variant::Type::Object: return py::cast(v.toObject());
        case Variant::Type::Array: {
            py::list items;
            for (const Variant& item : v.array()) items.append(fromVariant(item));
            return items;
        }
    }
    return py::none();
}

std::shared_ptr<FastCollection> toCollection(py::handle src) {
    if (py::isinstance<FastCollection>(src)) return src.cast<std::shared_ptr<FastCollection>>();
    auto c = std::make_shared<FastCollection>();
    auto add = [&](py::handle value, std::string_view key) {
        Variant v;
        if (!toVariant(value, v)) throw py::type_error("a collection item must be a str, number, date or None");
        c->Add(v.isMissing() ? Variant() : v, key);
    };
    if (PyDict_Check(src.ptr())) {
        for (auto [key, value] : py::reinterpret_borrow<py::dict>(src)) add(value, py::str(key).cast<std::string>());
    } else if (py::isinstance<py::iterable>(src) && !PyUnicode_Check(src.ptr())) {
        for (py::handle value : src) add(value, {});
    } else {
        throw py::type_error("expected a FastCollection, a dict or a list");
    }
    return c;
}

}  // namespace kalder::python
