#include "storage/help_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "model/cp932.h"

namespace {

TEST(HelpFile, TopicsSplitAtTheirMarksWhateverTheLineEnds) {
  for (const char* eol : {"\r\n", "\n", "\r"}) {
    const std::string text = std::string("preface") + eol + "#topic 224 Contents" + eol +
                             "line one" + eol + eol + "#topic 230 " + ToCp932("ワンポイント") +
                             eol + "advice";
    const auto topics = ParseHelpFile(text);
    ASSERT_EQ(topics.size(), 2u) << eol;
    EXPECT_EQ(topics.at(224).title, "Contents");
    EXPECT_EQ(topics.at(224).text, "line one\n\n");
    EXPECT_EQ(FromCp932(topics.at(230).title), "ワンポイント");
    EXPECT_EQ(topics.at(230).text, "advice\n");
  }
}

TEST(HelpFile, MalformedMarksAreTextAndJunkGivesNoTopics) {
  const auto topics = ParseHelpFile("#topic 100 A\n#topic x B\n#topic\n");
  ASSERT_EQ(topics.size(), 1u);
  EXPECT_EQ(topics.at(100).text, "#topic x B\n#topic\n");
  EXPECT_TRUE(ParseHelpFile(std::string("\0\xff\x81", 3)).empty());
  EXPECT_TRUE(ParseHelpFile("#topic 99999999999 overflow\n").empty());
}

TEST(HelpFile, MissingOrEmptyFileGivesNothing) {
  EXPECT_FALSE(LoadHelpFile("/nonexistent/Mevrolin.hlp").has_value());
  const auto path = std::filesystem::temp_directory_path() / "mevrolin_empty_help.hlp";
  std::ofstream(path).close();
  EXPECT_FALSE(LoadHelpFile(path.string()).has_value());
  std::filesystem::remove(path);
}

TEST(HelpFile, ShippedHelpFileHasEveryTopicTheProgramOpens) {
  const auto topics = LoadHelpFile(MEVROLIN_SOURCE_DIR "/Mevrolin.hlp");
  ASSERT_TRUE(topics.has_value());
  for (int32_t topic :
       {kHelpMainWindow,  kHelpGraphList,   kHelpFileMenu, kHelpEditMenu, kHelpSettingsMenu,
        kHelpRunMenu,     kHelpDisplayMenu, kHelpContents, kHelpOnePoint, kHelpOpenDialog,
        kHelpNewWork,     kHelpTangenOpen,  kHelpTangen,   kHelpRenshu,   kHelpResults,
        kHelpKiroku,      kHelpSettei,      kHelpSetCood,  kHelpPrint,    kHelpVersion,
        kHelpClassKiroku, kHelpSaveDialog}) {
    ASSERT_TRUE(topics->count(topic)) << topic;
    EXPECT_FALSE(topics->at(topic).text.empty()) << topic;
    // The file is Shift-JIS: it decodes without replacement characters.
    EXPECT_EQ(FromCp932(topics->at(topic).text).find("\xEF\xBF\xBD"), std::string::npos) << topic;
  }
}

}  // namespace
