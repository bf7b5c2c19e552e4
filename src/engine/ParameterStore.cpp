#include "engine/ParameterStore.h"

#include <bit>
#include <cmath>
#include <stdexcept>

float ParameterSlot::toPlain(float normalized) const
{
    switch (shape)
    {
        case ParameterShape::Squared: return min + (max - min) * normalized * normalized;
        case ParameterShape::Integer: return std::trunc(min + (max - min) * normalized);
        case ParameterShape::Linear: break;
    }
    return min + (max - min) * normalized;
}

float ParameterSlot::toNormalized(float plain) const
{
    const float proportion = (plain - min) / (max - min);
    return shape == ParameterShape::Squared ? std::sqrt(proportion) : proportion;
}

ParameterStore::ParameterStore(std::span<const ParameterInfo> table)
    : slots(table.size()), dirtyList(table.size()), smoothingList(table.size())
{
    if (table.size() > maxParameters)
        throw std::invalid_argument("ParameterStore holds at most 64 parameters");

    for (size_t i = 0; i < table.size(); ++i)
    {
        const ParameterInfo& info = table[i];
        ParameterSlot& s = slots[i];
        s.min = info.min;
        s.max = info.max;
        s.shape = info.shape;
        s.name = info.name;
        s.targetNormalized = s.currentNormalized = info.defaultNormalized;
        s.targetPlain = s.currentPlain = s.toPlain(info.defaultNormalized);
    }
}

void ParameterStore::markDirty(int index)
{
    ParameterSlot& s = slots[static_cast<size_t>(index)];
    if (s.dirty)
        return;
    s.dirty = true;
    dirtyList[static_cast<size_t>(dirtyCount++)] = index;
}

void ParameterStore::assign(int index, float normalized)
{
    ParameterSlot& s = slots[static_cast<size_t>(index)];
    s.targetNormalized = s.currentNormalized = normalized;
    s.step = 0.0f;
    s.smoothing = false;
    s.targetPlain = s.currentPlain = s.toPlain(normalized);
}

void ParameterStore::set(int index, float normalized)
{
    assign(index, normalized);
    markDirty(index);
}

void ParameterStore::setSmoothed(int index, float normalized, float seconds)
{
    ParameterSlot& s = slots[static_cast<size_t>(index)];
    // Integer slots never ramp; a smoothed write to one does not mark it dirty.
    if (s.shape == ParameterShape::Integer)
    {
        assign(index, normalized);
        return;
    }

    // A ramp of no (or endless) length cannot step: it is an immediate set.
    if (! (seconds > 0.0f) || std::isinf(seconds))
    {
        set(index, normalized);
        return;
    }

    if (! s.inSmoothingList)
    {
        smoothingList[static_cast<size_t>(smoothingCount++)] = index;
        s.inSmoothingList = true;
    }
    s.smoothingSeconds = seconds;
    s.targetNormalized = normalized;
    s.step = (normalized - s.currentNormalized) / (seconds * smoothingRate);
    s.smoothing = true;
    s.targetPlain = s.toPlain(normalized);
    markDirty(index);
}

void ParameterStore::post(int index, float normalized, float seconds)
{
    const std::uint64_t word = (std::uint64_t { std::bit_cast<std::uint32_t>(normalized) } << 32)
                               | std::bit_cast<std::uint32_t>(seconds);
    mailboxes[static_cast<size_t>(index)].store(word, std::memory_order_relaxed);
    fullMailboxes.fetch_or(std::uint64_t { 1 } << index, std::memory_order_release);
}

void ParameterStore::applyPosted()
{
    if (fullMailboxes.load(std::memory_order_relaxed) == 0)
        return;

    std::uint64_t full = fullMailboxes.exchange(0, std::memory_order_acquire);
    while (full != 0)
    {
        const int index = std::countr_zero(full);
        full &= full - 1;
        const std::uint64_t word = mailboxes[static_cast<size_t>(index)].load(std::memory_order_relaxed);
        const float normalized = std::bit_cast<float>(static_cast<std::uint32_t>(word >> 32));
        const float seconds = std::bit_cast<float>(static_cast<std::uint32_t>(word));
        setSmoothed(index, normalized, seconds);
    }
}

void ParameterStore::advance()
{
    for (int i = 0; i < smoothingCount; ++i)
    {
        ParameterSlot& s = slots[static_cast<size_t>(smoothingList[static_cast<size_t>(i)])];
        if (! s.smoothing)
            continue;

        s.currentNormalized += s.step;
        if ((s.step > 0.0f && s.currentNormalized > s.targetNormalized)
            || (s.step < 0.0f && s.currentNormalized < s.targetNormalized))
        {
            s.currentNormalized = s.targetNormalized;
            s.step = 0.0f;
            s.smoothing = false;
        }
        if (s.shape != ParameterShape::Integer)
            s.currentPlain = s.toPlain(s.currentNormalized);
    }
}

void ParameterStore::settle()
{
    for (ParameterSlot& s : slots)
    {
        s.currentNormalized = s.targetNormalized;
        s.step = 0.0f;
        s.smoothing = false;
        s.targetPlain = s.toPlain(s.targetNormalized);
        s.currentPlain = s.targetPlain;
    }
}

void ParameterStore::clearDirty()
{
    for (int i = 0; i < dirtyCount; ++i)
        slots[static_cast<size_t>(dirtyList[static_cast<size_t>(i)])].dirty = false;
    dirtyCount = 0;
}
