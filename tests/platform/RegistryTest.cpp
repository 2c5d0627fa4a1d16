// The content location as the set-up recorded it.
#include "platform/Registry.h"
#include "tests/support/Recorders.h"

#include <gtest/gtest.h>

namespace {

constexpr char kKey[] = "HKEY_LOCAL_MACHINE\\SOFTWARE\\ZEM\\Fiscova\\cd";

} // namespace

TEST(Registry, MissingFileOrKeyGivesNothing)
{
    IsolatedEnvironment env;
    std::string value = "unchanged";
    EXPECT_FALSE(platform::RegQueryDefaultValue(kKey, value, 128));
    EXPECT_EQ(value, "unchanged");

    WriteFileBytes(env.Path("config/ZEM/Fiscova.reg"),
                   "[HKEY_LOCAL_MACHINE\\SOFTWARE\\ZEM\\Other]\n@=\"/elsewhere\"\n");
    EXPECT_FALSE(platform::RegQueryDefaultValue(kKey, value, 128));
}

TEST(Registry, DefaultValueIsReadAsStored)
{
    IsolatedEnvironment env;
    env.WriteRegistry("/media/cdrom/");
    std::string value;
    ASSERT_TRUE(platform::RegQueryDefaultValue(kKey, value, 128));
    EXPECT_EQ(value, "/media/cdrom/");

    env.WriteRegistry("D:\\Fiscova \"disc\"");
    ASSERT_TRUE(platform::RegQueryDefaultValue(kKey, value, 128));
    EXPECT_EQ(value, "D:\\Fiscova \"disc\"");
}

TEST(Registry, UserFileWinsOverTheSystemFile)
{
    IsolatedEnvironment env;
    WriteFileBytes(env.Path("system/ZEM/Fiscova.reg"),
                   "[HKEY_LOCAL_MACHINE\\SOFTWARE\\ZEM\\Fiscova\\cd]\n@=\"/system/disc\"\n");
    std::string value;
    ASSERT_TRUE(platform::RegQueryDefaultValue(kKey, value, 128));
    EXPECT_EQ(value, "/system/disc");
    env.WriteRegistry("/user/disc");
    ASSERT_TRUE(platform::RegQueryDefaultValue(kKey, value, 128));
    EXPECT_EQ(value, "/user/disc");
}

TEST(Registry, ValueThatDoesNotFitTheBufferFails)
{
    IsolatedEnvironment env;
    env.WriteRegistry(std::string(127, 'x'));
    std::string value;
    EXPECT_TRUE(platform::RegQueryDefaultValue(kKey, value, 128));
    env.WriteRegistry(std::string(128, 'x'));
    EXPECT_FALSE(platform::RegQueryDefaultValue(kKey, value, 128));
}
