// The Python module `kalder`: Preview, FastCollection, the column report model, SqlRecordset,
// AutomationError and the enumeration constants under their C++ names.
#include "Binding.h"

#include <pybind11/eval.h>

#include "kalder/AutomationError.h"

namespace kalder::python {

// AutomationError is a Python class of its own, so that Python code can raise and catch it
// like any exception; str() gives the description, as the C++ what() does.
void bindErrors(py::module_& m) {
    py::dict scope;
    scope["__name__"] = "kalder";
    py::exec(R"(
class AutomationError(Exception):
    """A failure of the component: number, source and description as the C++ error has them."""
    def __init__(self, number, source, description):
        super().__init__(description)
        self.number, self.source, self.description = number, source, description

    def __str__(self):
        return self.description
)", scope);
    py::object cls = scope["AutomationError"];
    m.attr("AutomationError") = cls;
    // Kept alive by the module for the translator, which runs with no module at hand.
    static PyObject* errorClass = cls.inc_ref().ptr();
    py::register_exception_translator([](std::exception_ptr p) {
        try {
            if (p) std::rethrow_exception(p);
        } catch (const AutomationError& e) {
            py::object error = py::reinterpret_borrow<py::object>(errorClass)(e.number(), e.source(), e.description());
            PyErr_SetObject(errorClass, error.ptr());
        }
    });
}

// The names are read from Enums.h when CMake runs, so a constant added there is exported
// without an edit here; each line names the C++ constant, so a wrong name fails to compile.
void bindEnums(py::module_& m) {
#define KALDER_CONSTANT(name) m.attr(#name) = static_cast<std::int32_t>(kalder::name);
#include "EnumConstants.inc"
#undef KALDER_CONSTANT
}

}  // namespace kalder::python

PYBIND11_MODULE(kalder, m) {
    using namespace kalder::python;
    m.doc() = "Document composition and print preview: build a document call by call, end it to a window, "
              "a printer or a file.";
    bindErrors(m);
    bindEnums(m);
    bindCollection(m);
    bindReports(m);
    bindPreview(m);
}
