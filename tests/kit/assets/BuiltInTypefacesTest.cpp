#include "kit/assets/BuiltInTypefaces.h"

#include <gtest/gtest.h>

namespace
{
TEST(BuiltInTypefaces, AreTheNamedFacesCreatedOnce)
{
    struct Case
    {
        juce::Typeface::Ptr (*get)();
        const char* family;
        const char* style;
    };
    const Case cases[] = {
        { BuiltInTypefaces::robotoMonoMedium, "Roboto Mono", "Medium" },
        { BuiltInTypefaces::overpassRegular, "Overpass", "Regular" },
        { BuiltInTypefaces::overpassSemiBold, "Overpass", "SemiBold" },
    };

    for (const auto& c : cases)
    {
        const auto typeface = c.get();
        ASSERT_NE(typeface, nullptr) << c.family;
        EXPECT_EQ(typeface->getName(), c.family);
        EXPECT_EQ(typeface->getStyle(), c.style);
        EXPECT_EQ(c.get(), typeface) << c.family << " is created again";
    }
}
} // namespace
