#include "kit/assets/BuiltInTypefaces.h"

#include <BuiltInTypefaceData.h>

namespace BuiltInTypefaces
{
namespace
{
juce::Typeface::Ptr fromData(const char* data, int size)
{
    return juce::Typeface::createSystemTypefaceFor(data, (size_t) size);
}
} // namespace

juce::Typeface::Ptr robotoMonoMedium()
{
    static const auto typeface = fromData(BuiltInTypefaceData::RobotoMonoMedium_ttf, BuiltInTypefaceData::RobotoMonoMedium_ttfSize);
    return typeface;
}

juce::Typeface::Ptr overpassRegular()
{
    static const auto typeface = fromData(BuiltInTypefaceData::overpassregular_ttf, BuiltInTypefaceData::overpassregular_ttfSize);
    return typeface;
}

juce::Typeface::Ptr overpassSemiBold()
{
    static const auto typeface = fromData(BuiltInTypefaceData::OverpassSemiBold_ttf, BuiltInTypefaceData::OverpassSemiBold_ttfSize);
    return typeface;
}
} // namespace BuiltInTypefaces
