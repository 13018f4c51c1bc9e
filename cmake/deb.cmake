# The Debian package: `cmake --build build --target deb` writes
# build/stowlet_<version>_<arch>.deb with CPack's DEB generator. The toolbar and what it
# reads beside itself (sounds, the drop image) live in /usr/lib/stowlet, the command
# /usr/bin/stowlet starts it, and the desktop, icon theme, software centre and manual get
# their files in /usr/share. The package installs nothing through `cmake --install`
# without its component.
if(NOT STOWLET_BUILD_UI OR WIN32 OR CMAKE_CROSSCOMPILING)
    return()
endif()

set(STOWLET_APP_ID com.tallowmeresoftware.Stowlet)
set(STOWLET_RELEASE_DATE 2026-12-07)
set(packaging ${CMAKE_SOURCE_DIR}/packaging)
set(deb ${CMAKE_BINARY_DIR}/deb)
# Building the package builds only what it holds, not every test program.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

# The changelog's newest entry must be this version, or the package would contradict itself.
file(STRINGS ${packaging}/changelog newest LIMIT_COUNT 1)
if(NOT newest MATCHES "^stowlet \\(${PROJECT_VERSION}\\) ")
    message(FATAL_ERROR "packaging/changelog begins with \"${newest}\", not version ${PROJECT_VERSION}")
endif()

configure_file(${packaging}/${STOWLET_APP_ID}.metainfo.xml.in ${deb}/${STOWLET_APP_ID}.metainfo.xml @ONLY)
configure_file(${packaging}/stowlet.1.in ${deb}/stowlet.1 @ONLY)
# The toolbar learns from this file that the package owns its folder and how it is started.
file(WRITE ${deb}/PackageCommand "/usr/bin/stowlet\n")
file(CREATE_LINK ../lib/stowlet/Stowlet ${deb}/stowlet SYMBOLIC)

add_executable(makecopyright EXCLUDE_FROM_ALL ${packaging}/makecopyright.cpp)
target_link_libraries(makecopyright PRIVATE setupcore)
set_target_properties(makecopyright PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})

set(deb_icon ${deb}/hicolor/256x256/apps/${STOWLET_APP_ID}.png)
add_custom_command(OUTPUT ${deb}/copyright ${deb}/changelog.gz ${deb}/stowlet.1.gz ${deb_icon}
    COMMAND makecopyright > ${deb}/copyright
    # Debian's way: the highest compression, without the file's name or time.
    COMMAND gzip -9n < ${packaging}/changelog > ${deb}/changelog.gz
    COMMAND gzip -9n < ${deb}/stowlet.1 > ${deb}/stowlet.1.gz
    COMMAND makeicons ${deb} --theme ${deb}/hicolor ${STOWLET_APP_ID}
    DEPENDS makecopyright makeicons ${packaging}/changelog ${deb}/stowlet.1
    COMMENT "Making the Debian package's documents and icons")
add_custom_target(debfiles DEPENDS ${deb}/copyright ${deb_icon})

set(component COMPONENT deb EXCLUDE_FROM_ALL)
install(TARGETS Stowlet RUNTIME DESTINATION lib/stowlet ${component})
install(FILES ${STOWLET_SOUNDS} ${deb}/Drop.png ${deb}/PackageCommand DESTINATION lib/stowlet ${component})
install(FILES ${deb}/stowlet DESTINATION bin ${component})
install(FILES ${packaging}/${STOWLET_APP_ID}.desktop DESTINATION share/applications ${component})
install(DIRECTORY ${deb}/hicolor DESTINATION share/icons ${component})
install(FILES ${packaging}/${STOWLET_APP_ID}.svg DESTINATION share/icons/hicolor/scalable/apps ${component})
install(FILES ${deb}/${STOWLET_APP_ID}.metainfo.xml DESTINATION share/metainfo ${component})
install(FILES ${deb}/stowlet.1.gz DESTINATION share/man/man1 ${component})
install(FILES ${deb}/copyright ${deb}/changelog.gz DESTINATION share/doc/stowlet ${component})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME stowlet)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};Stowlet;deb;/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "toolbar that saves dropped pictures under numbered names")
set(CPACK_PACKAGE_DESCRIPTION "Stowlet is a tiny always-on-top toolbar of coloured squares, each standing
for a folder. Pictures dragged onto a square from a web browser or a file
manager are saved into its folder under a base name and the next number
(Flower-001.jpg, Flower-002.jpg, ...), so that a folder fills with pictures
grouped by name and in slideshow order.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Tallowmere Software <support@tallowmeresoftware.com>")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.tallowmeresoftware.com/)
# The libraries come from the binaries (dpkg-shlibdeps). Qt loads its X11 platform plugin
# at run time, which no binary names: that one package is named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_CMAKE_GENERATOR ${CMAKE_GENERATOR})
set(CPACK_PACKAGE_FILE_NAME stowlet)

# CPack's own module would claim the target name "package", which is Setup's package here:
# the configuration CPack reads is written directly.
set(config "")
get_cmake_property(variables VARIABLES)
foreach(variable IN LISTS variables)
    if(variable MATCHES "^CPACK_")
        string(REPLACE "\\" "\\\\" value "${${variable}}")
        string(REPLACE "\"" "\\\"" value "${value}")
        string(APPEND config "set(${variable} \"${value}\")\n")
    endif()
endforeach()
file(WRITE ${CMAKE_BINARY_DIR}/CPackDebConfig.cmake "${config}")
add_custom_target(deb
    COMMAND ${CMAKE_CPACK_COMMAND} --config ${CMAKE_BINARY_DIR}/CPackDebConfig.cmake
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
    COMMENT "Making the Debian package")
add_dependencies(deb Stowlet sounds debfiles)
