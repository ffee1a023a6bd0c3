#include <string>

#include <gtest/gtest.h>

#include "settings/pref_store.h"
#include "tests/unit/test_files.h"

namespace {

const char kSeventyOneBytes[] =
    "[infSettings]\r\nRefreshTime = 1000\r\nUnitData = 1.000000\r\nUnitName = MB\r\n";

class PrefStoreTest : public ::testing::Test {
protected:
    // Opens a store on a file holding the given bytes.
    void openWith(const std::string& bytes)
    {
        folder.write("Config.prefs", bytes);
        ASSERT_TRUE(store.openStore(folder.path("Config.prefs")));
    }
    std::string file() const { return folder.read("Config.prefs"); }

    TempFolder folder;
    PreferenceStore store;
};

TEST_F(PrefStoreTest, WritesTheSeventyOneByteFileIntoAFreshStore)
{
    ASSERT_TRUE(store.createStore(folder.path("tempConfig.prefs")));
    EXPECT_FALSE(store.selectGroup("infSettings"));  // pending until a write
    store.writeInteger("RefreshTime", 1000);
    store.writeFloat("UnitData", 1.0f);
    store.writeText("UnitName", "MB");
    store.closeStore();
    const std::string written = folder.read("tempConfig.prefs");
    EXPECT_EQ(written.size(), 71u);
    EXPECT_EQ(written, kSeventyOneBytes);
}

TEST_F(PrefStoreTest, ReadsTheKeysOfTheSelectedGroupOnly)
{
    openWith("top = 1\n[other]\nRefreshTime = 2\n[INFSETTINGS]\nrefreshtime=750\nRefreshTime = 9\n"
             "; RefreshTime = 3\n[last]\n");
    EXPECT_EQ(store.readInteger("RefreshTime", 500), 500) << "top section has no such key";
    EXPECT_EQ(store.readInteger("top", 0), 1);
    ASSERT_TRUE(store.selectGroup("infSettings"));
    EXPECT_EQ(store.readInteger("RefreshTime", 500), 750) << "the first of two equal keys";
    EXPECT_EQ(store.readInteger("top", 42), 42) << "top keys are not seen in a group";
    EXPECT_FALSE(store.selectGroup("missing"));
    EXPECT_EQ(store.readInteger("RefreshTime", 500), 500) << "a pending group reads defaults";
    EXPECT_TRUE(store.selectGroup(""));
    EXPECT_EQ(store.readInteger("top", 0), 1);
}

TEST_F(PrefStoreTest, ReadsValuesLikeTheCLibrary)
{
    openWith("[g]\nA = 1000 ms\nB = abc\nC =\nD = 1,5\nE = 2e0\nF =   -0.5  \nG = +12\nH = 99999999999\n"
             "I = -99999999999\nN =\nM =  MB  \n");
    store.selectGroup("g");
    const struct {
        const char* key;
        std::int32_t number;
    } integers[] = {{"A", 1000}, {"B", 0}, {"C", 0}, {"G", 12}, {"H", 2147483647}, {"I", -2147483647 - 1}};
    for (const auto& c : integers) {
        EXPECT_EQ(store.readInteger(c.key, 500), c.number) << c.key;
    }
    EXPECT_EQ(store.readFloat("D", 7.0f), 1.0f);
    EXPECT_EQ(store.readFloat("E", 7.0f), 2.0f);
    EXPECT_EQ(store.readFloat("F", 7.0f), -0.5f);
    EXPECT_EQ(store.readFloat("B", 7.0f), 0.0f);
    EXPECT_EQ(store.readText("N", "MB"), "") << "a present empty value is not the default";
    EXPECT_EQ(store.readText("M", "x"), "MB");
    EXPECT_EQ(store.readText("missing", "  raw  "), "  raw  ") << "defaults are not trimmed";
}

TEST_F(PrefStoreTest, InsertsNewKeysAtTheEndOfTheirSection)
{
    openWith("; head\r\ntop = 1\r\n[a]\r\nx = 1\r\n[b]\r\n[c]\r\nz = 3\r\n");
    store.selectGroup("a");
    store.writeText("y", "2");
    store.selectGroup("b");
    store.writeText("q", "empty section");
    store.selectGroup("");
    store.writeText("t", "top");
    store.selectGroup("C");
    store.writeInteger("Z", 4);  // takes the letter case of the write
    store.selectGroup("new");
    store.writeText("n", "appended");
    store.closeStore();
    EXPECT_EQ(file(),
              "; head\r\ntop = 1\r\nt = top\r\n[a]\r\nx = 1\r\ny = 2\r\n[b]\r\nq = empty section\r\n"
              "[c]\r\nZ = 4\r\n[new]\r\nn = appended\r\n");
}

TEST_F(PrefStoreTest, TopKeyGoesFirstWhenTheFileStartsWithAGroup)
{
    openWith("[a]\nx=1\n");
    store.writeText("t", "1");
    store.closeStore();
    EXPECT_EQ(file(), "t = 1\r\n[a]\r\nx = 1\r\n");
}

TEST_F(PrefStoreTest, AppendsAMissingGroupAndKeepsTheRest)
{
    openWith("; a comment\n[other]\nk=v\njunk\n");
    EXPECT_FALSE(store.selectGroup("infSettings"));
    store.writeInteger("RefreshTime", 600);
    store.closeStore();
    EXPECT_EQ(file(), "; a comment\r\n[other]\r\nk = v\r\njunk = \r\n[infSettings]\r\nRefreshTime = 600\r\n");
}

TEST_F(PrefStoreTest, LeavesAnUnchangedFileUntouched)
{
    const std::string original = "[infSettings]\nRefreshTime=750\n\n\n;x\n";
    openWith(original);
    store.selectGroup("infSettings");
    EXPECT_EQ(store.readInteger("RefreshTime", 0), 750);
    store.closeStore();
    EXPECT_EQ(file(), original);
}

TEST_F(PrefStoreTest, RewritesAChangedFileWholeAndCutsItsTail)
{
    openWith("[g]\nk = a very long value that makes the old file longer than the new one\n");
    store.selectGroup("g");
    store.writeText("k", "s");
    store.closeStore();
    EXPECT_EQ(file(), "[g]\r\nk = s\r\n");
}

TEST_F(PrefStoreTest, SameValueStillCountsAsAChange)
{
    openWith("[g]\nk=1\n");
    store.selectGroup("g");
    store.writeInteger("k", 1);
    store.closeStore();
    EXPECT_EQ(file(), "[g]\r\nk = 1\r\n");
}

TEST_F(PrefStoreTest, Utf8FileReadsAndWritesThroughConversions)
{
    openWith("\xEF\xBB\xBF[infSettings]\nUnitName = M\xC3\xA9\nEuro = \xE2\x82\xAC\nBad = \xC3(\nK\xC3\xA9y = 5\n");
    EXPECT_TRUE(store.isUtf8());
    ASSERT_TRUE(store.selectGroup("infSettings"));
    EXPECT_EQ(store.readText("UnitName", ""), "M\xE9");
    EXPECT_EQ(store.readText("Euro", "x"), "");
    EXPECT_EQ(store.readText("Bad", "x"), "");
    EXPECT_EQ(store.readInteger("K\xE9y", 0), 5) << "keys are converted before comparing";
    store.writeText("UnitName", "\xB5" "B");
    store.closeStore();
    EXPECT_EQ(file(), "\xEF\xBB\xBF\r\n[infSettings]\r\nUnitName = \xC2\xB5" "B\r\nEuro = \xE2\x82\xAC\r\n"
                      "Bad = \xC3(\r\nK\xC3\xA9y = 5\r\n");
}

TEST_F(PrefStoreTest, EightBitFileKeepsBytesAsTheyAre)
{
    openWith("[g]\nUnitName = M\xC3\xA9\n");
    EXPECT_FALSE(store.isUtf8());
    store.selectGroup("g");
    EXPECT_EQ(store.readText("UnitName", ""), "M\xC3\xA9");
    store.writeText("Name", "\xE9");
    store.closeStore();
    EXPECT_EQ(file(), "[g]\r\nUnitName = M\xC3\xA9\r\nName = \xE9\r\n");
}

TEST_F(PrefStoreTest, MarkOnlyOrShortFilesGiveNoEntries)
{
    for (const char* bytes : {"\xEF\xBB\xBF", "\xEF\xBB\xBF\r\n", "", "\r\n\r\n"}) {
        openWith(bytes);
        EXPECT_TRUE(store.entries().empty()) << bytes;
        store.closeStore();
    }
}

TEST_F(PrefStoreTest, MissingFileOpensWithoutAFileAndCreatesItOnWrite)
{
    EXPECT_FALSE(store.openStore(folder.path("Config.prefs")));
    EXPECT_TRUE(store.isOpen());
    EXPECT_EQ(store.readInteger("RefreshTime", 500), 500);
    EXPECT_FALSE(store.selectGroup("infSettings"));
    store.closeStore();
    EXPECT_FALSE(folder.exists("Config.prefs")) << "nothing written, nothing created";

    EXPECT_FALSE(store.openStore(folder.path("Config.prefs")));
    store.selectGroup("infSettings");
    store.writeInteger("RefreshTime", 800);
    EXPECT_EQ(store.readInteger("RefreshTime", 500), 800);
    store.closeStore();
    EXPECT_EQ(file(), "[infSettings]\r\nRefreshTime = 800\r\n");
}

TEST_F(PrefStoreTest, ReadOnlyFileLosesItsChanges)
{
    folder.write("Config.prefs", "[g]\nk=1\n");
    folder.makeReadOnly("Config.prefs");
    ASSERT_TRUE(store.openStore(folder.path("Config.prefs")));
    store.selectGroup("g");
    EXPECT_EQ(store.readInteger("k", 0), 1);
    store.writeInteger("k", 2);
    EXPECT_EQ(store.readInteger("k", 0), 2);
    store.closeStore();
    EXPECT_EQ(file(), "[g]\nk=1\n");
}

TEST_F(PrefStoreTest, CreateEmptiesAtOnceAndStaysEmptyWithoutWrites)
{
    folder.write("tempConfig.prefs", "old contents");
    ASSERT_TRUE(store.createStore(folder.path("tempConfig.prefs")));
    EXPECT_EQ(folder.read("tempConfig.prefs"), "") << "emptied before anything is written";
    store.closeStore();
    EXPECT_EQ(folder.read("tempConfig.prefs"), "");
}

TEST_F(PrefStoreTest, FailedCreateLeavesNoStoreOpen)
{
    EXPECT_FALSE(store.createStore(folder.path("no-such-folder/tempConfig.prefs")));
    EXPECT_FALSE(store.isOpen());
    EXPECT_FALSE(store.selectGroup("infSettings"));
    store.writeInteger("RefreshTime", 1);
    EXPECT_EQ(store.readInteger("RefreshTime", 500), 500);
    store.closeStore();
    EXPECT_FALSE(folder.exists("no-such-folder"));
}

TEST_F(PrefStoreTest, OpeningAnotherFileWritesThePreviousOne)
{
    openWith("[g]\n");
    store.selectGroup("g");
    store.writeText("k", "v");
    folder.write("other.prefs", "x=1\n");
    ASSERT_TRUE(store.openStore(folder.path("other.prefs")));
    EXPECT_EQ(file(), "[g]\r\nk = v\r\n");
    EXPECT_EQ(store.readInteger("x", 0), 1);
}

}  // namespace
