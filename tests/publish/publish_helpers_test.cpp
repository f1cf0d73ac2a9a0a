// The helpers of the page writers, as tables of examples and edge cases: link values,
// script escaping, style tags, non-breaking spaces, published files and image link files, and the mark
// that sends every record to the next publish.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "platform/fs/files.h"
#include "publish/publish_helpers.h"
#include "publish/publish_output.h"
#include "publish/publish_setup_form.h"
#include "publish_forms_fixture.h"

namespace fv::testing {
namespace {

struct LinkCase {
    std::string value, target, shown;
};

TEST(LinkTest, TargetBeforeTheFirstDoubleColonAndShownTextAfterIt) {
    const std::vector<LinkCase> cases = {
        {"mailto:sales::Write to us", "mailto:sales", "Write to us"},
        {"a::b::c", "a", "b::c"},
        {"http://www.example.com", "http://www.example.com", "http://www.example.com"},
        {"::x", "", "x"},
        {"x::", "x", ""},
        {"::", "", ""},
        {"", "", ""},
        {"a:b", "a:b", "a:b"},
        {"a:::b", "a", ":b"},
        {"www.example.com/a b::Our shop", "www.example.com/a b", "Our shop"},
    };
    for (const LinkCase& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(LinkTarget(c.value), c.target);
        EXPECT_EQ(LinkDisplayText(c.value), c.shown);
    }
}

TEST(LinkTest, LongValuesAreNeverCut) {
    const std::string target(2000, 't'), shown(3000, 's');
    EXPECT_EQ(LinkTarget(target + "::" + shown), target);
    EXPECT_EQ(LinkDisplayText(target + "::" + shown), shown);
    EXPECT_EQ(LinkTarget(target), target);
}

struct EscapeCase {
    std::string in, out;
};

TEST(EscapeForScriptTest, QuotesBackslashesLineBreaksAndClosingTags) {
    const std::vector<EscapeCase> cases = {
        // A backslash doubled, a quote escaped; ordinary text byte for byte.
        {"", ""},
        {"Plain text, 100% <b>bold</b>'s", "Plain text, 100% <b>bold<\\/b>'s"},
        {"a\\\"b", "a\\\\\\\"b"},  // a, backslash, quote, b: six characters out
        {"\"", "\\\""},
        {"\\", "\\\\"},
        {"say \"hi\"", "say \\\"hi\\\""},
        {"C:\\pics\\cat.jpeg", "C:\\\\pics\\\\cat.jpeg"},
        {"caf\xc3\xa9 \xe2\x82\xac", "caf\xc3\xa9 \xe2\x82\xac"},
        {"it's", "it's"},
        // Further: nothing ends the string, the line or the script element.
        {"line1\r\nline2", "line1\\r\\nline2"},
        {"\n", "\\n"},
        {"\r", "\\r"},
        {"</script>", "<\\/script>"},
        {"</SCRIPT><script>alert(1)</script>", "<\\/SCRIPT><script>alert(1)<\\/script>"},
        {"a < b", "a < b"},
        {"<", "<"},
        {"</", "<\\/"},
        {"<<//", "<<\\//"},
        {"\\</", "\\\\<\\/"},
    };
    for (const EscapeCase& c : cases) {
        SCOPED_TRACE(c.in);
        EXPECT_EQ(EscapeForScript(c.in), c.out);
        EXPECT_EQ(EscapeTextForScript(c.in), c.out);
    }
    EXPECT_EQ(EscapeForScript("a\\\"b").size(), 6u);
}

TEST(EscapeForScriptTest, TheOutputGrowsByOnePerBackslashAndQuoteAndIsNeverCut) {
    std::string in;
    for (int i = 0; i < 400; ++i) in += "x\"\\";
    std::string out = EscapeForScript(in);
    EXPECT_EQ(out.size(), in.size() + 800);
    EXPECT_EQ(out.substr(0, 5), "x\\\"\\\\");
}

// What a browser's script parser would make of the escaped text between double quotes: every escape
// undone, and no unescaped quote, line break or "</" left.
std::string Unescape(const std::string& s, bool& safe) {
    std::string out;
    safe = true;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '"' || s[i] == '\r' || s[i] == '\n') safe = false;
        if (s[i] == '<' && i + 1 < s.size() && s[i + 1] == '/') safe = false;
        if (s[i] != '\\') {
            out += s[i];
            continue;
        }
        char n = i + 1 < s.size() ? s[++i] : '\\';
        out += n == 'r' ? '\r' : n == 'n' ? '\n' : n;
    }
    return out;
}

TEST(EscapeForScriptTest, AnyTextComesBackWhole) {
    std::string every;
    for (int c = 1; c < 256; ++c) every += char(c);
    every += "</script></";
    bool safe = false;
    EXPECT_EQ(Unescape(EscapeForScript(every), safe), every);
    EXPECT_TRUE(safe);
}

struct StyleCase {
    std::string style, open, close;
};

TEST(StyleTagsTest, BoldItalicUnderlineInOrderAndClosedInReverse) {
    const std::vector<StyleCase> cases = {
        {"Bold Italic Underline", "<B><I><U>", "</U></I></B>"},
        {"Underline Italic Bold", "<B><I><U>", "</U></I></B>"},
        {"Bold", "<B>", "</B>"},
        {"Italic", "<I>", "</I>"},
        {"Underline", "<U>", "</U>"},
        {"Bold Italic", "<B><I>", "</I></B>"},
        {"Bold Underline", "<B><U>", "</U></B>"},
        {"Normal Italic", "<I>", "</I>"},
        {" Bold Italic ", "<B><I>", "</I></B>"},
        {"Normal", "", ""},
        {"", "", ""},
        {"bold", "", ""},
        {"BOLD ITALIC", "", ""},
    };
    for (const StyleCase& c : cases) {
        SCOPED_TRACE(c.style);
        EXPECT_EQ(StyleOpenTags(c.style), c.open);
        EXPECT_EQ(StyleCloseTags(c.style), c.close);
    }
}

TEST(SpacesToNbspTest, EverySpaceAndNothingElse) {
    EXPECT_EQ(SpacesToNbsp("Bargain  Basement"), "Bargain&nbsp;&nbsp;Basement");
    EXPECT_EQ(SpacesToNbsp("Executive"), "Executive");
    EXPECT_EQ(SpacesToNbsp(""), "");
    EXPECT_EQ(SpacesToNbsp(" "), "&nbsp;");
    EXPECT_EQ(SpacesToNbsp("a\tb"), "a\tb");
    const std::string words(600, ' ');
    EXPECT_EQ(SpacesToNbsp(words).size(), 3600u) << "no 499-character limit";
}

TEST(EscapeForAttributeTest, TheFourMarkupCharactersBecomeReferencesAndNothingElseChanges) {
    struct Case {
        const char* text;
        const char* attribute;
        const char* why;
    } cases[] = {
        {"He said \"hi\"", "He said &quot;hi&quot;", "a quote would end the attribute"},
        {"Fish & Chips", "Fish &amp; Chips", "an ampersand would start a reference"},
        {"&quot;", "&amp;quot;", "a typed reference is shown as typed, not read"},
        {"<b>bold</b>", "&lt;b&gt;bold&lt;/b&gt;", "a plain text holds no tags"},
        {"it's Caf\xc3\xa9 \\ 100%", "it's Caf\xc3\xa9 \\ 100%", "everything else stays byte for byte"},
        {"", "", "an empty text stays empty"},
    };
    for (const Case& c : cases) EXPECT_EQ(EscapeForAttribute(c.text), c.attribute) << c.why;
}

TEST(ImageLinkFileNameTest, TheExtensionIsReplacedByImg) {
    EXPECT_EQ(ImageLinkFileName("qlx3_7_1.gif", "gif"), "qlx3_7_1.img");
    EXPECT_EQ(ImageLinkFileName("/pub/qlx2_4_1.jpeg", "jpeg"), "/pub/qlx2_4_1.img");
    EXPECT_EQ(ImageLinkFileName("qlx1_1_1.", ""), "qlx1_1_1.img");
    EXPECT_EQ(ImageLinkFileName("x", "jpeg"), "img");
}

class PublishFilesTest : public PublishFormsFixture {
protected:
    void SetUp() override {
        PublishFormsFixture::SetUp();
        program->DatabaseDirectory = dir.Path();
    }
    std::string Read(const std::string& name) { return ReadWholeFile(dir.File(name)).value_or("<missing>"); }
};

TEST_F(PublishFilesTest, CopyPublishFileOverwritesAndReportsAMissingSource) {
    ASSERT_TRUE(WriteWholeFile(dir.File("a.gif"), "GIF89a-new"));
    ASSERT_TRUE(WriteWholeFile(dir.File("qlxb.gif"), "old"));
    EXPECT_TRUE(CopyPublishFile(*program, dir.File("a.gif"), dir.File("qlxb.gif")));
    EXPECT_EQ(Read("qlxb.gif"), "GIF89a-new");
    EXPECT_TRUE(Messages().Log().empty());

    EXPECT_FALSE(CopyPublishFile(*program, dir.File("missing.gif"), dir.File("qlxf.gif")));
    ASSERT_EQ(Messages().Log().size(), 1u) << "a plain message box, no beep";
    EXPECT_EQ(Messages().Log()[0].Text, "Unable to locate file '" + dir.File("missing.gif") + "'");
    EXPECT_FALSE(PathExistsOnDisk(dir.File("qlxf.gif")));
}

TEST_F(PublishFilesTest, PublishImageFileCopiesOrWritesALinkFile) {
    ASSERT_TRUE(WriteWholeFile(dir.File("cat.jpeg"), "JPEG-bytes"));
    PublishOutput out(dir.Path());
    EXPECT_TRUE(PublishImageFile(*program, dir.File("cat.jpeg"), out, "qlx2_4_1.jpeg", "jpeg"));
    EXPECT_EQ(Read("qlx2_4_1.jpeg"), "JPEG-bytes");
    EXPECT_TRUE(out.Has("qlx2_4_1.jpeg"));
    EXPECT_FALSE(PathExistsOnDisk(dir.File("qlx2_4_1.img")));

    program->PublishSetupForm->LinkImagesAtUpload->SetChecked(true);
    RemoveFile(dir.File("qlx2_4_1.jpeg"));
    EXPECT_TRUE(PublishImageFile(*program, dir.File("cat.jpeg"), out, "qlx2_4_1.jpeg", "jpeg"));
    EXPECT_EQ(Read("qlx2_4_1.img"), dir.File("cat.jpeg") + "\r\n");
    EXPECT_FALSE(PathExistsOnDisk(dir.File("qlx2_4_1.jpeg"))) << "no image is copied";
    // An existing link file is replaced whole.
    ASSERT_TRUE(WriteWholeFile(dir.File("qlx3_7_1.img"), std::string(500, 'x')));
    EXPECT_TRUE(PublishImageFile(*program, "/pics/a.gif", out, "qlx3_7_1.gif", "gif"));
    EXPECT_EQ(Read("qlx3_7_1.img"), "/pics/a.gif\r\n");
    // A picture that already lives in the publish folder under its published name gets no link file.
    PublishOutput again(dir.Path());
    EXPECT_TRUE(PublishImageFile(*program, dir.File("cat.jpeg"), again, "cat.jpeg", "jpeg"));
    EXPECT_FALSE(PathExistsOnDisk(dir.File("cat.img")));
    EXPECT_EQ(Read("cat.jpeg"), "JPEG-bytes");
    EXPECT_TRUE(Messages().Log().empty());
}

TEST_F(PublishFilesTest, AWritersFileLeftByAnEndedProgramIsNoOutputAndGoes) {
    // A program that ended during a write left its temporary; a running one's is still in use.
    const pid_t ended = ::fork();
    ASSERT_GE(ended, 0);
    if (ended == 0) ::_exit(0);
    int status = 0;
    ASSERT_EQ(::waitpid(ended, &status, 0), ended);
    const std::string left = "qlx_index.htm.tmp" + std::to_string(ended) + "-17";
    const std::string inUse = "qlx_1_1.htm.tmp" + std::to_string(::getpid()) + "-3";
    for (const std::string& name : {left, inUse, std::string("qlx_index.htm"), std::string("notes.tmp")})
        ASSERT_TRUE(WriteWholeFile(dir.File(name), "bytes"));

    PublishOutput out(dir.Path());
    EXPECT_FALSE(PathExistsOnDisk(dir.File(left)));
    EXPECT_FALSE(out.Has(left));
    EXPECT_TRUE(PathExistsOnDisk(dir.File(inUse))) << "the running program's write goes on";
    for (const char* kept : {"qlx_index.htm", "notes.tmp"}) {
        EXPECT_TRUE(PathExistsOnDisk(dir.File(kept))) << kept;
        EXPECT_TRUE(out.Has(kept)) << kept;
    }
}

TEST_F(PublishFilesTest, PublishImageFileFailsQuietly) {
    PublishOutput out(dir.Path());
    EXPECT_FALSE(PublishImageFile(*program, dir.File("none.gif"), out, "qlx1_1_1.gif", "gif"));
    EXPECT_FALSE(out.Has("qlx1_1_1.gif"));
    program->PublishSetupForm->LinkImagesAtUpload->SetChecked(true);
    PublishOutput missing(dir.File("no/such/dir"));
    EXPECT_FALSE(PublishImageFile(*program, dir.File("none.gif"), missing, "qlx1_1_1.gif", "gif"));
    EXPECT_TRUE(Messages().Log().empty());
}

TEST_F(PublishFilesTest, ReturnToDatabaseDirectory) {
    ChangeDirectory("/");
    ReturnToDatabaseDirectory(*program);
    EXPECT_EQ(CurrentDirectory(), dir.Path());
}

}  // namespace
}  // namespace fv::testing
