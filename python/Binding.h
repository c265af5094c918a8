// The pieces of the Python module `kalder`, one function per family, and the conversions
// they share. Every translation unit of the module includes this header first, so that the
// Variant conversion below is the one pybind11 sees everywhere.
//
// Conversions: a Python value becomes a kalder::Variant as None -> missing (an optional
// argument not given), bool, int (a Long when it fits 32 bits, else a Double), float, str,
// bytes (a String holding the bytes), datetime/date (a date), FastCollection (an object),
// list or tuple (an array). Back: Empty and missing -> None, dates -> datetime.datetime,
// a String that is no valid UTF-8 -> bytes.
#pragma once

#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <memory>

#include "kalder/FastCollection.h"
#include "kalder/Variant.h"

namespace kalder::python {

namespace py = pybind11;

bool toVariant(py::handle src, Variant& out);
py::object fromVariant(const Variant& v);

// A FastCollection as it is, or one made from a dict (keys and values), or from any other
// iterable (values without keys). TypeError for anything else.
std::shared_ptr<FastCollection> toCollection(py::handle src);

void bindErrors(py::module_& m);
void bindEnums(py::module_& m);
void bindCollection(py::module_& m);
void bindReports(py::module_& m);
void bindPreview(py::module_& m);

}  // namespace kalder::python

namespace pybind11::detail {

template <>
struct type_caster<kalder::Variant> {
    PYBIND11_TYPE_CASTER(kalder::Variant, const_name("str | float | int | None"));
    bool load(handle src, bool) { return kalder::python::toVariant(src, value); }
    static handle cast(const kalder::Variant& v, return_value_policy, handle) {
        return kalder::python::fromVariant(v).release();
    }
};

}  // namespace pybind11::detail
