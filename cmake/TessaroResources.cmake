# Installs a generated file or folder into the product's shared folder of every
# installed form, so that each bundle is a complete install on its own:
# Tessaro.vst3/Contents/Resources, the Tessaro.lv2 folder, and
# ~/.local/share/Quellmark/Tessaro beside the Standalone's ~/.local/bin.
# `path` is relative to the shared folder (for example "appdata").
function(tessaro_install_shared_resource source path)
    set(destinations
        ".vst3/Tessaro.vst3/Contents/Resources"
        ".lv2/Tessaro.lv2"
        ".local/share/Quellmark/Tessaro")
    foreach(destination IN LISTS destinations)
        if(path)
            set(destination "${destination}/${path}")
        endif()
        if(IS_DIRECTORY "${source}" OR source MATCHES "/$")
            install(DIRECTORY "${source}" DESTINATION "${destination}")
        else()
            install(FILES "${source}" DESTINATION "${destination}")
        endif()
    endforeach()
endfunction()
