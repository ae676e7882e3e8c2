// Path variables replaced given their values, and the help text's examples.
#include "customloc/path_variables.h"
#include "customloc/script_parser.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

namespace aw {
namespace {

class PathVariables : public ::testing::Test {
protected:
    std::string Expand(const std::string& text)
    {
        return SubstitutePathVariables(text, [this](PathVariable v) {
            ++asked[v];
            return values.count(v) ? values[v] : std::string();
        });
    }

    std::map<PathVariable, std::string> values{
        {PathVariable::SystemFolder, R"(C:\windows\system32)"},
        {PathVariable::WindowsFolder, R"(C:\windows)"},
        {PathVariable::TempFolder, R"(C:\users\me\Temp\)"},
        {PathVariable::AppData, R"(C:\users\me\Roaming)"},
        {PathVariable::LocalAppData, R"(C:\users\me\Local)"},
        {PathVariable::ProgramFiles, R"(C:\Program Files)"},
        {PathVariable::CommonAppData, R"(C:\ProgramData)"},
        {PathVariable::UserName, "me"},
    };
    std::map<PathVariable, int> asked;
};

TEST_F(PathVariables, EveryVariableIsReplacedWhereverItStandsIgnoringCase)
{
    EXPECT_EQ(R"(C:\users\me\Temp\x.txt)", Expand("%temp%x.txt"));
    EXPECT_EQ(R"(C:\windows\Temp;C:\windows\Temp)", Expand(R"(%WINDIR%\Temp;%WinDir%\Temp)"));
    EXPECT_EQ(R"(C:\windows\system32|C:\Program Files|C:\ProgramData|me)",
              Expand("%SYSDIR%|%ProgramFiles%|%allusers_appdata%|%USERNAME%"));
    // The three application-data names are told apart.
    EXPECT_EQ(R"(C:\users\me\Roaming\a;C:\users\me\Local\b;C:\ProgramData\c)",
              Expand(R"(%APPDATA%\a;%LOC_APPDATA%\b;%ALLUSERS_APPDATA%\c)"));
    EXPECT_EQ("%FOO%\\%TEMP", Expand("%FOO%\\%TEMP"));
}

TEST_F(PathVariables, AValueIsAskedForOnlyWhenItsVariableOccurs)
{
    Expand(R"(%TEMP%a\%temp%b)");
    EXPECT_EQ(1, asked[PathVariable::TempFolder]);
    EXPECT_EQ(1u, asked.size());
    asked.clear();
    Expand(R"(C:\plain\path)");
    EXPECT_TRUE(asked.empty());
}

TEST_F(PathVariables, VariablesAreReplacedOneAfterTheOtherInTheirOrder)
{
    // A value is searched for the variables after its own, never for its own or earlier ones.
    values[PathVariable::SystemFolder] = "%USERNAME%";
    values[PathVariable::UserName] = "%SYSDIR%";
    EXPECT_EQ("%SYSDIR%", Expand("%SYSDIR%"));
    values[PathVariable::TempFolder] = "[%temp%]";
    EXPECT_EQ("[%temp%]", Expand("%TEMP%"));
    // An empty value can join text into a name that a later variable then replaces.
    values[PathVariable::WindowsFolder] = "";
    EXPECT_EQ("[%temp%]", Expand("%TE%WINDIR%MP%"));
}

TEST(HelpText, ItsExamplesAreLinesTheScriptAcceptsAndItNamesEveryVariable)
{
    const char* source = std::getenv("AW_SOURCE_DIR");
    ASSERT_TRUE(source) << "AW_SOURCE_DIR is not set";
    std::ifstream file(std::string(source) + "/res/CL_Examples.txt", std::ios::binary);
    ASSERT_TRUE(file) << "res/CL_Examples.txt not found";
    std::stringstream content;
    content << file.rdbuf();
    const std::string text = content.str();

    std::map<std::string, int> examples;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        std::string_view trimmed = TrimScriptBlanks(line);
        std::string verb(trimmed.substr(0, 4));
        if (verb != "FIL:" && verb != "DIR:" && verb != "REG:")
            continue;
        ++examples[verb];
        ScriptLine parsed = ParseScriptLine(line);
        EXPECT_FALSE(std::holds_alternative<IgnoredLine>(parsed)) << line;
        // Every folder example is written so that its path is one field.
        if (verb == "DIR:") {
            EXPECT_EQ(2u, SplitScriptFields(trimmed.substr(4)).value_or(std::vector<std::string>{}).size()) << line;
        }
    }
    EXPECT_GE(examples["FIL:"], 2);
    EXPECT_GE(examples["DIR:"], 2);
    EXPECT_GE(examples["REG:"], 2);
    for (const PathVariableName& variable : kPathVariables)
        EXPECT_NE(std::string::npos, text.find(variable.Name)) << variable.Name;
}

} // namespace
} // namespace aw
