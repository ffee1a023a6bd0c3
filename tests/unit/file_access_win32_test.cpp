// The Windows file layer of the settings store: while the store holds a
// file, other openers may read it but may neither write, delete nor rename
// it.
#include <windows.h>

#include <gtest/gtest.h>

#include "settings/pref_store.h"
#include "tests/unit/test_files.h"

namespace {

class HeldSettingsFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder.write("Config.prefs", "[infSettings]\r\nRefreshTime = 750\r\n");
        file = folder.path("Config.prefs");
    }
    HANDLE openOther(DWORD access) const
    {
        return CreateFileA(file.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                           nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    }
    void expectLocked(DWORD readable) const
    {
        HANDLE reader = openOther(GENERIC_READ);
        EXPECT_NE(reader, INVALID_HANDLE_VALUE) << "others may read";
        char bytes[16] = {};
        DWORD got = 0;
        EXPECT_TRUE(ReadFile(reader, bytes, sizeof bytes, &got, nullptr));
        EXPECT_EQ(got, readable);
        CloseHandle(reader);

        HANDLE writer = openOther(GENERIC_WRITE);
        EXPECT_EQ(writer, INVALID_HANDLE_VALUE) << "others may not write";
        if (writer != INVALID_HANDLE_VALUE) {
            CloseHandle(writer);
        }
        EXPECT_FALSE(DeleteFileA(file.c_str())) << "others may not delete";
        EXPECT_FALSE(MoveFileA(file.c_str(), folder.path("moved.prefs").c_str())) << "others may not rename";
        EXPECT_FALSE(MoveFileExA(folder.path("other.prefs").c_str(), file.c_str(), MOVEFILE_REPLACE_EXISTING))
            << "others may not replace";
    }

    TempFolder folder;
    std::string file;
    PreferenceStore store;
};

TEST_F(HeldSettingsFile, OpenForReadingAndWriting)
{
    folder.write("other.prefs", "x");
    ASSERT_TRUE(store.openStore(file));
    expectLocked(16);
    store.closeStore();
    EXPECT_TRUE(DeleteFileA(file.c_str())) << "released once the store is closed";
}

TEST_F(HeldSettingsFile, OpenForReadingOnly)
{
    folder.write("other.prefs", "x");
    folder.makeReadOnly("Config.prefs");
    ASSERT_TRUE(store.openStore(file));
    store.selectGroup("infSettings");
    EXPECT_EQ(store.readInteger("RefreshTime", 0), 750);
    expectLocked(16);
}

TEST_F(HeldSettingsFile, CreatedFile)
{
    folder.write("other.prefs", "x");
    ASSERT_TRUE(store.createStore(file));
    expectLocked(0);  // emptied at once
}

TEST_F(HeldSettingsFile, AnotherWriterMakesTheStoreOpenWithoutAFile)
{
    HANDLE writer = CreateFileA(file.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(store.openStore(file)) << "a file locked by another program cannot be opened";
    EXPECT_TRUE(store.isOpen());
    EXPECT_EQ(store.readInteger("RefreshTime", 500), 500);
    CloseHandle(writer);
}

}  // namespace
