#include "media/core/file_stream.h"

#include <gtest/gtest.h>

#include "tests/support/temp_dir.h"

namespace {

struct FileStreamTest : testing::Test {
    TempDir dir;
    std::string path = dir.File("file.txt");
};

}  // namespace

TEST_F(FileStreamTest, LinesEndAtLineFeedNulOrEndAndDropEveryCarriageReturn)
{
    WriteFileBytes(path, std::string("one\r\ntw\ro\nthree\0four\nlast", 25));
    FileStream in = OpenForReading(path);
    ASSERT_TRUE(in);
    EXPECT_EQ(StreamReadLine(in), "one");
    EXPECT_EQ(StreamReadLine(in), "two");
    EXPECT_EQ(StreamReadLine(in), "three");
    EXPECT_EQ(StreamReadLine(in), "four");
    EXPECT_FALSE(StreamAtEnd(in));
    EXPECT_EQ(StreamReadLine(in), "last");
    EXPECT_TRUE(StreamAtEnd(in));
    EXPECT_EQ(StreamReadLine(in), "");
    EXPECT_TRUE(CloseFileStream(in));
}

TEST_F(FileStreamTest, WrittenLinesEndWithCarriageReturnLineFeedAndKeepEightBitCharacters)
{
    FileStream out = OpenForWriting(path);
    ASSERT_TRUE(out);
    EXPECT_EQ(StreamWriteLine(out, "music = 1"), 1);
    EXPECT_EQ(StreamWriteLine(out, "0.player = p\xe4ivi"), 1);
    EXPECT_EQ(StreamWriteLine(out, ""), 1);
    EXPECT_TRUE(CloseFileStream(out));
    EXPECT_EQ(ReadFileBytes(path), "music = 1\r\n0.player = p\xe4ivi\r\n\r\n");
}

TEST_F(FileStreamTest, WritingOnlyEmptiesAnExistingFile)
{
    WriteFileBytes(path, "old content");
    FileStream out = OpenForWriting(path);
    ASSERT_TRUE(out);
    EXPECT_TRUE(StreamAtEnd(out));
    CloseFileStream(out);
    EXPECT_EQ(ReadFileBytes(path), "");
}

TEST_F(FileStreamTest, ReadingNeedsAnExistingFileAndBackslashesCountAsSlashes)
{
    EXPECT_FALSE(OpenForReading(dir.File("missing")));
    EXPECT_FALSE(OpenFileStream(dir.File("missing"), 1, 1));
    EXPECT_FALSE(OpenForReading(dir.Path()));  // a folder is not a file
    WriteFileBytes(path, "x");
    std::string backslashed = path;
    for (char& c : backslashed)
        if (c == '/')
            c = '\\';
    EXPECT_TRUE(OpenForReading(backslashed));
    FileStream both = OpenFileStream(path, 1, 1);
    ASSERT_TRUE(both);
    EXPECT_EQ(StreamReadByte(both), 'x');
    CloseFileStream(both);
    EXPECT_EQ(ReadFileBytes(path), "x");  // reading and writing together does not empty it
}

TEST_F(FileStreamTest, BytesAndLittleEndianIntegersReadZeroPastTheEnd)
{
    WriteFileBytes(path, std::string("\x05\x00\x00\x00\xfe\xff\xff\xff\xab\x01", 10));
    FileStream in = OpenForReading(path);
    EXPECT_EQ(StreamSize(in), 10);
    EXPECT_EQ(StreamReadInt32(in), 5);
    EXPECT_EQ(StreamReadInt32(in), -2);
    EXPECT_EQ(StreamReadInt32(in), 0x01ab);  // two bytes missing count as 0
    EXPECT_EQ(StreamReadByte(in), 0);
    EXPECT_TRUE(StreamAtEnd(in));
}

TEST_F(FileStreamTest, RenameReplacesTheTargetWhole)
{
    WriteFileBytes(path, "old");
    WriteFileBytes(path + ".new", "new");
    EXPECT_TRUE(RenameFile(path + ".new", path));
    EXPECT_EQ(ReadFileBytes(path), "new");
    EXPECT_FALSE(FileExists(path + ".new"));
    EXPECT_TRUE(RemoveFile(path));
    EXPECT_FALSE(FileExists(path));
    EXPECT_FALSE(RenameFile(path, path + ".x"));
}

namespace {

// True when text has the shape of pattern: 9 stands for a digit, A for a capital letter, a
// for a small one; every other character stands for itself.
bool HasShape(const std::string& text, const std::string& pattern)
{
    if (text.size() != pattern.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const char p = pattern[i];
        const bool fits = p == '9' ? (c >= '0' && c <= '9')
                        : p == 'A' ? (c >= 'A' && c <= 'Z')
                        : p == 'a' ? (c >= 'a' && c <= 'z')
                                   : c == p;
        if (!fits)
            return false;
    }
    return true;
}

}  // namespace

TEST(DateAndTime, HaveTheLogFormats)
{
    EXPECT_TRUE(HasShape(TodayText(), "99 Aaa 9999")) << TodayText();
    EXPECT_TRUE(HasShape(NowText(), "99:99:99")) << NowText();
}
