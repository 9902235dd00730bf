// A stored profile that start-up could not use goes back to the registry
// until another profile is loaded; the longest path the field holds is kept whole.
#include <gtest/gtest.h>

#include <string>

#include "profiles/stored_profile_choice.h"

TEST(StoredProfileChoice, RefusedAtStartIsStoredUntilAnotherLoad)
{
    auto refuse = [](const char*) { return ++printer_choice.loads, false; };
    for (const std::string& stored : {std::string("Z:\\net\\p.icc"), std::string(259, 'p')}) {
        printer_choice = {};
        load_stored_profile(stored.c_str(), refuse, &printer_choice);
        EXPECT_EQ(profile_to_store(printer_choice, "current"), stored);
        ++printer_choice.loads;
        EXPECT_STREQ(profile_to_store(printer_choice, "current"), "current");
    }
    load_stored_profile("Z:\\p.icc", [](const char*) { return true; }, &printer_choice);
    EXPECT_STREQ(profile_to_store(printer_choice, "current"), "current");
}
