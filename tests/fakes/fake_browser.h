#pragma once

#include <string>
#include <utility>
#include <vector>

#include "browse/browser.h"
#include "fake_control.h"

namespace presslane {

// A browser that records what it was asked to do.
struct FakeBrowser : Browser {
    void navigate(const std::string& address) override { navigations.push_back(address); }
    void go_back() override { calls.push_back("back"); }
    void go_forward() override { calls.push_back("forward"); }
    void reload() override { calls.push_back("reload"); }
    void stop() override { calls.push_back("stop"); }
    void set_zoom(int percent) override { zoom = percent; }
    void print_preview() override { calls.push_back("preview"); }
    void print() override { calls.push_back("print"); }
    bool has_document() const override { return document; }
    std::string location_name() const override { return title; }
    std::string location_url() const override { return url; }
    bool busy() const override { return loading; }
    void set_silent(bool s) override { silent = s; }
    bool fill_fields(const std::string& page,
                     const std::vector<std::pair<std::string, std::string>>& fields) override {
        fills.push_back({page, fields});
        return fill_result;
    }
    Control& control() override { return view; }
    void set_focus() override { ++focus_requests; }

    std::vector<std::string> navigations, calls;
    std::string title, url;
    bool silent = false;
    int focus_requests = 0;
    int zoom = 100;
    bool document = true, loading = false;
    // Every fill asked for, and what each answers.
    struct Fill {
        std::string page;
        std::vector<std::pair<std::string, std::string>> fields;
    };
    std::vector<Fill> fills;
    bool fill_result = false;
    FakeControl view;
};

}  // namespace presslane
