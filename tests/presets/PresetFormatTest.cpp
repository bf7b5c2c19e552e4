#include "presets/PresetFormat.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
const PresetFormat format("tessaropreset", 4919);

std::vector<juce::uint8> header(juce::uint32 lengthField, const char* pluginCode = "tzqV")
{
    const auto byte = [](auto value) { return static_cast<juce::uint8>(value); };
    return { 'k', 'r', 'm', 'Q',
             byte(pluginCode[0]), byte(pluginCode[1]), byte(pluginCode[2]), byte(pluginCode[3]),
             0, 0, 0, 1,
             byte(lengthField), byte(lengthField >> 8), byte(lengthField >> 16), byte(lengthField >> 24) };
}

std::vector<juce::uint8> withPayload(std::vector<juce::uint8> bytes, size_t payloadSize)
{
    for (size_t i = 0; i < payloadSize; ++i)
        bytes.push_back(static_cast<juce::uint8>(i + 1));
    return bytes;
}

std::vector<juce::uint8> raw(size_t size, juce::uint8 first = 0x3f)
{
    std::vector<juce::uint8> bytes(size, 0x11);
    if (size > 0)
        bytes[0] = first;
    return bytes;
}
} // namespace

TEST(PresetFormat, WrapWritesTheCodesLastLetterFirstAndTheTotalLength)
{
    juce::MemoryBlock payload(48);
    payload.fillWith(0xab);
    const juce::MemoryBlock file = format.wrap(payload);

    const auto expectedHeader = header(64);
    ASSERT_EQ(file.getSize(), 64u);
    for (size_t i = 0; i < expectedHeader.size(); ++i)
        EXPECT_EQ(static_cast<juce::uint8>(file[i]), expectedHeader[i]) << "header byte " << i;
    EXPECT_EQ(static_cast<juce::uint8>(file[63]), 0xab);
}

struct AcceptanceCase
{
    const char* label;
    std::vector<juce::uint8> bytes;
    int rawPresetSize;
    bool accepted;
    size_t payloadOffset; // where the payload starts when accepted
};

class PresetAcceptance : public testing::TestWithParam<AcceptanceCase>
{
};

TEST_P(PresetAcceptance, FollowsTheHeaderAndRawSizeRule)
{
    const auto& c = GetParam();
    const PresetFormat rule("tessaropreset", c.rawPresetSize);
    const auto payload = rule.unwrap(c.bytes.data(), c.bytes.size());

    ASSERT_EQ(payload.has_value(), c.accepted);
    if (c.accepted)
        EXPECT_EQ(*payload, juce::MemoryBlock(c.bytes.data() + c.payloadOffset, c.bytes.size() - c.payloadOffset));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PresetAcceptance,
    testing::Values(AcceptanceCase { "header_length_64_of_64", withPayload(header(64), 48), 4919, true, 16 },
                    AcceptanceCase { "header_length_65_of_64", withPayload(header(65), 48), 4919, false, 0 },
                    AcceptanceCase { "header_other_plugin", withPayload(header(64, "xxxx"), 48), 4919, false, 0 },
                    AcceptanceCase { "header_without_payload", header(16), 4919, false, 0 },
                    AcceptanceCase { "header_one_byte_payload", withPayload(header(17), 1), 4919, true, 16 },
                    AcceptanceCase { "raw_48", raw(48), 4919, false, 0 },
                    AcceptanceCase { "raw_4919", raw(4919), 4919, true, 0 },
                    AcceptanceCase { "raw_4919_starting_with_maker_code", withPayload(header(0), 4903), 4919, false, 0 },
                    AcceptanceCase { "raw_any_length_when_minus_one", raw(48), -1, true, 0 },
                    AcceptanceCase { "three_bytes_even_when_minus_one", raw(3), -1, false, 0 },
                    AcceptanceCase { "empty", raw(0), -1, false, 0 }),
    [](const testing::TestParamInfo<AcceptanceCase>& info) { return std::string(info.param.label); });
