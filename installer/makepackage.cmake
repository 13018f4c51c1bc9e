# Lays out the installation package: Setup, and beside it the folder "Support" holding
# the program files it installs. Files keep their permissions, so programs stay runnable.
#   cmake -DPACKAGE=<folder> -DSETUP=<Setup> -DFILES=<file>|<file>|... -P makepackage.cmake
if(NOT PACKAGE OR NOT SETUP)
    message(FATAL_ERROR "makepackage.cmake needs PACKAGE and SETUP")
endif()
file(REMOVE_RECURSE "${PACKAGE}")
file(MAKE_DIRECTORY "${PACKAGE}/Support")
file(COPY "${SETUP}" DESTINATION "${PACKAGE}")
string(REPLACE "|" ";" FILES "${FILES}")
foreach(file IN LISTS FILES)
    if(EXISTS "${file}")
        file(COPY "${file}" DESTINATION "${PACKAGE}/Support")
    else()
        message(WARNING "Not in the package (not built): ${file}")
    endif()
endforeach()
