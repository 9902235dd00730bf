// A stored profile that start-up could not use goes back to the registry
// until another profile is loaded in the same process.
#include <gtest/gtest.h>

#include <string>

#include "profiles/stored_profile_choice.h"

namespace {

bool refuse(const char*) { return ++printer_choice.loads, false; }
bool accept(const char*) { return ++printer_choice.loads, true; }

}  // namespace

TEST(StoredProfileChoice, RefusedAtStartIsStoredUntilAnotherLoad)
{
    const std::string longest = "Z:\\" + std::string(252, 'n') + ".icc";
    ASSERT_EQ(longest.size(), 259u);
    struct {
        bool (*load)(const char*);
        uint32_t later_loads;
        std::string stored, expected;
    } cases[] = {
        {refuse, 0, "Z:\\net\\p.icc", "Z:\\net\\p.icc"}, {refuse, 0, longest, longest},
        {refuse, 1, "Z:\\net\\p.icc", "current"},        {accept, 0, "Z:\\net\\p.icc", "current"},
        {refuse, 0, longest + "x", "current"},
    };
    for (const auto& c : cases) {
        printer_choice = {};
        load_stored_profile(c.stored.c_str(), c.load, &printer_choice);
        printer_choice.loads += c.later_loads;
        EXPECT_EQ(profile_to_store(printer_choice, "current"), c.expected) << c.stored.size();
    }
}
