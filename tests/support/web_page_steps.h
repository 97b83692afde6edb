#pragma once

#include <string>

#include <QString>

namespace presslane {

class WebBrowser;

// Navigates through the port and waits (bounded) for the engine to report the end of that load.
bool load(WebBrowser& browser, const std::string& address);
// Runs a script in the page's own world and returns its result as text ("" on time-out).
std::string run_js(WebBrowser& browser, const QString& script);

}  // namespace presslane
