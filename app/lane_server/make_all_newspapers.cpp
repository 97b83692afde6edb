// Writes the all-newspapers page the product server publishes, made from the program's catalogue,
// to the file given as the argument. The build runs it, so the page and the program's menus never
// differ.
#include <cstdio>

#include "common/file_write.h"
#include "server/all_newspapers_page.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_all_newspapers OUTPUT.html\n");
        return 2;
    }
    if (!presslane::write_file_atomically(argv[1], presslane::all_newspapers_page())) {
        std::fprintf(stderr, "make_all_newspapers: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
