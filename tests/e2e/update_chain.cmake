# The update chain runs lane_desk and update against a product server on loopback. The server
# base is a build setting, so the two programs are linked once more with the endpoints compiled
# for 127.0.0.1:PRESSLANE_TEST_SERVER_PORT (the web-mail login page for the https port); their
# own copy of the endpoints takes the place of the library's, and every other object is the one
# the installed programs use.
# The port lies below the range the system hands out for ephemeral ports, so that no other test's
# server lands on it by chance.
set(PRESSLANE_TEST_SERVER_PORT 28471 CACHE STRING
    "Loopback port of the product server in the update chain test")
# The web-mail login page is served over https, as the program fills only such a page, from a
# port of its own.
math(EXPR PRESSLANE_TEST_TLS_PORT "${PRESSLANE_TEST_SERVER_PORT} + 1000")

add_executable(e2e_update_server update_server.cpp)
target_link_libraries(e2e_update_server PRIVATE presslane_test_support)

foreach(program lane_desk update)
    get_target_property(libs ${program} LINK_LIBRARIES)
    get_target_property(sources ${program} SOURCES)
    get_target_property(source_dir ${program} SOURCE_DIR)
    list(TRANSFORM sources PREPEND "${source_dir}/")
    add_executable(${program}_loopback ${sources} ${PROJECT_SOURCE_DIR}/src/common/endpoints.cpp)
    target_link_libraries(${program}_loopback PRIVATE ${libs})
    target_compile_definitions(${program}_loopback PRIVATE
        PRESSLANE_SERVER="http://127.0.0.1:${PRESSLANE_TEST_SERVER_PORT}"
        PRESSLANE_WEBMAIL_LOGIN="https://127.0.0.1:${PRESSLANE_TEST_TLS_PORT}/session/login.html"
        PRESSLANE_VERSION="${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}")
    # Copied into an application folder, it finds libGrabkit.so beside itself.
    set_target_properties(${program}_loopback PROPERTIES BUILD_RPATH "$ORIGIN")
    add_dependencies(${program}_loopback Grabkit)
endforeach()
