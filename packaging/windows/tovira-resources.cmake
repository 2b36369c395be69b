# tovira_windows_resources(TARGET): builds tovira.rc.in into TARGET, giving tovira.exe its icon,
# version details and manifest. The version comes from project(): 0.1 becomes 0,1,0,0.
function(tovira_windows_resources target)
    set(TOVIRA_WINDOWS_DIR ${PROJECT_SOURCE_DIR}/packaging/windows)
    set(parts)
    foreach(part MAJOR MINOR PATCH TWEAK)
        if(PROJECT_VERSION_${part} STREQUAL "")
            list(APPEND parts 0)
        else()
            list(APPEND parts ${PROJECT_VERSION_${part}})
        endif()
    endforeach()
    list(JOIN parts "," TOVIRA_RC_VERSION)
    configure_file(${TOVIRA_WINDOWS_DIR}/tovira.rc.in ${CMAKE_CURRENT_BINARY_DIR}/tovira.rc @ONLY)
    target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/tovira.rc)
    # windres reports no dependencies: a changed icon or manifest has to be named here to rebuild.
    set_property(SOURCE ${CMAKE_CURRENT_BINARY_DIR}/tovira.rc TARGET_DIRECTORY ${target} PROPERTY
        OBJECT_DEPENDS "${TOVIRA_WINDOWS_DIR}/tovira.ico;${TOVIRA_WINDOWS_DIR}/tovira.manifest")
endfunction()
