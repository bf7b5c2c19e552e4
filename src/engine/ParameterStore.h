#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <span>
#include <vector>

enum class ParameterShape : std::int32_t
{
    Linear = 0,
    Integer = 1,
    Squared = 2,
};

/** What a channel reports about one of its engine parameters. */
struct ParameterInfo
{
    const char* name;
    ParameterShape shape;
    float defaultNormalized;
    float min;
    float max;
};

/** One engine parameter: its normalised target, its smoothed current value and both as plain values. */
struct ParameterSlot
{
    float min = 0.0f;
    float max = 1.0f;
    float targetNormalized = 0.0f;
    bool inSmoothingList = false;
    float currentNormalized = 0.0f;
    float step = 0.0f;
    float smoothingSeconds = 0.0f;
    bool smoothing = false;
    float currentPlain = 0.0f; ///< what the sound code reads
    float targetPlain = 0.0f;
    ParameterShape shape = ParameterShape::Linear;
    const char* name = "";
    bool dirty = false;

    float toPlain(float normalized) const;
    float toNormalized(float plain) const;
};

/**
    The engine's parameter table with linear smoothing.

    Everything except post() belongs to the render thread. Other threads write
    through post(): each slot has one 64-bit mailbox word holding the value and
    the ramp time, and a shared bit mask says which mailboxes are full. The
    render thread empties them at the start of every frame, so a write from any
    thread takes effect at frame granularity, never blocks the renderer and is
    never torn. When several posts to one slot land between two frames, the
    last one wins, as direct writes in that order would.
*/
class ParameterStore
{
public:
    static constexpr int maxParameters = 64;
    static constexpr float defaultSmoothingRate = 88200.0f;

    explicit ParameterStore(std::span<const ParameterInfo> table);

    int size() const { return static_cast<int>(slots.size()); }
    const ParameterSlot& slot(int index) const { return slots[static_cast<size_t>(index)]; }

    void set(int index, float normalized);
    void setSmoothed(int index, float normalized, float seconds);

    /** Queues a write from any thread; seconds <= 0 makes it immediate. */
    void post(int index, float normalized, float seconds);
    /** Applies the queued writes (render thread, once per frame before advance()). */
    void applyPosted();

    /** Moves every running ramp one frame on. */
    void advance();

    /** Ends every ramp at its target (used by a rate change). */
    void settle();
    void setSmoothingRate(float framesPerSecond) { smoothingRate = framesPerSecond; }

    /** Clears the dirty flags, calling changed(index, currentPlain) for each index that was dirty. */
    template <typename Callback>
    void takeDirty(Callback&& changed)
    {
        const int count = dirtyCount;
        dirtyCount = 0;
        for (int i = 0; i < count; ++i)
            slots[static_cast<size_t>(dirtyList[static_cast<size_t>(i)])].dirty = false;
        for (int i = 0; i < count; ++i)
        {
            const int index = dirtyList[static_cast<size_t>(i)];
            changed(index, slots[static_cast<size_t>(index)].currentPlain);
        }
    }

    void clearDirty();

private:
    void assign(int index, float normalized);
    void markDirty(int index);

    std::vector<ParameterSlot> slots;
    std::vector<int> dirtyList;
    int dirtyCount = 0;
    std::vector<int> smoothingList;
    int smoothingCount = 0;
    float smoothingRate = defaultSmoothingRate;

    std::array<std::atomic<std::uint64_t>, maxParameters> mailboxes {};
    std::atomic<std::uint64_t> fullMailboxes { 0 };
};
