#include "TestFiles.h"
#include "model/LinNetwork.h"
#include "writer/LdfWriter.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <algorithm>
#include <csignal>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

std::unique_ptr<LinNetwork> NetworkWithComment()
{
    auto network = LinNetwork::CreateDefault();
    network->headerComment = "first line\r\nsecond line";
    return network;
}

TEST(SaveLdf, ReplacesTheFileWithCrLfText)
{
    ScratchFolder folder;
    const std::string path = folder / "out.ldf";
    WriteFileBytes(path, "old content");
    auto network = NetworkWithComment();

    const SaveResult result = SaveLdf(*network, path);

    ASSERT_TRUE(result) << result.error;
    const std::string bytes = ReadFileBytes(path);
    EXPECT_EQ(ToCrLfLineEnds(network->BuildLdfText()), bytes);
    EXPECT_EQ(0u, bytes.find("/* \r\nfirst line\r\nsecond line\r\n*/\r\n"));
    EXPECT_EQ(std::string::npos, bytes.find("\r\r\n"));
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), std::count(bytes.begin(), bytes.end(), '\r'));
    EXPECT_EQ(std::vector<std::string>{"out.ldf"}, folder.Entries());
}

TEST(SaveLdf, SavedHeaderCommentReadsBackLineForLine)
{
    ScratchFolder folder;
    const std::string path = folder / "out.ldf";
    ASSERT_TRUE(SaveLdf(*NetworkWithComment(), path));
    LoadResult loaded = LinNetwork::Load(path);
    ASSERT_TRUE(loaded) << loaded.error;
    EXPECT_EQ("first line\r\nsecond line", loaded.network->headerComment);
}

TEST(SaveLdf, OntoAFolderFailsAndLeavesEverythingAsItWas)
{
    ScratchFolder folder;
    const std::string target = folder / "taken";
    fs::create_directory(target);
    WriteFileBytes(target + "/inside.txt", "kept");

    const SaveResult result = SaveLdf(*NetworkWithComment(), target);

    EXPECT_EQ("Cannot save " + target + ": it is a folder", result.error);
    EXPECT_TRUE(fs::is_directory(target));
    EXPECT_EQ("kept", ReadFileBytes(target + "/inside.txt"));
    EXPECT_EQ(std::vector<std::string>{"taken"}, folder.Entries());
}

// Files may grow to only a few bytes while it lives, so a save fails
// halfway through its writing, as on a full disk, even for the root user.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) : m_oldHandler(std::signal(SIGXFSZ, SIG_IGN))
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_old{};
    void (*m_oldHandler)(int);
};

TEST(SaveLdf, WriteFailingHalfwayKeepsTheOldFile)
{
    ScratchFolder folder;
    const std::string path = folder / "out.ldf";
    WriteFileBytes(path, "old content");

    SaveResult result;
    {
        const FileSizeLimit limit(64);
        result = SaveLdf(*NetworkWithComment(), path);
    }

    EXPECT_EQ("Cannot save " + path + ": writing failed (File too large)", result.error);
    EXPECT_EQ("old content", ReadFileBytes(path));
    EXPECT_EQ(std::vector<std::string>{"out.ldf"}, folder.Entries());
}

TEST(SaveLdf, OntoAPipeFailsAndLeavesItAPipe)
{
    ScratchFolder folder;
    const std::string path = folder / "pipe";
    ASSERT_EQ(0, mkfifo(path.c_str(), 0600));

    const SaveResult result = SaveLdf(*NetworkWithComment(), path);

    EXPECT_EQ("Cannot save " + path + ": it is not a regular file", result.error);
    EXPECT_TRUE(fs::is_fifo(path));
    EXPECT_EQ(std::vector<std::string>{"pipe"}, folder.Entries());
}

TEST(SaveLdf, BelowAFileFailsAndKeepsIt)
{
    ScratchFolder folder;
    const std::string file = folder / "plain";
    WriteFileBytes(file, "old content");

    const SaveResult result = SaveLdf(*NetworkWithComment(), file + "/out.ldf");

    EXPECT_EQ("Cannot save " + file + "/out.ldf: " + file + " is not a folder", result.error);
    EXPECT_EQ("old content", ReadFileBytes(file));
    EXPECT_EQ(std::vector<std::string>{"plain"}, folder.Entries());
}

TEST(SaveLdf, IntoAReadOnlyFolderFailsAndKeepsTheOldFile)
{
    ScratchFolder folder;
    const std::string path = folder / "out.ldf";
    WriteFileBytes(path, "old content");
    fs::permissions(folder.Path(), fs::perms::owner_read | fs::perms::owner_exec);

    const SaveResult result = SaveLdf(*NetworkWithComment(), path);

    fs::permissions(folder.Path(), fs::perms::owner_all);
    if (result)
        GTEST_SKIP() << "this user may write into read-only folders";
    EXPECT_NE(std::string::npos, result.error.find(path)) << result.error;
    EXPECT_EQ("old content", ReadFileBytes(path));
    EXPECT_EQ(std::vector<std::string>{"out.ldf"}, folder.Entries());
}

TEST(SaveLdf, OverAReadOnlyFileFailsAndKeepsIt)
{
    ScratchFolder folder;
    const std::string path = folder / "out.ldf";
    WriteFileBytes(path, "old content");
    fs::permissions(path, fs::perms::owner_read);

    const SaveResult result = SaveLdf(*NetworkWithComment(), path);

    EXPECT_EQ("Cannot save " + path + ": the file is read-only", result.error);
    EXPECT_EQ("old content", ReadFileBytes(path));
    EXPECT_EQ(std::vector<std::string>{"out.ldf"}, folder.Entries());
}

TEST(SaveLdf, IntoAMissingFolderSaysSoAndCreatesNothing)
{
    ScratchFolder folder;
    const std::string path = folder / "missing/out.ldf";

    const SaveResult result = SaveLdf(*NetworkWithComment(), path);

    EXPECT_FALSE(result);
    EXPECT_EQ("Cannot save " + path + ": the folder " + (folder / "missing") + " does not exist", result.error);
    EXPECT_TRUE(folder.Entries().empty());
}

}  // namespace
