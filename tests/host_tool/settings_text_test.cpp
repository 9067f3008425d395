// The settings document as XML text, in the form the Linux build's file
// has: written and read back unchanged, and refused when malformed.
#include <gtest/gtest.h>

#include "session_engine/settings/settings_xml_text.h"

namespace host_tool {
namespace {

sim::XmlElement Document() {
    sim::XmlElement root{"settings", "", {}};
    sim::XmlElement& plugins =
        root.children.emplace_back(sim::XmlElement{"pluginsettings", "", {}});
    sim::XmlElement& own = plugins.children.emplace_back(sim::XmlElement{"Plugin-1", "", {}});
    own.children.push_back({"PosX", "300", {}});
    own.children.push_back({"r0", "1.000000e+000", {}});
    own.children.push_back({"note", "a < b & c > \"d\"", {}});
    own.children.push_back({"blank", "  ", {}});
    own.children.push_back({"empty", "", {}});
    return root;
}

bool Same(const sim::XmlElement& a, const sim::XmlElement& b) {
    if (a.name != b.name || a.text != b.text || a.children.size() != b.children.size())
        return false;
    auto child = b.children.begin();
    for (const sim::XmlElement& mine : a.children)
        if (!Same(mine, *child++)) return false;
    return true;
}

TEST(SettingsText, IsWrittenAsTheLinuxBuildWritesIt) {
    EXPECT_EQ(WriteXmlText(Document()),
              "<?xml version=\"1.0\"?>\n"
              "<settings>\n"
              "  <pluginsettings>\n"
              "    <Plugin-1>\n"
              "      <PosX>300</PosX>\n"
              "      <r0>1.000000e+000</r0>\n"
              "      <note>a &lt; b &amp; c &gt; \"d\"</note>\n"
              "      <blank>  </blank>\n"
              "      <empty />\n"
              "    </Plugin-1>\n"
              "  </pluginsettings>\n"
              "</settings>\n");
}

TEST(SettingsText, ReadsBackWhatWasWritten) {
    std::optional<sim::XmlElement> read = ReadXmlText(WriteXmlText(Document()));
    ASSERT_TRUE(read);
    EXPECT_TRUE(Same(*read, Document()));
}

TEST(SettingsText, ReadsCommentsEntitiesAndOtherLayouts) {
    std::optional<sim::XmlElement> read = ReadXmlText(
        "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<!-- kept by the host -->\r\n"
        "<settings><pluginsettings><P><k>&#65;&#x42;&quot;&apos;&#xE9;</k></P></pluginsettings></"
        "settings >\r\n");
    ASSERT_TRUE(read);
    EXPECT_EQ(read->children.front().children.front().children.front().text, "AB\"'\xC3\xA9");
}

TEST(SettingsText, RefusesWhatIsNotASettingsDocument) {
    for (const char* text :
         {"", "settings", "<settings>", "<settings></setting>", "<settings a=\"1\"/>",
          "<settings/><other/>", "<settings>&nbsp;</settings>", "<settings>&#0;</settings>",
          "<settings><k>1</settings></k>"})
        EXPECT_FALSE(ReadXmlText(text)) << text;
}

TEST(SettingsText, TellsWhereAndWhyItRefuses) {
    const struct {
        const char* text;
        const char* problem;
    } cases[] = {
        {"<settings>\n  <PosX>300\n", "line 2, column 3: the element <PosX> is not closed"},
        {"<settings>\n  <a>1</b>\n</settings>", "line 2, column 7: </b> closes <a>"},
        {"<settings>\n\n <k a=\"1\"/>\n</settings>",
         "line 3, column 5: \">\" was expected after <k"},
        {"<settings>&nbsp;</settings>", "line 1, column 11: the unknown entity &nbsp;"},
        {"<s/>\n<t/>", "line 2, column 1: more after the root element"},
        {"", "line 1, column 1: no element"},
    };
    for (const auto& c : cases) {
        std::string problem;
        EXPECT_FALSE(ReadXmlText(c.text, &problem)) << c.text;
        EXPECT_EQ(problem, c.problem) << c.text;
    }
}

}  // namespace
}  // namespace host_tool
