# The update chain runs lane_desk and update against a product server on loopback. The server
# base is a build setting, so the two programs are linked once more with the endpoints compiled
# for 127.0.0.1:PRESSLANE_TEST_SERVER_PORT (the web-mail login page for the https port); their
# own copy of the endpoints takes the place of the library's, and every other object is the one
# the installed programs use. The same goes for the release key: the test signs what its server
# publishes with a key pair of its own, made here with minisign, and for the download library,
# whose stall time-out is cut to two seconds so that the servers that never answer or trickle end
# quickly.
# The port lies below the range the system hands out for ephemeral ports, so that no other test's
# server lands on it by chance.
set(PRESSLANE_TEST_SERVER_PORT 28471 CACHE STRING
    "Loopback port of the product server in the update chain test")
# The web-mail login page is served over https, as the program fills only such a page, from a
# port of its own.
math(EXPR PRESSLANE_TEST_TLS_PORT "${PRESSLANE_TEST_SERVER_PORT} + 1000")

find_package(Threads REQUIRED)
find_program(MINISIGN minisign REQUIRED)
set(test_key_dir ${CMAKE_CURRENT_BINARY_DIR}/release-test-key)
if(NOT EXISTS ${test_key_dir}/release.pub)
    file(MAKE_DIRECTORY ${test_key_dir})
    execute_process(COMMAND ${MINISIGN} -G -W -f -p ${test_key_dir}/release.pub
                            -s ${test_key_dir}/release.key
                    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
endif()
file(STRINGS ${test_key_dir}/release.pub test_key_lines)
list(GET test_key_lines 1 PRESSLANE_TEST_UPDATE_KEY)
set(PRESSLANE_TEST_SECRET_KEY ${test_key_dir}/release.key)

add_executable(e2e_update_server update_server.cpp)
target_link_libraries(e2e_update_server PRIVATE Threads::Threads)

foreach(program lane_desk update)
    get_target_property(libs ${program} LINK_LIBRARIES)
    get_target_property(sources ${program} SOURCES)
    get_target_property(source_dir ${program} SOURCE_DIR)
    list(TRANSFORM sources PREPEND "${source_dir}/")
    add_executable(${program}_loopback ${sources} ${PROJECT_SOURCE_DIR}/src/common/endpoints.cpp
                   ${PROJECT_SOURCE_DIR}/src/update_client/release_key.cpp)
    target_link_libraries(${program}_loopback PRIVATE ${libs})
    target_compile_definitions(${program}_loopback PRIVATE
        PRESSLANE_SERVER="http://127.0.0.1:${PRESSLANE_TEST_SERVER_PORT}"
        PRESSLANE_WEBMAIL_LOGIN="https://127.0.0.1:${PRESSLANE_TEST_TLS_PORT}/session/login.html"
        PRESSLANE_VERSION="${PROJECT_VERSION}"
        PRESSLANE_UPDATE_KEY="${PRESSLANE_TEST_UPDATE_KEY}")
    # Copied into an application folder, it finds libGrabkit.so beside itself.
    set_target_properties(${program}_loopback PROPERTIES BUILD_RPATH "$ORIGIN")
    add_dependencies(${program}_loopback Grabkit)
endforeach()

# The download library with the short stall time-out, copied as libGrabkit.so into the test's
# application folder.
get_target_property(grabkit_sources Grabkit SOURCES)
list(TRANSFORM grabkit_sources PREPEND "${PROJECT_SOURCE_DIR}/src/filedown/")
add_library(Grabkit_loopback SHARED ${grabkit_sources})
target_link_libraries(Grabkit_loopback
    PUBLIC presslane_common Qt6::Network
    PRIVATE presslane_filedown presslane_common_qt Qt6::Widgets ${CMAKE_DL_LIBS})
target_compile_definitions(Grabkit_loopback PRIVATE PRESSLANE_STALL_SECONDS=2)
