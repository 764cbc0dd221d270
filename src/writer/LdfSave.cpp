#include "writer/LdfWriter.h"

#include "model/LinNetwork.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// Attempts at a free temporary name before giving up.
constexpr int kTemporaryNameAttempts = 100;

std::string SystemReason(int error) { return std::generic_category().message(error); }

// A temporary file beside the target, created exclusively so that an
// existing file is never reused; the path is returned through path.
std::FILE* CreateTemporaryBeside(const fs::path& target, fs::path& path, int& error)
{
    error = 0;
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        path = target;
        path += ".tmp" + std::to_string(attempt);
        errno = 0;
        if (std::FILE* file = std::fopen(path.string().c_str(), "wbx"))
            return file;
        error = errno;
        if (error != EEXIST)
            return nullptr;
    }
    return nullptr;
}

// Writes all bytes, flushes and closes; the error is 0 when all went well.
int WriteAndClose(std::FILE* file, const std::string& bytes)
{
    errno = 0;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() && std::fflush(file) == 0;
    int error = written ? 0 : (errno != 0 ? errno : EIO);
    if (std::fclose(file) != 0 && error == 0)
        error = errno != 0 ? errno : EIO;
    return error;
}

class AtomicSave {
public:
    explicit AtomicSave(const std::string& path) : m_requested(path), m_target(ResolveLink(path)) {}

    SaveResult Write(const std::string& bytes)
    {
        if (!m_target.has_filename())
            return Failed("no file name given");
        const fs::path folder = m_target.has_parent_path() ? m_target.parent_path() : fs::path(".");
        std::error_code ec;
        if (!fs::is_directory(folder, ec))
            return Failed(fs::exists(folder, ec) ? folder.string() + " is not a folder"
                                                 : "the folder " + folder.string() + " does not exist");

        // Replacing a folder cannot work, and replacing a device or pipe would
        // put a plain file where the system keeps the device node.
        const fs::file_status status = fs::status(m_target, ec);
        if (fs::is_directory(status))
            return Failed("it is a folder");
        if (fs::exists(status) && !fs::is_regular_file(status))
            return Failed("it is not a regular file");
        if (IsReadOnlyFile(m_target))
            return Failed("the file is read-only");

        fs::path temporary;
        int error = 0;
        std::FILE* file = CreateTemporaryBeside(m_target, temporary, error);
        if (!file)
            return Failed("cannot create a file in " + folder.string() + " (" + SystemReason(error) + ")");
        error = WriteAndClose(file, bytes);
        if (error != 0)
            return Discard(temporary, "writing failed (" + SystemReason(error) + ")");

        KeepPermissions(temporary);
        fs::rename(temporary, m_target, ec);
        if (ec)
            return Discard(temporary, "cannot replace it (" + ec.message() + ")");
        return {};
    }

private:
    // Saving through a symbolic link replaces the file it points to, not the link.
    static fs::path ResolveLink(const std::string& path)
    {
        std::error_code ec;
        if (!fs::is_symlink(path, ec))
            return path;
        const fs::path resolved = fs::weakly_canonical(path, ec);
        return ec ? fs::path(path) : resolved;
    }

    // The file is replaced, not written into, so its own write permission
    // would not be asked; a file nobody may write stays as it is.
    static bool IsReadOnlyFile(const fs::path& path)
    {
        std::error_code ec;
        const fs::file_status status = fs::status(path, ec);
        const fs::perms anyWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
        return !ec && fs::is_regular_file(status) && (status.permissions() & anyWrite) == fs::perms::none;
    }

    // The new file takes over the permissions of the one it replaces.
    void KeepPermissions(const fs::path& temporary) const
    {
        std::error_code ec;
        const fs::file_status status = fs::status(m_target, ec);
        if (!ec && fs::is_regular_file(status))
            fs::permissions(temporary, status.permissions(), ec);
    }

    SaveResult Discard(const fs::path& temporary, const std::string& reason) const
    {
        std::error_code ec;
        fs::remove(temporary, ec);
        return Failed(reason);
    }

    SaveResult Failed(const std::string& reason) const { return {"Cannot save " + m_requested + ": " + reason}; }

    std::string m_requested;
    fs::path m_target;
};

}  // namespace

SaveResult SaveLdf(const LinNetwork& network, const std::string& path)
{
    return AtomicSave(path).Write(ToCrLfLineEnds(network.BuildLdfText()));
}

SaveResult SaveLdfText(const std::string& text, const std::string& path) { return AtomicSave(path).Write(text); }
