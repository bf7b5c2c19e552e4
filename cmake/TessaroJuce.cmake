# One static library holds every JUCE module the project uses, compiled once with
# the project's JUCE flags. The plug-in, the tests and the tools all link it, so a
# build compiles JUCE a single time.
add_library(tessaro_juce STATIC)

target_link_libraries(tessaro_juce
    PRIVATE
        juce::juce_audio_utils
        juce::juce_audio_processors
        juce::juce_audio_formats
        juce::juce_audio_devices
        juce::juce_gui_extra
        juce::juce_gui_basics
        juce::juce_graphics
        juce::juce_events
        juce::juce_data_structures
        juce::juce_core
    PUBLIC
        juce::juce_recommended_config_flags
        # Debian's JUCE decodes images with the system libraries, which must follow
        # this archive on the link line.
        juce::pkgconfig_JUCE_IMG_LINUX_DEPS)

target_compile_definitions(tessaro_juce
    PUBLIC
        JUCE_DISPLAY_SPLASH_SCREEN=0
        JUCE_REPORT_APP_USAGE=0
        JUCE_WEB_BROWSER=0
        JUCE_USE_CURL=0
        # Debian strips the bundled codec sources.
        JUCE_USE_FLAC=0
        JUCE_USE_OGGVORBIS=0
        JUCE_VST3_CAN_REPLACE_VST2=0
        # The integration tests load the built bundles as a host would.
        JUCE_PLUGINHOST_VST3=1
        JUCE_PLUGINHOST_LV2=1
        JUCE_MODAL_LOOPS_PERMITTED=0
        JUCE_STRICT_REFCOUNTEDPOINTER=1)

# The module sources are private to this library; consumers get only the
# headers' include paths and the module definitions.
target_include_directories(tessaro_juce INTERFACE
    $<TARGET_PROPERTY:tessaro_juce,INCLUDE_DIRECTORIES>)
target_compile_definitions(tessaro_juce INTERFACE
    $<TARGET_PROPERTY:tessaro_juce,COMPILE_DEFINITIONS>)
set_target_properties(tessaro_juce PROPERTIES
    CXX_VISIBILITY_PRESET default
    VISIBILITY_INLINES_HIDDEN OFF)
