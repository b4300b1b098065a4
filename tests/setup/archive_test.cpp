// The archive as the packer writes it, listed and extracted.
#include <cstring>

#include "inst/install.h"
#include "inst/payload.h"
#include "inst/payloadwriter.h"
#include "tests/registrymodel.h"
#include "tests/setup/setupfixture.h"

using Archive = SetupTest;
using std::string;
using Names = std::vector<string>;

static int pack(const string &loc, const string &name, const Names &names, const Names &sources)
{
    PayloadHeader h;
    memset(&h, 0, sizeof h);
    strncpy(h.loc, loc.c_str(), sizeof h.loc - 1);
    strncpy(h.name, name.c_str(), sizeof h.name - 1);
    strncpy(h.exe, "prog.exe", sizeof h.exe - 1);
    std::vector<const char *> n, s;
    for (const string &x : names) n.push_back(x.c_str());
    for (const string &x : sources) s.push_back(x.c_str());
    char problem[200];
    return writepayload(ARCHIVE, &h, (int)names.size(), n.data(), s.data(), problem, sizeof problem);
}

TEST_F(Archive, OneThreeByteFileIs263BytesLaidOutAsDocumented)
{
    writewholefile("abc.src", "abc");
    ASSERT_EQ(pack("C:\\Prog", "Prog", {"abc.txt"}, {"abc.src"}), 1);
    EXPECT_EQ(readwholefile(ARCHIVE), archive("C:\\Prog", "Prog", {{"abc.txt", "abc"}}));
    EXPECT_EQ(readwholefile(ARCHIVE).size(), 263u);
}

TEST_F(Archive, PackedFilesListAndExtractInArchiveOrderWithTheRecord)
{
    string big(20000, '\0');
    for (size_t i = 0; i < big.size(); ++i) big[i] = (char)(i * 7);
    string longname(49, 'L');  // the longest name, used whole
    writewholefile("a.src", string("\xFF\x00\x01", 3));
    writewholefile("empty.src", "");
    writewholefile("big.src", big);
    ASSERT_EQ(pack("C:\\Prog", "Prog", {"first.bin", "empty.txt", longname}, {"a.src", "empty.src", "big.src"}), 1);

    EXPECT_EQ(listarchive(), INSTALLDONE);
    EXPECT_EQ(listlog, (Names{"add first.bin", "add empty.txt", "add " + longname}));
    listlog.clear();
    string locn;
    EXPECT_EQ(extractinto("out", &locn), INSTALLDONE);
    EXPECT_EQ(listlog, (Names{"select 0", "select 1", "select 2"})) << "one selection per file";
    EXPECT_EQ(readwholefile("out/first.bin"), string("\xFF\x00\x01", 3));
    EXPECT_TRUE(exists("out/empty.txt"));
    EXPECT_EQ(readwholefile("out/empty.txt"), "");
    EXPECT_EQ(readwholefile("out/" + longname), big);
    EXPECT_EQ(locn, "out\\");
    EXPECT_EQ(modelstring("Software\\Marvoc\\Prog", "locn"), string("out\\") + '\0');
    EXPECT_EQ(modeldword(PARENT, "Prog"), 20030111);
}

TEST_F(Archive, CountZeroListsNothingButStillCreatesTheFolderAndTheRecord)
{
    writewholefile(ARCHIVE, header("", "Prog", 0));
    EXPECT_EQ(listarchive(), INSTALLDONE);
    EXPECT_TRUE(listlog.empty());
    EXPECT_EQ(extractinto("out"), INSTALLDONE);
    EXPECT_EQ(tree(), (Names{"data", "out"}));
    EXPECT_EQ(modelstring("Software\\Marvoc\\Prog", "locn"), string("out\\") + '\0');
}

TEST_F(Archive, FolderWithOrWithoutItsBackslashIsTheSamePlace)
{
    writewholefile(ARCHIVE, archive("", "Prog", {{"a.txt", "1"}}));
    string first, second;
    EXPECT_EQ(extractinto("out", &first), INSTALLDONE);
    EXPECT_EQ(extractinto("out\\", &second), INSTALLDONE);
    EXPECT_EQ(first, "out\\");
    EXPECT_EQ(second, "out\\");
    EXPECT_EQ(tree(), (Names{"data", "out", "out/a.txt"}));
}

TEST_F(Archive, ReinstallKeepsEachChangedFileAsBakAndNoCopyOfTheSame)
{
    writewholefile(ARCHIVE, archive("", "Prog", {{"orlavexdic.txt", "harbour\n"}, {"dicbin.txt", "NEWBIN"},
                                            {"same.txt", "same"}, {"fresh.txt", "f"}}));
    std::filesystem::create_directory("out");
    writewholefile("out/orlavexdic.txt", "harbour\nmy own word\n");
    writewholefile("out/orlavexdic.txt.bak", "an older copy");
    writewholefile("out/dicbin.txt", "MARKED");  // the same size, other bytes
    writewholefile("out/same.txt", "same");
    writewholefile("out/notes.txt", "the user's own");
    EXPECT_EQ(extractinto("out"), INSTALLDONE);
    EXPECT_EQ(tree(), (Names{"data", "out", "out/dicbin.txt", "out/dicbin.txt.bak", "out/fresh.txt",
                             "out/notes.txt", "out/orlavexdic.txt", "out/orlavexdic.txt.bak", "out/same.txt"}));
    EXPECT_EQ(readwholefile("out/orlavexdic.txt"), "harbour\n");
    EXPECT_EQ(readwholefile("out/orlavexdic.txt.bak"), "harbour\nmy own word\n") << "one generation: the older copy goes";
    EXPECT_EQ(readwholefile("out/dicbin.txt"), "NEWBIN");
    EXPECT_EQ(readwholefile("out/dicbin.txt.bak"), "MARKED");
    EXPECT_EQ(readwholefile("out/notes.txt"), "the user's own");
    EXPECT_EQ(extractinto("out"), INSTALLDONE) << "once more, over the same bytes";
    EXPECT_EQ(readwholefile("out/dicbin.txt.bak"), "MARKED") << "files with the same bytes get no copy";
    EXPECT_FALSE(exists("out/fresh.txt.bak"));
}

TEST_F(Archive, UnterminatedHeaderFieldsAreCutInsideTheirFields)
{
    string bytes = string(100, 'F') + string(50, 'E') + string(50, 'N') + le32(0);
    writewholefile(ARCHIVE, bytes);
    PayloadHeader h;
    ASSERT_EQ(readheader(ARCHIVE, &h), 1);
    EXPECT_EQ(string(h.loc), string(99, 'F'));
    EXPECT_EQ(string(h.name), string(49, 'N'));
    EXPECT_EQ(extractinto("out"), INSTALLDONE);
    EXPECT_TRUE(modelhasvalue(PARENT, string(49, 'N'))) << "the record's name is the cut name";
}
