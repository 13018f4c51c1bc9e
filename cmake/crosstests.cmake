# Test programs of a cross-build are listed through the emulator (Wine), whose start can
# take several seconds on a busy machine: more than GoogleTest's default of five for the
# listing. Every gtest_discover_tests call gets a minute unless it names its own limit.
function(gtest_discover_tests target)
    _gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60 ${ARGN})
endfunction()
