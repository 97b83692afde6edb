// The product server and a radio station for the media end-to-end run, on 127.0.0.1. Arguments:
// port, the verified channel list file (served as its bytes). Every request path is printed.
#include <csignal>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include <unistd.h>

#include "icy_stream.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: media_server PORT LIST_FILE\n";
        return 2;
    }
    std::ifstream in(argv[2], std::ios::binary);
    const std::string list{std::istreambuf_iterator<char>(in), {}};
    presslane::IcyStream station("Loopback Station", "Loopback Tune");
    station.serve("/soft/lane_desk/radio_guide/radiobook.res", list);
    station.serve("/soft/lane_desk/radio_guide/", "radio guide");
    station.log_requests(true);
    if (station.start(std::stoi(argv[1])) < 0) return 1;
    std::cout << "ready" << std::endl;
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGTERM);
    sigaddset(&set, SIGINT);
    sigprocmask(SIG_BLOCK, &set, nullptr);
    int sig = 0;
    sigwait(&set, &sig);
    return 0;
}
