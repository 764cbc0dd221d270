// The native half of the duvazadi package; duvazadi/__init__.py gives it
// Python's idiom. File errors raise OSError, refused values and names
// ValueError; what a file's content lacks is never an exception.
#include "python/PythonNetwork.h"

#include "model/LinNetwork.h"
#include "validation/FrameCodec.h"

#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

namespace py = pybind11;

namespace {

std::string Joined(const std::vector<std::string>& reasons)
{
    std::string text;
    for (const std::string& reason : reasons)
        text += (text.empty() ? "" : "; ") + reason;
    return text;
}

// File texts are 8-bit: a text that is UTF-8 stays so, any other is
// Latin-1, as the JSON export reads them.
py::str Text(const std::string& bytes)
{
    PyObject* text = PyUnicode_DecodeUTF8(bytes.data(), static_cast<Py_ssize_t>(bytes.size()), nullptr);
    if (!text) {
        PyErr_Clear();
        text = PyUnicode_DecodeLatin1(bytes.data(), static_cast<Py_ssize_t>(bytes.size()), nullptr);
    }
    if (!text)
        throw py::error_already_set();
    return py::reinterpret_steal<py::str>(text);
}

py::list Texts(const std::vector<std::string>& lines)
{
    py::list texts;
    for (const std::string& line : lines)
        texts.append(Text(line));
    return texts;
}

[[noreturn]] void RaiseOSError(const std::string& reason)
{
    PyErr_SetString(PyExc_OSError, reason.c_str());
    throw py::error_already_set();
}

py::dict ReadingOf(const SignalReading& signal)
{
    py::dict entry;
    entry["signal"] = Text(signal.signal);
    entry["problem"] = Text(signal.problem);
    entry["raw"] = signal.raw;
    entry["size"] = signal.shape.size;
    entry["is_byte_array"] = signal.shape.isByteArray;
    entry["raw_text"] = RawText(signal.shape, signal.raw);
    entry["kind"] = static_cast<int>(signal.meaning.kind);
    entry["meaning"] = Text(MeaningText(signal.meaning));
    entry["text"] = Text(signal.meaning.text);
    entry["physical"] = signal.meaning.physical;
    entry["unit"] = Text(signal.meaning.unit);
    return entry;
}

py::tuple Decode(const PythonNetwork& network, const std::string& frame, const std::string& data)
{
    const FrameReading reading = network.Decode(frame, FrameData(data.begin(), data.end()));
    if (!reading)
        throw py::value_error(Text(reading.error));
    py::list signals;
    for (const SignalReading& signal : reading.signals)
        signals.append(ReadingOf(signal));
    return py::make_tuple(Text(reading.frame), reading.frameId, signals);
}

py::bytes Encode(const PythonNetwork& network, const std::string& frame,
                 const std::vector<std::pair<std::string, std::string>>& values)
{
    std::vector<SignalSetting> settings;
    for (const auto& [signal, value] : values)
        settings.push_back({signal, value});
    const FrameEncoding encoding = network.Encode(frame, settings);
    if (!encoding)
        throw py::value_error(Text(Joined(encoding.errors)));
    return py::bytes(reinterpret_cast<const char*>(encoding.bytes.data()), encoding.bytes.size());
}

std::unique_ptr<PythonNetwork> LoadFile(const std::string& path)
{
    std::string error;
    auto network = PythonNetwork::Load(path, error);
    if (!network)
        RaiseOSError(error);
    return network;
}

}  // namespace

PYBIND11_MODULE(_core, module)
{
    module.doc() = "LIN Description Files read, checked, decoded and written by the Duvazadi core";

    py::class_<PythonNetwork>(module, "NativeNetwork")
        .def_property_readonly("source", &PythonNetwork::Source)
        .def("messages",
             [](const PythonNetwork& network) {
                 py::list messages;
                 for (const Message& message : network.Network().messages)
                     messages.append(py::make_tuple(message.line, Text(message.Text()), Text(FormatMessage(message))));
                 return messages;
             })
        .def("check_lines", [](const PythonNetwork& network) { return Texts(network.CheckLines()); })
        .def("red_item_lines", [](const PythonNetwork& network) { return Texts(network.RedItemLines()); })
        .def("json_text", &PythonNetwork::JsonText)
        .def("has_frame", &PythonNetwork::HasFrame)
        .def("decode", &Decode)
        .def("encode", &Encode)
        .def("rename",
             [](PythonNetwork& network, const std::string& kind, const std::string& oldName,
                const std::string& newName) {
                 const std::string refused = network.Rename(kind, oldName, newName);
                 if (!refused.empty())
                     throw py::value_error(Text(refused));
             })
        .def("ldf_text",
             [](const PythonNetwork& network, const std::optional<std::string>& dialect, bool keepLayout) {
                 std::vector<std::string> losses;
                 std::string error;
                 std::string text = network.LdfText(dialect, keepLayout, losses, error);
                 if (!error.empty())
                     throw py::value_error(error);
                 return py::make_tuple(Text(text), Texts(losses));
             })
        .def("save", [](const PythonNetwork& network, const std::string& path,
                        const std::optional<std::string>& dialect, bool keepLayout, bool force) {
            std::vector<std::string> losses;
            const SaveOutcome outcome = network.Save(path, dialect, keepLayout, force, losses);
            if (!outcome.refused.empty())
                throw py::value_error(Text(outcome.refused + (losses.empty() ? "" : ": " + Joined(losses))));
            if (!outcome.failed.empty())
                RaiseOSError(outcome.failed);
        });

    module.def("load", &LoadFile, py::arg("path"));
    module.def(
        "loads",
        [](const std::string& text, const std::string& source) {
            std::string error;
            auto network = PythonNetwork::LoadText(text, source, error);
            if (!network)
                throw py::value_error(error);
            return network;
        },
        py::arg("text"), py::arg("source") = std::string());
    module.def("diff", &DifferencesJson);
}
