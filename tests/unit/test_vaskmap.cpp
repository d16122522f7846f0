// The map tool, run as a program on maps written by the game's own writer.
#include "RunTool.h"
#include "SampleMap.h"

#include <gtest/gtest.h>

#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A 2 x 2 x 2 map with two vask cells, one of each machine the loader builds
// and two events.
std::string writeSampleMap(const std::string& path, const std::string& speaker = "Mira",
                           const std::string& text = "Hold on", const std::string& tex = "face1") {
    auto w = makeWorld(2, 2, 2);
    w->cell(0, 0, 0).type = 3;
    w->cell(1, 0, 0) = Block(2);
    w->cell(1, 0, 0).data = 7;
    w->cell(0, 1, 1) = Block(2);
    w->cell(0, 1, 1).data = 5;
    w->cell(1, 1, 1).type = 5;
    w->cell(0, 1, 0).type = 14;
    w->cell(1, 0, 1).type = 14;
    w->cell(0, 0, 1).type = 14;
    w->player.pos = vec3(1.5f, 3.25f, 0.5f);
    w->mapType = 1;
    addSampleRecords(*w, {vec3(0, 1, 0), vec3(1, 1, 1), vec3(0, 0, 1), vec3(1, 0, 1)}, 300,
                     {DialogItem(speaker, text, tex)}, -1);
    return writtenBytes(*w, path);
}

const std::string SAMPLE_JSON =
    "{\"player\":[1.5,3.25,0.5],\"size\":[2,2,2],\"mapType\":1,"
    "\"blocks\":{\"0\":1,\"2\":2,\"3\":1,\"5\":1,\"14\":3},\"vask\":{\"cells\":2,\"strength\":12},"
    "\"actives\":[{\"type\":2,\"pos\":[0,1,0],\"special\":9},"
    "{\"type\":1,\"pos\":[1,1,1],\"size\":2,\"speed\":20,\"strength\":40,\"ai\":3},"
    "{\"type\":4,\"pos\":[0,0,1]},"
    "{\"type\":15,\"pos\":[1,0,1],\"dmg\":3,\"rate\":25,\"range\":12.5,\"ammo\":2}],"
    "\"events\":[{\"time\":300,\"victory\":false,\"items\":[{\"speaker\":\"Mira\",\"text\":\"Hold on\",\"tex\":\"face1\"}]},"
    "{\"time\":-1,\"victory\":true,\"items\":[]}],\"clean\":true}\n";

// Header, eight cells of which two carry a strength, the machine count.
const size_t SAMPLE_TYPE_OFFSET = 24 + 8 * 2 + 2 * 2 + 4;

}  // namespace

TEST(VaskMap, InfoDescribesACleanMap) {
    writeSampleMap("tool_clean.map");
    std::string out;
    EXPECT_EQ(runTool("vaskmap", "info tool_clean.map", out), 0);
    EXPECT_EQ(out, SAMPLE_JSON);
}

TEST(VaskMap, StringsAreAlwaysValidJson) {
    writeSampleMap("tool_strings.map", "a\"b\\c\n\x01\x7f", "caf\xC3\xA9 \xF0\x9F\x98\x80",
                   // a stray byte, a cut sequence, a surrogate and an overlong slash
                   "\xFF\xC3(\xED\xA0\x80\xC0\xAF");
    std::string out;
    EXPECT_EQ(runTool("vaskmap", "info tool_strings.map", out), 0);
    EXPECT_NE(out.find("\"speaker\":\"a\\\"b\\\\c\\u000a\\u0001\\u007f\""), std::string::npos) << out;
    EXPECT_NE(out.find("\"text\":\"caf\xC3\xA9 \xF0\x9F\x98\x80\""), std::string::npos) << out;
    EXPECT_NE(out.find("\"tex\":\"\\u00ff\\u00c3(\\u00ed\\u00a0\\u0080\\u00c0\\u00af\""), std::string::npos)
        << out;
}

TEST(VaskMap, DamagedAndMissingFiles) {
    std::string bytes = writeSampleMap("tool_whole.map");
    std::string out;
    // Cut inside the last dialog line: the machines and nothing after the cut.
    writeBytes("tool_cut.map", bytes.substr(0, bytes.size() - 3 - 13));
    EXPECT_EQ(runTool("vaskmap", "info tool_cut.map", out, "tool_err.txt"), 1);
    EXPECT_EQ(out.rfind("{\"player\":[1.5,3.25,0.5]", 0), 0u) << out;
    EXPECT_EQ(out.find('\n'), out.size() - 1) << "one line of JSON, no loader chatter";
    EXPECT_NE(out.find("\"ai\":3"), std::string::npos);
    EXPECT_NE(out.find("\"events\":[]"), std::string::npos);
    EXPECT_NE(out.find("\"clean\":false}"), std::string::npos);

    writeBytes("tool_cut.map", bytes.substr(0, 30));
    EXPECT_EQ(runTool("vaskmap", "info tool_cut.map", out), 1);
    EXPECT_NE(out.find("\"actives\":[],\"events\":[],\"clean\":false}"), std::string::npos) << out;

    writeBytes("tool_cut.map", bytes.substr(0, 10));
    EXPECT_EQ(runTool("vaskmap", "info tool_cut.map", out), 1);
    EXPECT_NE(out.find("\"size\":[0,0,0]"), std::string::npos) << out;

    unlink("tool_missing.map");
    EXPECT_EQ(runTool("vaskmap", "info tool_missing.map", out, "tool_err.txt"), 2);
    EXPECT_EQ(out, "");
    EXPECT_NE(readBytes("tool_err.txt").find("cannot read tool_missing.map"), std::string::npos);

    mkdir("tool_folder.map", 0755);
    EXPECT_EQ(runTool("vaskmap", "info tool_folder.map", out, "tool_err.txt"), 2);
    EXPECT_NE(readBytes("tool_err.txt").find("cannot read tool_folder.map"), std::string::npos);
    EXPECT_EQ(runTool("vaskmap", "publish tool_folder.map", out, "tool_err.txt"), 2);
    rmdir("tool_folder.map");
}

TEST(VaskMap, WrongArgumentsShowUsage) {
    std::string out;
    for (const char* args : {"", "info", "info a b", "show tool_clean.map"}) {
        EXPECT_EQ(runTool("vaskmap", args, out, "tool_err.txt"), 2) << args;
        EXPECT_EQ(out, "");
        EXPECT_NE(readBytes("tool_err.txt").find("usage: vaskmap info FILE"), std::string::npos);
    }
}

TEST(VaskMap, PublishAndDraftSetOnlyTheTypeByte) {
    std::string bytes = writeSampleMap("tool_pub.map");
    ASSERT_EQ(bytes[SAMPLE_TYPE_OFFSET], 1);
    std::string out;
    EXPECT_EQ(runTool("vaskmap", "publish tool_pub.map", out), 0);
    std::string published = readBytes("tool_pub.map");
    ASSERT_EQ(published.size(), bytes.size());
    std::string expected = bytes;
    expected[SAMPLE_TYPE_OFFSET] = 2;
    EXPECT_EQ(published, expected);
    auto w = makeWorld(1, 1, 1);
    EXPECT_TRUE(readQuietly(*w, "tool_pub.map"));
    EXPECT_EQ(w->mapType, 2);

    EXPECT_EQ(runTool("vaskmap", "draft tool_pub.map", out), 0);
    EXPECT_EQ(readBytes("tool_pub.map"), bytes);

    // A map cut inside its cells has no type byte to set: left as it is.
    writeBytes("tool_pub_cut.map", bytes.substr(0, 30));
    EXPECT_EQ(runTool("vaskmap", "publish tool_pub_cut.map", out), 1);
    EXPECT_EQ(readBytes("tool_pub_cut.map"), bytes.substr(0, 30));
    EXPECT_EQ(runTool("vaskmap", "publish tool_missing.map", out), 2);
}
