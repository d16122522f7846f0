// How the files of Shaders/ are grouped into programs and stages.
#include "render/ShaderCheck.h"
#include "render/ShaderHelp.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> names(const std::vector<ShaderProgramPlan>& plans) {
    std::vector<std::string> out;
    for (const auto& p : plans) out.push_back(p.name);
    return out;
}

}  // namespace

TEST(ShaderPrograms, ThreeProgramsFromSixFilesInNameOrder) {
    auto plans = planShaderPrograms(
        {"shadow.vert", ".", "post.frag", "block.frag", "..", "block.vert", "shadow.frag", "post.vert"});
    ASSERT_EQ(names(plans), (std::vector<std::string>{"block", "post", "shadow"}));
    size_t stages = 0;
    for (const auto& p : plans) stages += p.stages.size();
    EXPECT_EQ(stages, 6u);
    // Files of one program keep their listing order.
    ASSERT_EQ(plans[0].stages.size(), 2u);
    EXPECT_EQ(plans[0].stages[0], std::make_pair(std::string("block.frag"), GLenum(GL_FRAGMENT_SHADER)));
    EXPECT_EQ(plans[0].stages[1], std::make_pair(std::string("block.vert"), GLenum(GL_VERTEX_SHADER)));
    EXPECT_EQ(plans[2].stages[0].first, "shadow.vert");
}

TEST(ShaderPrograms, StageWordsAnywhereInTheName) {
    auto plans = planShaderPrograms({"block.geom.txt", "post.x.frag", ".block.vert", "zz.tess", "zz.eval", "README",
                                     "Upper.vert"});
    ASSERT_EQ(names(plans), (std::vector<std::string>{"Upper", "block", "post", "zz"}));
    EXPECT_EQ(plans[1].stages.size(), 1u);
    EXPECT_EQ(plans[1].stages[0].second, GLenum(GL_GEOMETRY_SHADER));
    EXPECT_EQ(plans[2].stages[0].second, GLenum(GL_FRAGMENT_SHADER));
    ASSERT_EQ(plans[3].stages.size(), 2u);
    EXPECT_EQ(plans[3].stages[0].second, GLenum(GL_TESS_CONTROL_SHADER));
    EXPECT_EQ(plans[3].stages[1].second, GLenum(GL_TESS_EVALUATION_SHADER));
    // The first word in the list wins, wherever it stands in the name.
    EXPECT_EQ(shaderStageForName("frag.vert"), GLenum(GL_VERTEX_SHADER));
    EXPECT_EQ(shaderStageForName("notes.txt"), 0u);
}

// What start-up tells the player when the programs cannot draw the game.
TEST(ShaderPrograms, FailuresNameTheFolderTheProgramAndWhatToDo) {
    std::map<std::string, ProgramState> all = {{"block", {true, ""}}, {"post", {true, ""}}, {"shadow", {true, ""}}};
    EXPECT_TRUE(judgeShaders(true, all).ok());
    EXPECT_EQ(judgeShaders(true, all).message(), "");

    ShaderFailure gone = judgeShaders(false, {});
    EXPECT_FALSE(gone.ok());
    EXPECT_NE(gone.message().find("The folder Shaders is missing"), std::string::npos);
    EXPECT_NE(gone.message().find("Reinstall the game"), std::string::npos);

    // A modder's extra program comes after the ones the game needs.
    std::map<std::string, ProgramState> some = {{"aaa", {false, "vertex stage: 0:3(1): error: x"}},
                                                {"post", {false, "fragment stage: 0:1(1): error: y"}},
                                                {"shadow", {true, ""}}};
    ShaderFailure f = judgeShaders(true, some);
    EXPECT_EQ(f.missing, std::vector<std::string>{"block"});
    EXPECT_EQ(f.broken, (std::vector<std::string>{"post", "aaa"}));
    EXPECT_EQ(f.message(),
              "The folder Shaders has no block program (files such as block.vert and block.frag). The shader "
              "programs post and aaa in the folder Shaders did not compile or link (post, fragment stage: 0:1(1): "
              "error: y). Fix the files, or reinstall the game's Shaders folder. Standard error has every message.");

    // An empty folder lacks all three.
    EXPECT_EQ(judgeShaders(true, {}).missing, REQUIRED_PROGRAMS);
    EXPECT_NE(judgeShaders(true, {}).message().find("no block, post and shadow programs"), std::string::npos);
}
