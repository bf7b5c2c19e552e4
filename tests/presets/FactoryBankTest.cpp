#include "presets/FactoryBank.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace
{
const char* const expectedNames[FactoryBank::size] = {
    "ASIAN LEAD",    "FINE LEAD",     "COTTON",         "LOFI FLUTTER",  "RARE LEAD",     "RESO LEAD",
    "SHINING",       "SMOOTH",        "SVEP",           "TESSARO VIOLA", "PLAIN LEAD 1",  "PLAIN LEAD 2",
    "WIBBSOLO",      "YELP LEAD",     "AARPEN",         "BEKO",          "COMEY",         "FATTY SHORT",
    "FATTY",         "FRETLESSISH",   "GRITTY BASS",    "HARD SHORT",    "HARLEY BASS",   "LEAGUE",
    "LUDDIG 1",      "LUDDIG 2",      "SUB BASS",       "TECHNO",        "TRAUS",         "BELLISH",
    "CHORALE PAD",   "CHORUS STRING", "DARK MATTERS",   "FAST STRINGS",  "KEOWEO",        "LANGSAM",
    "LUSH STRINGS",  "MOVING PULSES", "DREAM 1",        "DREAM 2",       "RESO PAD",      "SAD PAD",
    "SHORTY",        "SHY ACCORDION", "SLEM",           "SMOOTH STRINGS", "UGLY VIOLIN",  "SYNCTESSARO",
    "SYNKIG",        "AGGRESSIVE",    "DARK STAB",      "DREAM STAB",    "GLUTTONY",      "RESO STAB",
    "SKEW STAB",     "RESO STAB",     "AMBIVALENT",     "ECHO BELL",     "FOLLOWER",      "PIANO 1976",
    "RND PLOPP 5TH", "RNS PLOPP",     "SIN PLOPP",      "SMOOTH PIANO",  "5TH SLIDE",     "BEE BACKWARDS",
    "DREAM SWELL",   "FLUTE SWELL 1", "FLUTE SWELL 2",  "OCTAVER",
};

struct GivenRow
{
    int index;
    std::array<float, EngineParameter::count> values;
};

// The three rows every faithful bank reproduces exactly.
const GivenRow givenRows[] = {
    { 0, { 0.613235f, 0, 0.92638f, 0, 0.203045f, 1, 0.022303f, 0.105263f, 1, 0, 0, 0, 0.616854f, 0.394737f,
           0.102112f, 0.88421f, 0.616105f, 0.118812f, 0, 0, 0.467742f, 0.19914f, 0.253521f, 0, 0, 0.147887f, 0, 0, 0,
           0, 1, 0, 0, 0, 1, 0.460993f, 0, 0.1f, 0.9f, 0.153846f, 0, 0.207042f, 0.179221f, 0, 0.520619f, 0.335052f,
           0.5f, 1, 0.138235f, 0, 1, 0, 0, 0.4f, 0.8f } },
    { 27, { 0.7f, 0.993865f, 0.092025f, 0, 0.964315f, 0.951677f, 0, 0.120301f, 0.887068f, 0.541353f, 0.41594f, 1,
            0.486652f, 0.757684f, 0.722337f, 0.754526f, 0.970297f, 0.009901f, 0.252809f, 0.202247f, 0.367743f,
            0.335484f, 0.06f, 0.224335f, 0.431127f, 0, 1, 0, 1, 1, 0, 0, 0, 0, 0.85f, 0.014184f, 0.884615f, 0.55f,
            0.630769f, 0.357692f, 0, 0.228169f, 0.555844f, 0.215447f, 0.989691f, 0.845361f, 0.134021f, 1, 0.044118f,
            0.006452f, 0.129789f, 0, 0, 0.4f, 0.6f } },
    { 69, { 0.7f, 0.521472f, 0.319018f, 0, 1, 0, 0.553942f, 0, 0, 0.992481f, 0, 0, 0, 0.252632f, 0.107865f,
            0.505264f, 0.851485f, 0.188119f, 0.376405f, 0.348315f, 0.632258f, 0.283871f, 0.190141f, 0.1f, 0, 0.864788f,
            1, 0, 1, 1, 0, 0, 0, 0, 0.3f, 0.432624f, 0.511538f, 1, 0.9f, 0.573078f, 0, 0.429578f, 0.181818f, 1, 0.5f,
            0, 1, 0, 0.5f, 0, 0.0909f, 0, 1, 0.4f, 1 } },
};
} // namespace

TEST(FactoryBank, NamesEveryEntryInSphereOrder)
{
    for (int k = 0; k < FactoryBank::size; ++k)
        EXPECT_STREQ(FactoryBank::getName(k), expectedNames[k]) << k;
    EXPECT_STREQ(FactoryBank::getName(-1), "");
    EXPECT_STREQ(FactoryBank::getName(FactoryBank::size), "");
}

TEST(FactoryBank, GivenRowsHoldTheirValuesExactly)
{
    for (const auto& given : givenRows)
    {
        const auto& values = FactoryBank::entries[static_cast<size_t>(given.index)].values;
        for (size_t i = 0; i < values.size(); ++i)
            EXPECT_EQ(values[i], given.values[i]) << "row " << given.index << " column " << i;
    }
}

TEST(FactoryBank, EveryValueIsNormalisedAndEveryVolumeInItsRange)
{
    for (int k = 0; k < FactoryBank::size; ++k)
    {
        const auto& values = FactoryBank::entries[static_cast<size_t>(k)].values;
        for (size_t i = 0; i < values.size(); ++i)
            EXPECT_TRUE(std::isfinite(values[i]) && values[i] >= 0.0f && values[i] <= 1.0f)
                << "row " << k << " column " << i << " = " << values[i];
        EXPECT_GE(values[EngineParameter::MainVolume], 0.135f) << k;
        EXPECT_LE(values[EngineParameter::MainVolume], 0.806f) << k;
    }
}

TEST(FactoryBank, TheTwoResoStabsAreDifferentSounds)
{
    const auto& first = FactoryBank::entries[53];
    const auto& second = FactoryBank::entries[55];
    EXPECT_STREQ(first.name, second.name);

    int differing = 0;
    for (size_t i = 0; i < first.values.size(); ++i)
        differing += first.values[i] != second.values[i] ? 1 : 0;
    EXPECT_EQ(differing, 32);
}
