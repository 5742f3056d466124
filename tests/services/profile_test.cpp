#include "services/cp932.h"
#include "services/exceptions.h"
#include "services/profile.h"
#include "support/files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

class ProfileTest : public ::testing::Test {
protected:
    QTemporaryDir FDir;
    QString FPath = FDir.filePath(QStringLiteral("VELQUAN.ini"));
};

struct ReadCase {
    const char* Name;
    QByteArray Content;
    const char* Section;
    const char* Key;
    const char* Default;
    const char* Expected;
};

void PrintTo(const ReadCase& c, std::ostream* os)
{
    *os << c.Name;
}

class ProfileReadTest : public ProfileTest, public ::testing::WithParamInterface<ReadCase> {};

// Reading one key: matching, trimming, quotes, comments, duplicates, defaults, line ends.
TEST_P(ProfileReadTest, ReadsKeyAsThePlatformDoes)
{
    const ReadCase& c = GetParam();
    WriteBytes(FPath, c.Content);
    EXPECT_EQ(
        ReadProfileString(FPath, QString::fromUtf8(c.Section), QString::fromUtf8(c.Key), QString::fromUtf8(c.Default)),
        QString::fromUtf8(c.Expected));
}

const ReadCase kReadCases[] = {
    {"Plain", "[RANK]\r\nNAME1=Bob\r\n", "RANK", "NAME1", "", "Bob"},
    {"NamesIgnoreCaseValueKeepsIt", "[rank]\r\nname1=BoB\r\n", "RANK", "Name1", "", "BoB"},
    {"LinesAndNamesTrimmed", "  [ RANK ]\t\n \tNAME1 \t=  Bob smith \t\n", "RANK", "NAME1", "", "Bob smith"},
    {"ValueMayHoldEquals", "[RANK]\nNAME4=x=y\n", "RANK", "NAME4", "", "x=y"},
    {"DoubleQuotesRemoved", "[RANK]\nNAME1= \" Bob \" \n", "RANK", "NAME1", "", " Bob "},
    {"SingleQuotesRemoved", "[RANK]\nNAME1='Bob'\n", "RANK", "NAME1", "", "Bob"},
    {"OnlyOuterQuotesRemoved", "[RANK]\nNAME1=\"\"Bob\"\"\n", "RANK", "NAME1", "", "\"Bob\""},
    {"UnmatchedQuotesStay", "[RANK]\nNAME1=\"Bob'\n", "RANK", "NAME1", "", "\"Bob'"},
    {"LoneQuoteStays", "[RANK]\nNAME1=\"\n", "RANK", "NAME1", "", "\""},
    {"CommentLineSkipped", "[RANK]\n  ;NAME1=Old\nNAME1=New\n", "RANK", "NAME1", "", "New"},
    {"SemicolonInsideValueKept", "[RANK]\nNAME1=a ; b\n", "RANK", "NAME1", "", "a ; b"},
    {"HashIsOrdinary", "[RANK]\n#NAME1=x\n", "RANK", "#NAME1", "", "x"},
    {"LineWithoutEqualsIsNoKey", "[RANK]\nNAME1\n", "RANK", "NAME1", "dflt", "dflt"},
    {"EmptyValueIsNotDefault", "[RANK]\nNAME1=\n", "RANK", "NAME1", "dflt", ""},
    {"FirstKeyWins", "[RANK]\nNAME1=a\nname1=b\n", "RANK", "NAME1", "", "a"},
    {"OnlyFirstSectionSearched", "[RANK]\nA=1\n[rank]\nB=2\n", "RANK", "B", "none", "none"},
    {"KeyOfOtherSectionIgnored", "NAME1=top\n[OTHER]\nNAME1=x\n[RANK]\n", "RANK", "NAME1", "", ""},
    {"MissingKeyTrimsDefaultEnd", "[RANK]\n", "RANK", "NAME1", "  x  ", "  x"},
    {"MissingSection", "[OTHER]\nNAME1=x\n", "RANK", "NAME1", "d", "d"},
    {"CrLineEnds", "[RANK]\rNAME1=a\rSCORE1=5", "RANK", "SCORE1", "", "5"},
    {"MixedLineEnds", "[RANK]\r\nNAME1=a\rSCORE1=5\nNAME2=b", "RANK", "NAME2", "", "b"},
    {"UnmappableNameMatchesAsStored", "[?]\n?=x\n", "\xE2\x98\x83", "\xF0\x9F\x98\x80", "", "x"},
    {"Utf8BomNotRecognised", "\xEF\xBB\xBF[RANK]\nNAME1=Bob\n", "RANK", "NAME1", "d", "d"},
    {"UnclosedHeader", "[RANK\nNAME1=Bob\n", "RANK", "NAME1", "", "Bob"},
};

INSTANTIATE_TEST_SUITE_P(Cases, ProfileReadTest, ::testing::ValuesIn(kReadCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(ProfileTest, MissingFileOrADirectoryReadsAsDefault)
{
    EXPECT_EQ(ReadProfileString(FPath, "RANK", "NAME1", "abc  "), "abc");
    EXPECT_EQ(ReadProfileString(FDir.path(), "RANK", "NAME1", "abc"), "abc");
}

// A trail byte of a double-byte character may look like "]" or "\\": names and values
// are read as characters, not bytes.
TEST_F(ProfileTest, ReadsAndWritesCp932Text)
{
    const QString section = QStringLiteral("ゾーン"); // 0x83 0x5D: its second byte is "]"
    const QString name = QStringLiteral("ソフト表示～");
    WriteBytes(FPath, cp932::encode(QStringLiteral("[%1]\r\nNAME1=%2\r\n").arg(section, name)));
    EXPECT_EQ(ReadProfileString(FPath, section, "NAME1", ""), name);

    WriteProfileString(FPath, section, "NAME2", QStringLiteral("魔王"));
    EXPECT_EQ(ReadBytes(FPath), cp932::encode(QStringLiteral("[%1]\r\nNAME1=%2\r\nNAME2=魔王\r\n").arg(section, name)));
}

struct WriteCase {
    const char* Name;
    QByteArray Before; // "<missing>" for no file
    const char* Section;
    const char* Key;
    const char* Value;
    QByteArray After;
};

void PrintTo(const WriteCase& c, std::ostream* os)
{
    *os << c.Name;
}

class ProfileWriteTest : public ProfileTest, public ::testing::WithParamInterface<WriteCase> {};

// Writing one key edits the file in place: only the written line changes.
TEST_P(ProfileWriteTest, EditsOnlyTheKeyLine)
{
    const WriteCase& c = GetParam();
    if (c.Before != "<missing>")
        WriteBytes(FPath, c.Before);
    WriteProfileString(FPath, QString::fromUtf8(c.Section), QString::fromUtf8(c.Key), QString::fromUtf8(c.Value));
    EXPECT_EQ(ReadBytes(FPath), c.After);
}

const WriteCase kWriteCases[] = {
    {"CreatesMissingFile", "<missing>", "RANK", "NAME1", "Bob", "[RANK]\r\nNAME1=Bob\r\n"},
    {"FillsEmptyFile", "", "RANK", "NAME1", "Bob", "[RANK]\r\nNAME1=Bob\r\n"},
    {"UpdateKeepsKeySpellingAndTheRest", "; top\n[rank]\n  name1 = Old  \n\nSCORE1=5\n", "RANK", "NAME1", "New",
     "; top\n[rank]\nname1=New\r\n\nSCORE1=5\n"},
    {"UpdatesFirstOfDuplicates", "[RANK]\r\nA=1\r\nA=2\r\n", "RANK", "a", "9", "[RANK]\r\nA=9\r\nA=2\r\n"},
    {"UpdatesFirstOfDuplicateSections", "[RANK]\nA=1\n[RANK]\nA=2\n", "RANK", "A", "9", "[RANK]\nA=9\r\n[RANK]\nA=2\n"},
    {"UpdatesUnterminatedLastLine", "[RANK]\nA=1", "RANK", "A", "2", "[RANK]\nA=2\r\n"},
    {"NewKeyAfterLastKeyBeforeComments", "[RANK]\r\nNAME1=a\r\n; note\r\n\r\n[OTHER]\r\nX=1\r\n", "RANK", "SCORE1", "5",
     "[RANK]\r\nNAME1=a\r\nSCORE1=5\r\n; note\r\n\r\n[OTHER]\r\nX=1\r\n"},
    {"NewKeyInSectionWithoutKeys", "[RANK]\n; c\n\n[B]\n", "RANK", "NAME1", "x", "[RANK]\nNAME1=x\r\n; c\n\n[B]\n"},
    {"NewKeyAfterUnterminatedHeader", "[RANK]", "RANK", "NAME1", "x", "[RANK]\r\nNAME1=x\r\n"},
    {"NewKeyAfterUnterminatedKey", "[RANK]\nA=1", "RANK", "B", "2", "[RANK]\nA=1\r\nB=2\r\n"},
    {"NewKeySkipsNonKeyLines", "[RANK]\rA=1\rjunk\r", "RANK", "B", "2", "[RANK]\rA=1\rB=2\r\njunk\r"},
    {"NewSectionAtEnd", "[OTHER]\nX=1\n", "RANK", "NAME1", "x", "[OTHER]\nX=1\n[RANK]\r\nNAME1=x\r\n"},
    {"NewSectionAfterAddedLineBreak", "[OTHER]\nX=1", "RANK", "NAME1", "x", "[OTHER]\nX=1\r\n[RANK]\r\nNAME1=x\r\n"},
    {"ValueWrittenExactly", "<missing>", "RANK", "NAME1", "  \"Bob\" ; x ", "[RANK]\r\nNAME1=  \"Bob\" ; x \r\n"},
    {"NamesTrimmed", "<missing>", " RANK\t", " NAME1 ", "x", "[RANK]\r\nNAME1=x\r\n"},
    {"EmptyValue", "[RANK]\r\nNAME1=Bob\r\n", "RANK", "NAME1", "", "[RANK]\r\nNAME1=\r\n"},
    {"ValueCutAtLineBreak", "<missing>", "RANK", "NAME1", "Bob\nSCORE1=9", "[RANK]\r\nNAME1=Bob\r\n"},
    {"ValueCutAtCarriageReturn", "<missing>", "RANK", "NAME1", "\rX=1", "[RANK]\r\nNAME1=\r\n"},
    {"UnmappableNameFindsItsStoredSpelling", "[RANK]\r\n?=1\r\n", "RANK", "\xF0\x9F\x98\x80", "2", "[RANK]\r\n?=2\r\n"},
    {"PersonsSemicolonLineStays", "[RANK]\r\nSCORE3=90ue\n; ", "RANK", "SCORE3", "9", "[RANK]\r\nSCORE3=9\r\n; "},
    {"PersonsSemicolonAndSpacesLineStays", "[RANK]\r\nA=1\r\n;    \r\n", "RANK", "B", "2",
     "[RANK]\r\nA=1\r\nB=2\r\n;    \r\n"},
    {"SavesOwnPaddingGoes", "[RANK]\r\nA=1\r\n;VELQUAN save padding   \r\n", "RANK", "A", "2", "[RANK]\r\nA=2\r\n"},
    {"PaddingNotLastStays", "[RANK]\r\n;VELQUAN save padding\r\nA=1\r\n", "RANK", "A", "2",
     "[RANK]\r\n;VELQUAN save padding\r\nA=2\r\n"},
    {"BomStaysAndIsNoHeader", "\xEF\xBB\xBF[RANK]\r\n", "RANK", "A", "1", "\xEF\xBB\xBF[RANK]\r\n[RANK]\r\nA=1\r\n"},
};

INSTANTIATE_TEST_SUITE_P(Cases, ProfileWriteTest, ::testing::ValuesIn(kWriteCases),
                         [](const auto& info) { return std::string(info.param.Name); });

class ProfileTransactionTest : public ProfileTest, public ::testing::WithParamInterface<WriteCase> {};

// A transaction gives byte for byte what the same writes, one by one, give: on every file
// above, with the case's own write, keys and a section that earlier writes of the same
// transaction created, an update whose name differs in case, and a value cut at a break.
TEST_P(ProfileTransactionTest, EqualsTheSameWritesOneByOne)
{
    const WriteCase& c = GetParam();
    const QString section = QString::fromUtf8(c.Section);
    const QString key = QString::fromUtf8(c.Key);
    const QList<TProfileWrite> writes = {
        {section, key, QString::fromUtf8(c.Value)},
        {"RANK", "NAME9", "a"},
        {" rank", "name9 ", QStringLiteral("魔王")},
        {"NEW", "K", "1"},
        {"new", "K2", "2"},
        {section, key, "again"},
        {"RANK", "SCORE1", "x\r\ny"},
        {"Other", "A", " spaced "},
    };
    const QString oneByOne = FDir.filePath(QStringLiteral("single.ini"));
    if (c.Before != "<missing>") {
        WriteBytes(FPath, c.Before);
        WriteBytes(oneByOne, c.Before);
    }
    for (const TProfileWrite& write : writes)
        WriteProfileString(oneByOne, write.Section, write.Key, write.Value);
    WriteProfileStrings(FPath, writes);
    EXPECT_EQ(ReadBytes(FPath), ReadBytes(oneByOne));
}

INSTANTIATE_TEST_SUITE_P(Cases, ProfileTransactionTest, ::testing::ValuesIn(kWriteCases),
                         [](const auto& info) { return std::string(info.param.Name); });

// One refused name anywhere in a transaction refuses it whole, before the file is touched.
TEST_F(ProfileTest, TransactionWithARefusedNameChangesNothing)
{
    const QByteArray before = "[RANK]\r\nNAME1=Al\r\n";
    WriteBytes(FPath, before);
    EXPECT_THROW(WriteProfileStrings(FPath, {{"RANK", "NAME1", "Bob"}, {"RANK", "SCORE1", "9"}, {"RANK", "=x", "1"}}),
                 EWriteError);
    EXPECT_EQ(ReadBytes(FPath), before);
    EXPECT_EQ(QDir(FDir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{"VELQUAN.ini"});
}

// New keys keep the order they were written in, and the ranking reads back as written.
TEST_F(ProfileTest, RankingWrittenKeyByKeyReadsBack)
{
    for (int rank = 1; rank <= 5; ++rank) {
        WriteProfileString(FPath, "RANK", QStringLiteral("NAME%1").arg(rank), QStringLiteral("魔神%1").arg(rank));
        WriteProfileString(FPath, "RANK", QStringLiteral("SCORE%1").arg(rank), QString::number(600 - 100 * rank));
    }
    EXPECT_EQ(ReadBytes(FPath), cp932::encode(QStringLiteral("[RANK]\r\n"
                                                             "NAME1=魔神1\r\nSCORE1=500\r\n"
                                                             "NAME2=魔神2\r\nSCORE2=400\r\n"
                                                             "NAME3=魔神3\r\nSCORE3=300\r\n"
                                                             "NAME4=魔神4\r\nSCORE4=200\r\n"
                                                             "NAME5=魔神5\r\nSCORE5=100\r\n")));
    EXPECT_EQ(ReadProfileString(FPath, "RANK", "NAME3", ""), QStringLiteral("魔神3"));
    EXPECT_EQ(ReadProfileString(FPath, "RANK", "SCORE5", ""), "100");

    // Writing the same table again changes nothing.
    const QByteArray before = ReadBytes(FPath);
    WriteProfileString(FPath, "RANK", "NAME1", QStringLiteral("魔神1"));
    EXPECT_EQ(ReadBytes(FPath), before);
}

// A pasted name with a line break must not smuggle keys into the file.
TEST_F(ProfileTest, ValueCannotInjectKeys)
{
    WriteBytes(FPath, "[RANK]\r\nNAME1=Al\r\nSCORE1=100\r\n");
    WriteProfileString(FPath, "RANK", "NAME1", "Bob\r\nSCORE1=999999");
    WriteProfileString(FPath, "RANK", "NAME2", "Eve\n[RANK]\nSCORE1=999999");
    EXPECT_EQ(ReadProfileString(FPath, "RANK", "NAME1", ""), "Bob");
    EXPECT_EQ(ReadProfileString(FPath, "RANK", "SCORE1", ""), "100");
    EXPECT_EQ(ReadBytes(FPath), "[RANK]\r\nNAME1=Bob\r\nSCORE1=100\r\nNAME2=Eve\r\n");
}

// Names the file could not hold as names are refused, and the file stays as it was.
TEST_F(ProfileTest, RejectsNamesThatWouldReadBackAsSomethingElse)
{
    const QByteArray before = "[RANK]\r\nSCORE1=100\r\n";
    WriteBytes(FPath, before);
    const std::pair<const char*, const char*> names[] = {
        {"", "NAME1"},        {"  ", "NAME1"}, {"RA]NK", "NAME1"}, {"RANK\r\n[X", "NAME1"}, {"RANK", ""},
        {"RANK", "SCORE1=9"}, {"RANK", ";x"},  {"RANK", "[X]"},    {"RANK", "A\nSCORE1"},   {"RANK", "A\rB"},
    };
    for (const auto& [section, key] : names) {
        SCOPED_TRACE(std::string(section) + " / " + key);
        EXPECT_THROW(WriteProfileString(FPath, section, key, "1"), EWriteError);
    }
    EXPECT_EQ(ReadBytes(FPath), before);
}

TEST_F(ProfileTest, WriteIntoMissingFolderFailsWithThePath)
{
    const QString path = FDir.filePath(QStringLiteral("gone/VELQUAN.ini"));
    try {
        WriteProfileString(path, "RANK", "NAME1", "Bob");
        FAIL() << "no error raised";
    } catch (const EWriteError& error) {
        EXPECT_EQ(error.Message(), path + QStringLiteral(" に書き込めません"));
    }
    EXPECT_FALSE(QFileInfo::exists(FDir.filePath("gone")));
}

TEST_F(ProfileTest, WriteOntoADirectoryFails)
{
    ASSERT_TRUE(QDir(FDir.path()).mkdir("VELQUAN.ini"));
    EXPECT_THROW(WriteProfileString(FPath, "RANK", "NAME1", "Bob"), EWriteError);
    EXPECT_TRUE(QFileInfo(FPath).isDir());
}

// The new file replaces the old one whole: nothing is left beside it, and it keeps the
// old file's permissions.
TEST_F(ProfileTest, WriteReplacesFileAndLeavesNothingBehind)
{
    WriteBytes(FPath, "[RANK]\r\nNAME1=a\r\n");
    ASSERT_EQ(::chmod(QFile::encodeName(FPath).constData(), 0640), 0);
    for (int i = 0; i < 5; ++i)
        WriteProfileString(FPath, "RANK", QStringLiteral("NAME%1").arg(i), "x");

    EXPECT_EQ(QDir(FDir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{"VELQUAN.ini"});
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(FPath).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST_F(ProfileTest, WriteThroughLinkUpdatesTheLinkedFile)
{
    const QString real = FDir.filePath("real.ini");
    WriteBytes(real, "[RANK]\r\nNAME1=a\r\n");
    ASSERT_TRUE(QFile::link(real, FPath));
    WriteProfileString(FPath, "RANK", "NAME1", "b");
    EXPECT_TRUE(QFileInfo(FPath).isSymLink());
    EXPECT_EQ(ReadBytes(real), "[RANK]\r\nNAME1=b\r\n");
}

TEST_F(ProfileTest, RelativePathNamesFullPathInError)
{
    const QString saved = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(FDir.path()));
    QString message;
    try {
        WriteProfileString("gone/VELQUAN.ini", "RANK", "NAME1", "Bob");
    } catch (const EWriteError& error) {
        message = error.Message();
    }
    QDir::setCurrent(saved);
    EXPECT_EQ(message, QDir(FDir.path()).absoluteFilePath("gone/VELQUAN.ini") + QStringLiteral(" に書き込めません"));
}

} // namespace
