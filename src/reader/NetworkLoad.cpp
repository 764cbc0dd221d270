#include "model/LinNetwork.h"
#include "reader/UnreadText.h"
#include "validation/PostLoadRepair.h"

#include <filesystem>
#include <fstream>
#include <new>

LoadResult LinNetwork::Load(const std::string& path, TextAfterReading afterReading)
{
    LoadResult result;
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {  // a folder opens as an empty file
        result.error = "Cannot open the file " + path + ": it is a folder";
        return result;
    }
    // Opening a pipe would wait for a writer that may never come.
    const std::filesystem::file_status status = std::filesystem::status(path, ec);
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
        result.error = "Cannot open the file " + path + ": it is not a regular file";
        return result;
    }
    const std::string tooLarge =
        "Cannot read the file " + path + ": it is larger than " + std::to_string(kMaxFileBytes >> 20) + " MB";
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (!ec && size > kMaxFileBytes) {
        result.error = tooLarge;
        return result;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        result.error = "Cannot open the file " + path;
        return result;
    }
    try {
        // Read straight into the one string the network keeps. The size is
        // only a hint: a device or pipe has none and may never end.
        std::string content;
        if (!ec)
            content.reserve(static_cast<std::size_t>(size));
        char buffer[1 << 16];
        while (file.read(buffer, sizeof buffer) || file.gcount() > 0) {
            content.append(buffer, static_cast<std::size_t>(file.gcount()));
            if (content.size() > kMaxFileBytes) {
                result.error = tooLarge;
                return result;
            }
        }
        if (file.bad()) {
            result.error = "Cannot read the file " + path;
            return result;
        }
        result.network = LoadFromText(std::move(content), path, afterReading);
    } catch (const std::bad_alloc&) {
        result.error = "Cannot read the file " + path + ": not enough memory";
    }
    return result;
}

std::unique_ptr<LinNetwork> LinNetwork::LoadFromText(std::string text, const std::string& path,
                                                     TextAfterReading afterReading)
{
    auto network = std::make_unique<LinNetwork>();
    network->filePath = path;
    const std::size_t nul = text.find('\0');
    if (nul != std::string::npos)
        text.resize(nul);
    network->SetText(std::move(text));
    if (nul != std::string::npos)
        network->AddPlainMessage(msg::NulByteWarning);
    network->ReadLdf();
    // The end of reading is the high-water mark of a check: the text and
    // every record. What the repair builds then stays below it only when
    // the text is gone first.
    if (afterReading == TextAfterReading::Dropped)
        network->SetText({});
    RunPostLoadRepair(*network);
    return network;
}
