#pragma once

#include "navigator/SphereModel.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <atomic>

/**
    The sound sphere as a component: it shows the points of its SphereModel,
    lets the user turn the sphere by dragging it, and lets a released fling
    coast to a stop on a 16 ms timer.

    Drags report to the Delegate, which turns them into host values and sound;
    coasting only turns the view. The owner keeps the model in step with the
    host values through moveTo().

    Threads: the model has no lock. Its owner drives it from one thread at a
    time and hands it over between them; the angular velocity is atomic because
    the coasting timer always runs on the message thread and checks it even
    while another thread owns the model (it is then zero, so the timer leaves
    the model alone).
*/
class SphereNavigator : public juce::Component, public juce::Timer
{
public:
    /** Receives the drags; the processor implements it. */
    class Delegate
    {
    public:
        virtual ~Delegate() = default;
        virtual void navigatorGestureBegan() = 0;
        virtual void navigatorGestureEnded() = 0;
        /** A new position, each quaternion component mapped to its host value (0..1). */
        virtual void navigatorMoved(float x, float y, float z, float a) = 0;
        /** The label of point index. */
        virtual const char* getPointName(int index) = 0;
    };

    static constexpr int initialPointCount = 100;
    static constexpr int timerIntervalMs = 16;
    /** Clicks at this distance from the centre or further belong to the parent. */
    static constexpr float hitRadius = 150.0f;

    SphereNavigator();
    ~SphereNavigator() override;

    /** The delegate is not owned and must outlive the navigator's use of it. */
    void setDelegate(Delegate* newDelegate) { delegate = newDelegate; }

    void setPointCount(int n) { model.setPointCount(n); }
    /** Jumps to an orientation, ending any coasting. Does not repaint: it may run off the message thread. */
    void moveTo(const SphereModel::Quaternion& q);
    void stopCoasting();
    const SphereModel& getModel() const { return model; }
    /** (horizontal, vertical) angles of the last drag step, or of the coasting after it. */
    juce::Point<float> getAngularVelocity() const;

    void setCompactMode(bool compact);
    void setLabelFont(const juce::Font& font);
    void setBackImage(const juce::Image& image);
    void setOverlayImage(const juce::Image& image);

    /** Host value (0..1) of a quaternion component (−5..5), formed in double as the host side compares it. */
    static float toHostValue(float component);
    /** Quaternion component of a host value. */
    static float toComponent(float hostValue);

    void paint(juce::Graphics& g) override;
    void mouseDown(const juce::MouseEvent& e) override;
    void mouseDrag(const juce::MouseEvent& e) override;
    void mouseUp(const juce::MouseEvent& e) override;
    void timerCallback() override;

private:
    struct PixelPosition
    {
        float x;
        float y;
        bool pulledInside; ///< the point projected outside the disc and was mirrored into it
    };

    /** The sphere's centre in paint, two pixels above the component's centre. */
    juce::Point<float> viewCentre() const;
    PixelPosition toPixels(const SphereModel::ProjectedPoint& p) const;
    void paintPoints(juce::Graphics& g) const;
    void paintSelection(juce::Graphics& g) const;
    void reportPosition() const;

    bool compactMode = false;
    Delegate* delegate = nullptr; ///< not owned
    juce::Font labelFont;
    std::atomic<float> horizontalVelocity { 0.0f };
    std::atomic<float> verticalVelocity { 0.0f };
    bool dragging = false;
    SphereModel model { initialPointCount };
    juce::Point<float> lastMousePosition;
    juce::Image backImage;
    juce::Image overlayImage;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(SphereNavigator)
};
