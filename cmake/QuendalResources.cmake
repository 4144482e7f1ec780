# Version record, icon, desktop integration and packaging of the quendal
# executable.
include_guard(GLOBAL)
include(GNUInstallDirs)

# Remembered here: inside the functions CMAKE_CURRENT_LIST_DIR is the caller's.
get_filename_component(_quendal_resources_dir "${CMAKE_CURRENT_LIST_DIR}/../resources" ABSOLUTE)
set_property(GLOBAL PROPERTY QUENDAL_RESOURCES_DIR "${_quendal_resources_dir}")
unset(_quendal_resources_dir)

# Version header, Qt resources (icons) and, on Windows, the .rc with icon,
# version record and manifest.
function(quendal_add_resources target)
    get_property(QUENDAL_RESOURCES_DIR GLOBAL PROPERTY QUENDAL_RESOURCES_DIR)
    set(generated_dir "${CMAKE_BINARY_DIR}/generated")

    configure_file("${QUENDAL_RESOURCES_DIR}/version.h.in"
                   "${generated_dir}/quendal_version.h" @ONLY)
    target_include_directories(${target} PRIVATE "${generated_dir}")

    # The .qrc is compiled by AUTORCC; switching it on only affects .qrc sources.
    set_property(TARGET ${target} PROPERTY AUTORCC ON)
    target_sources(${target} PRIVATE "${QUENDAL_RESOURCES_DIR}/quendal.qrc")

    if(WIN32)
        # The fixed version fields need four numbers even if the project
        # version has fewer components.
        set(parts)
        foreach(part MAJOR MINOR PATCH TWEAK)
            if("${PROJECT_VERSION_${part}}" STREQUAL "")
                list(APPEND parts 0)
            else()
                list(APPEND parts "${PROJECT_VERSION_${part}}")
            endif()
        endforeach()
        list(JOIN parts "," QUENDAL_RC_VERSION)

        configure_file("${QUENDAL_RESOURCES_DIR}/quendal.rc.in"
                       "${generated_dir}/quendal.rc" @ONLY)
        target_sources(${target} PRIVATE "${generated_dir}/quendal.rc")
        if(MSVC)
            # The .rc embeds the manifest; a linker-made one would clash with it.
            target_link_options(${target} PRIVATE /MANIFEST:NO)
        endif()
    endif()
endfunction()

# Installs the executable with its desktop entry, AppStream metainfo and
# icons, and sets up CPack to build a Debian package of it.
function(quendal_install_desktop_files target)
    get_property(res GLOBAL PROPERTY QUENDAL_RESOURCES_DIR)

    install(TARGETS ${target} RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
    install(FILES "${res}/io.github.quendal.Quendal.desktop"
            DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
    install(FILES "${res}/io.github.quendal.Quendal.metainfo.xml"
            DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
    install(FILES "${res}/quendal.png"
            DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps")
    install(FILES "${res}/quendal.svg"
            DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps")

    set(CPACK_GENERATOR "DEB")
    set(CPACK_PACKAGE_NAME "quendal")
    set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
    set(CPACK_PACKAGE_VENDOR "Quendal developers")
    set(CPACK_PACKAGE_CONTACT "Quendal developers <dev@quendal.invalid>")
    set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Construction schedule calculator")
    set(CPACK_PACKAGE_DESCRIPTION
        "Works out the duration and the interval in days between a start date and\na completion date, or one of the dates from the other and a duration.\n很多人连工期都算不来，不是多一天就是少一天，这款计算器就是因此而来。。。")
    set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
    set(CPACK_STRIP_FILES ON)

    set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Quendal developers <dev@quendal.invalid>")
    set(CPACK_DEBIAN_PACKAGE_SECTION "utils")
    set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
    # Let dpkg-shlibdeps work out the Qt and C++ runtime dependencies.
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    # Every text of the window is Chinese: a CJK font must be there.
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-wqy-microhei | fonts-noto-cjk")
    set(CPACK_DEBIAN_FILE_NAME "DEB-DEFAULT")

    include(CPack)
endfunction()
